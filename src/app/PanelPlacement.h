#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the panel's top-left corner goes so that it hangs off the anchor (the tray icon, or the pointer
// when the tray does not tell where its icon is): below an anchor in the upper half of the screen, above one
// in the lower half, centred on it, and always wholly inside the available area.
QPoint panelPosition(const QRect &anchor, const QSize &panel, const QRect &available);
