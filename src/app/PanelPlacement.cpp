#include "app/PanelPlacement.h"

#include <QtGlobal>

namespace {

constexpr int kGap = 4;

int clampInto(int start, int length, int areaStart, int areaLength)
{
    // A panel larger than the area keeps its top-left corner visible.
    return qMax(areaStart, qMin(start, areaStart + areaLength - length));
}

} // namespace

QPoint panelPosition(const QRect &anchor, const QSize &panel, const QRect &available)
{
    const int x = anchor.center().x() - panel.width() / 2;
    const bool anchorInUpperHalf = anchor.center().y() < available.center().y();
    const int y = anchorInUpperHalf ? anchor.bottom() + 1 + kGap : anchor.top() - kGap - panel.height();
    return {clampInto(x, panel.width(), available.x(), available.width()),
            clampInto(y, panel.height(), available.y(), available.height())};
}
