#include "desktop/Desktop.h"

#include "desktop/x11/X11.h"

#include <QGuiApplication>

namespace Desktop {

bool isWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void handOverActivation(WId panel, const QString &startupId, const QString &activationToken)
{
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    if (!startupId.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb"))
        X11::setStartupId(panel, startupId.toUtf8());
}

void activationUsed()
{
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace Desktop
