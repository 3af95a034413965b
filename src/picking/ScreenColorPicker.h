#pragma once

#include "desktop/portal/PortalColorPick.h"

#include <QString>

#include <functional>

class QObject;

// Picking one pixel's colour from the screen, whichever way this desktop allows.
namespace ScreenColorPicker {

// The outcome of one pick from the screen.
struct PickResult {
    // `abandoned`: no picker could take the pick, and the user has moved on meanwhile (the panel was
    // closed), so nothing opens unasked; `message` still says why.
    enum class Outcome { picked, cancelled, failed, abandoned };
    Outcome outcome = Outcome::cancelled;
    QString hex;     // when picked
    QString message; // when failed or abandoned: one line for the banner
};
using PickCompletion = std::function<void(const PickResult &)>;

// Picks one pixel's colour from the screen: through the desktop portal where one answers (GNOME, KDE, on
// X11 and Wayland), else with our own loupe over a grab of the screen (X11); where neither can work, the
// result says so. `completion` runs once, unless `context` goes first. When `context` is a window, hiding it
// counts as the user moving on: no other picker opens after that.
void pick(QObject *context, PickCompletion completion);
// The same, giving the portal `portalAcceptMs` to take the request.
void pickWithin(QObject *context, PickCompletion completion, int portalAcceptMs);

} // namespace ScreenColorPicker
