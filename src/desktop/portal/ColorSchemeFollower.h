#pragma once

#include "desktop/portal/Portal.h"
#include "widgets/Layout.h"

#include <QDBusConnection>
#include <QDBusVariant>
#include <QObject>
#include <QPalette>

// Keeps the application's palette on the desktop's light or dark choice, live. The choice comes from the
// desktop portal's "color-scheme" setting (GNOME, KDE and others publish it there); Qt 6.4's own themes
// do not follow it, so without this a dark GNOME desktop would get a light panel. Where the platform
// theme already gives a dark palette (KDE's), a dark choice changes nothing; a light one then needs a light
// palette of ours, as Qt reads KDE's colours once, at start.
class ColorSchemeFollower : public Portal
{
    Q_OBJECT

public:
    enum class Scheme { NoPreference, Dark, Light };

    explicit ColorSchemeFollower(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);

    Scheme scheme() const { return m_scheme; }

    // Our dark palette, keeping the accent of the one it replaces.
    static QPalette darkPalette(const QColor &accent = Style::brandAccent());
    // The light one: Breeze's colours in a KDE session, else the style's own.
    static QPalette lightPalette();
    // The palette to start with: the platform's, except in a KDE session whose settings name no colours (a
    // new account), where Qt 6.4 falls back to KDE's colours of long ago rather than Breeze's.
    static QPalette startingPalette();

Q_SIGNALS:
    void schemeChanged(ColorSchemeFollower::Scheme scheme);

private Q_SLOTS:
    void onSettingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void apply(const QVariant &value);

    Scheme m_scheme = Scheme::NoPreference;
    QPalette m_original;
    bool m_replaced = false;
    bool m_heardChange = false;
};
