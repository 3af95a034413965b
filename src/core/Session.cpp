#include "core/Session.h"

#include <QGuiApplication>
#include <QProcessEnvironment>

namespace Session {

bool isWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QByteArray chosenPlatform(const QProcessEnvironment &environment)
{
    if (!environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty() ||
        environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
        environment.value(QStringLiteral("DISPLAY")).isEmpty())
        return {};
    // XDG_CURRENT_DESKTOP is a list, "ubuntu:GNOME" on Ubuntu.
    const QStringList desktops = environment.value(QStringLiteral("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':'));
    for (const QString &desktop : desktops)
        if (desktop.compare(QLatin1String("GNOME"), Qt::CaseInsensitive) == 0 ||
            desktop.compare(QLatin1String("KDE"), Qt::CaseInsensitive) == 0)
            return QByteArrayLiteral("xcb");
    return {};
}

} // namespace Session
