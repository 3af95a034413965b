#pragma once

#include <QByteArray>

#include <optional>

// What only the X server can say, asked over a short connection of our own. This folder is the only code
// that speaks to X directly.
namespace X11 {

// Whether the X server in DISPLAY takes a connection from us (XWayland may refuse one, or be gone).
bool reachable();

// Whether an XEmbed system tray (tint2, stalonetray, LXDE's) owns the tray selection of the default screen.
bool xembedTrayOwned();

// The window the window manager names active (_NET_ACTIVE_WINDOW on the root; 0 for none), or nothing when
// it names none at all.
std::optional<unsigned long> activeWindow();

// Tags a window with the launch's startup id (_NET_STARTUP_ID), so that a window manager with focus-stealing
// prevention lets it take the focus when it maps, as the launch the user just made. Qt reads
// DESKTOP_STARTUP_ID only once, at start, so a launch handed over later has to be passed on here.
void setStartupId(unsigned long window, const QByteArray &id);

// Keeps a window that is not yet shown out of the task list, the pager and Alt+Tab, as the tray's own popup
// is. Qt says so only by the window's type.
void keepOutOfTaskList(unsigned long window);

} // namespace X11
