#pragma once

#include "desktop/portal/Portal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QDBusArgument;

// One shortcut as the portal's BindShortcuts takes it: a(sa{sv}).
struct PortalShortcut {
    QString id;
    QVariantMap properties;
    static void registerTypes();
};
QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut);
const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut);
Q_DECLARE_METATYPE(PortalShortcut)

// Desktop-wide shortcuts through the GlobalShortcuts portal, the one way a Wayland client gets them (X11
// desktops offer it too where the portal runs). Tessellon only suggests triggers; the desktop asks the user
// and lets them change the keys. Where no portal offers the interface nothing happens but a trace.
class GlobalShortcuts : public Portal
{
    Q_OBJECT

public:
    struct Shortcut {
        QString id;
        QString description;
        QString preferredTrigger; // in the XDG shortcut format, e.g. "CTRL+ALT+T"
    };

    explicit GlobalShortcuts(QDBusConnection bus, QObject *parent = nullptr);

    // Creates a session and binds the shortcuts in it.
    void start(const QList<Shortcut> &shortcuts);
    bool isBound() const { return m_bound; }

Q_SIGNALS:
    void activated(const QString &id);
    void boundChanged();

private Q_SLOTS:
    void onBindResponse(uint response, const QVariantMap &results);
    void onActivated(const QDBusMessage &message);

private:
    void bind();
    void setBound(bool bound);

    QList<Shortcut> m_shortcuts;
    bool m_bound = false;
};
