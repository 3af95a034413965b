#pragma once

#include <QString>
#include <qwindowdefs.h>

// The one front through which the app reaches the desktop for what differs between X11 and Wayland.
namespace Desktop {

bool isWayland();

// Passes a launch's activation on to the panel before it shows, so the desktop lets it take the focus: on
// X11 the startup id goes on the window itself; on Wayland the token goes where Qt reads it at the next
// activation, and is dropped once used (a spent token must not reach programs started later).
void handOverActivation(WId panel, const QString &startupId, const QString &activationToken);
void activationUsed();

} // namespace Desktop
