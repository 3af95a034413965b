#pragma once

#include <QString>

#include <functional>

class QObject;

// One pick from the screen through the desktop portal (org.freedesktop.portal.Screenshot.PickColor), which
// GNOME and KDE offer on X11 and Wayland alike.
struct PortalPick {
    enum class Outcome { picked, cancelled, unavailable };
    Outcome outcome = Outcome::unavailable;
    QString hex;
};

// `done` runs once on the main thread unless `context` goes first. `unavailable` means no portal answered
// or it could not pick; the caller may then try another way.
void pickWithPortal(QObject *context, std::function<void(const PortalPick &)> done);
