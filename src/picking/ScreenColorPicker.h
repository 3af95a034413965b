#pragma once

#include <QString>

#include <functional>

class QObject;

// Picking one pixel's colour from the screen, whichever way this desktop allows.
namespace ScreenColorPicker {

// The outcome of one pick from the screen.
struct PickResult {
    enum class Outcome { picked, cancelled, failed };
    Outcome outcome = Outcome::cancelled;
    QString hex;     // when picked
    QString message; // when failed: one line for the banner
};
using PickCompletion = std::function<void(const PickResult &)>;

// Picks one pixel's colour from the screen: through the desktop portal where one answers (GNOME, KDE, on
// X11 and Wayland), else with our own loupe over a grab of the screen (X11); where neither can work, the
// result says so. `completion` runs once, unless `context` goes first.
void pick(QObject *context, PickCompletion completion);

} // namespace ScreenColorPicker
