#pragma once

#include <QByteArray>
#include <QString>

class QProcessEnvironment;

// The desktop session Tessellon runs in, which is not always the platform it draws through: on GNOME and
// Plasma under Wayland it draws through XWayland, and the session's rules are still Wayland's (no pixels of
// other programs' windows, the clipboard only for the window that has the keyboard focus).
namespace Session {

bool isWayland();

// Whether XDG_CURRENT_DESKTOP's list ("ubuntu:GNOME" on Ubuntu) names `desktop`.
bool desktopNamed(const QString &currentDesktops, QLatin1String desktop);

// A KDE session: Plasma sets KDE_FULL_SESSION, and names KDE among the current desktops.
bool isKde();

// The Qt platform to start on where the user named none, or nothing for Qt's own choice. A tray panel wants
// to sit at its icon and stay out of the task list and Alt+Tab; Wayland lets a window do neither, and GNOME's
// and KDE's compositors offer nothing for it (sway is moved over its IPC instead), so there Tessellon draws
// through XWayland, where the compositor honours both as it does on X11.
QByteArray chosenPlatform(const QProcessEnvironment &environment);

} // namespace Session
