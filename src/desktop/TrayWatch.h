#pragma once

#include <QDBusConnection>
#include <QObject>

#include <QTimer>

class QDBusServiceWatcher;

// Whether a tray is there to take an icon, now and as trays come and go: a StatusNotifierWatcher on the
// session bus (KDE, waybar, Xfce, GNOME's AppIndicator extension), or on X11 the owner of the XEmbed tray
// selection.
//
// Qt looks for a StatusNotifierWatcher with a host (the bar that shows the icons) once, when the first
// tray icon object is made, and never again: an icon made before the bar starts (the usual race at login),
// or in the moment between the bar's watcher and its host coming up, stays without a tray for good. So
// nothing of Qt's tray is made until this says a tray is there. Plasma's watcher never announces its host
// (no StatusNotifierHostRegistered), so while a watcher has none it is asked again every second.
class TrayWatch : public QObject
{
    Q_OBJECT

public:
    explicit TrayWatch(const QDBusConnection &bus, QObject *parent = nullptr);

    bool isAvailable() const { return m_statusNotifier || m_xembed; }

Q_SIGNALS:
    void availabilityChanged(bool available);

private Q_SLOTS:
    void onHostRegistered();

private:
    void update(bool statusNotifier, bool xembed);
    static bool hostRegistered(const QDBusConnection &bus);

    QDBusConnection m_bus;
    QDBusServiceWatcher *m_watcher;
    QTimer m_xembedPoll;
    QTimer m_hostPoll;
    bool m_statusNotifier = false;
    bool m_xembed = false;
};
