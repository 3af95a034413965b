#include "desktop/PanelPlacement.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace {

// Between the anchor and the panel.
constexpr int kGap = 4;
constexpr int kMargin = kPanelScreenMargin;

int clampInto(int start, int length, int areaStart, int areaLength)
{
    return qMax(areaStart, qMin(start, areaStart + areaLength - length));
}

} // namespace

QPoint panelPosition(const QRect &anchor, const QSize &panel, const QRect &available)
{
    const QPoint centre = anchor.center();
    enum Edge { top, bottom, left, right };
    // How far in from each edge the anchor is; an icon on a bar outside the area counts as negative.
    const std::array<int, 4> inset{centre.y() - available.top(), available.bottom() - centre.y(),
                                   centre.x() - available.left(), available.right() - centre.x()};
    const auto edge = Edge(std::min_element(inset.begin(), inset.end()) - inset.begin());
    QPoint position(centre.x() - panel.width() / 2, centre.y() - panel.height() / 2);
    switch (edge) {
    case top:
        position.setY(anchor.bottom() + 1 + kGap);
        break;
    case bottom:
        position.setY(anchor.top() - kGap - panel.height());
        break;
    case left:
        position.setX(anchor.right() + 1 + kGap);
        break;
    case right:
        position.setX(anchor.left() - kGap - panel.width());
        break;
    }
    const QRect area = available.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    return {clampInto(position.x(), panel.width(), area.x(), area.width()),
            clampInto(position.y(), panel.height(), area.y(), area.height())};
}

QRect trayEndOfBar(const QRect &screen, const QRect &available)
{
    if (available.bottom() < screen.bottom())
        return {available.right(), available.bottom() + 1, 1, screen.bottom() - available.bottom()};
    if (available.left() > screen.left())
        return {screen.left(), available.bottom(), available.left() - screen.left(), 1};
    if (available.right() < screen.right())
        return {available.right() + 1, available.bottom(), screen.right() - available.right(), 1};
    return {available.right(), screen.top(), 1, qMax(1, available.top() - screen.top())};
}
