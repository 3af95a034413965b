#include "core/Session.h"

#include <QGuiApplication>
#include <QProcessEnvironment>

#include <algorithm>

namespace Session {

bool isWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool desktopNamed(const QString &currentDesktops, QLatin1String desktop)
{
    const QStringList desktops = currentDesktops.split(QLatin1Char(':'));
    return std::any_of(desktops.begin(), desktops.end(),
                       [desktop](const QString &one) { return one.compare(desktop, Qt::CaseInsensitive) == 0; });
}

bool isKde()
{
    return qgetenv("KDE_FULL_SESSION") == "true" ||
           desktopNamed(qEnvironmentVariable("XDG_CURRENT_DESKTOP"), QLatin1String("KDE"));
}

QByteArray chosenPlatform(const QProcessEnvironment &environment)
{
    if (!environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty() ||
        environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
        environment.value(QStringLiteral("DISPLAY")).isEmpty())
        return {};
    const QString desktops = environment.value(QStringLiteral("XDG_CURRENT_DESKTOP"));
    if (desktopNamed(desktops, QLatin1String("GNOME")) || desktopNamed(desktops, QLatin1String("KDE")))
        return QByteArrayLiteral("xcb");
    return {};
}

} // namespace Session
