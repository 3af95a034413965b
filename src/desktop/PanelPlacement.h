#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the panel's top-left corner goes so that it hangs off the anchor (the tray icon, or the pointer
// when the tray does not tell where its icon is) on the side that faces the anchor's bar: below an icon in
// a top bar, above one in a bottom bar, beside one in a bar at the left or right, centred on it. The bar is
// the edge of the available area nearest the anchor. The panel stays wholly inside the available area, a
// few pixels off its edges; one larger than the area keeps its top-left corner visible.
QPoint panelPosition(const QRect &anchor, const QSize &panel, const QRect &available);

// Where a tray's icon most likely is when nothing says: at the end of the bar where trays sit (the right end of
// a top or bottom bar, the bottom of a side bar), the bar being the edge the available area leaves out; the
// top-right corner where none is left out.
QRect trayEndOfBar(const QRect &screen, const QRect &available);

// How far a placed panel keeps off the available area's edges.
constexpr int kPanelScreenMargin = 4;
