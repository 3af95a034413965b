#pragma once

#include <QString>

#include <functional>

class QObject;

// One pick from the screen through the desktop portal (org.freedesktop.portal.Screenshot.PickColor), which
// GNOME and KDE offer on X11 and Wayland alike.
struct PortalPick {
    // `unavailable`: no portal, or none with a colour picker, is there. `failed`: one is there but could not
    // pick. `notAnswering`: one is there but did not take the request in time (still starting, or hung).
    enum class Outcome { picked, cancelled, unavailable, failed, notAnswering };
    Outcome outcome = Outcome::unavailable;
    QString hex;
};

// How long the portal has to take a request before the pick counts as not answered. Once it has taken it,
// the user is picking, and the wait has no end.
inline constexpr int kPortalAcceptMs = 5000;

// `done` runs once on the main thread unless `context` goes first; the caller may try another way after any
// outcome but `picked` and `cancelled`.
void pickWithPortal(QObject *context, std::function<void(const PortalPick &)> done, int acceptMs = kPortalAcceptMs);
