#include "widgets/AdaptiveGridLayout.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

AdaptiveGridLayout::AdaptiveGridLayout(int minimumCellWidth, int spacing, int rowSpacing, QWidget *parent)
    : QLayout(parent), m_minimumCellWidth(minimumCellWidth), m_spacing(spacing), m_rowSpacing(rowSpacing)
{
    setContentsMargins(0, 0, 0, 0);
}

AdaptiveGridLayout::~AdaptiveGridLayout()
{
    qDeleteAll(m_items);
}

int AdaptiveGridLayout::columns(int width, int minimumCellWidth, int spacing)
{
    return qMax(1, (width + spacing) / qMax(1, minimumCellWidth + spacing));
}

void AdaptiveGridLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
    invalidate();
}

QLayoutItem *AdaptiveGridLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    invalidate();
    return m_items.takeAt(index);
}

QSize AdaptiveGridLayout::itemSize() const
{
    QSize size;
    for (QLayoutItem *item : m_items) {
        if (!item->isEmpty())
            size = size.expandedTo(item->sizeHint());
    }
    return size;
}

int AdaptiveGridLayout::heightForWidth(int width) const
{
    const QMargins m = contentsMargins();
    return layoutItems(QRect(0, 0, width - m.left() - m.right(), 0), false) + m.top() + m.bottom();
}

QSize AdaptiveGridLayout::sizeHint() const
{
    // Without a width to go by, assume the narrowest useful one: a single row of the minimum cells.
    const int visible =
        int(std::count_if(m_items.begin(), m_items.end(), [](QLayoutItem *i) { return !i->isEmpty(); }));
    const int width = visible == 0 ? 0 : visible * m_minimumCellWidth + (visible - 1) * m_spacing;
    const QMargins m = contentsMargins();
    return QSize(width, qMax(0, itemSize().height())).grownBy(m);
}

QSize AdaptiveGridLayout::minimumSize() const
{
    // An empty grid has no item size at all (-1 × -1): it needs no height.
    return QSize(qMax(m_minimumCellWidth, itemSize().width()), qMax(0, itemSize().height())).grownBy(contentsMargins());
}

void AdaptiveGridLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    // Inside the margins: a grid keeps room there for what sticks out of its tiles (the delete buttons).
    layoutItems(rect.marginsRemoved(contentsMargins()), true);
}

int AdaptiveGridLayout::layoutItems(const QRect &rect, bool apply) const
{
    const QSize size = itemSize();
    const int cellWidth = qMax(m_minimumCellWidth, size.width());
    const int n = columns(rect.width(), cellWidth, m_spacing);
    const double actualCell = n > 0 ? double(rect.width() - (n - 1) * m_spacing) / n : cellWidth;
    int index = 0;
    for (QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        const int row = index / n;
        const int column = index % n;
        if (apply) {
            QSize own = item->sizeHint();
            if (item->expandingDirections() & Qt::Horizontal)
                own.setWidth(int(std::lround(actualCell)));
            const double cellLeft = rect.left() + column * (actualCell + m_spacing);
            const int x = int(std::lround(cellLeft + (actualCell - own.width()) / 2.0));
            const int y = rect.top() + row * (size.height() + m_rowSpacing);
            item->setGeometry(QRect(QPoint(x, y), own));
        }
        ++index;
    }
    const int rows = (index + n - 1) / n;
    return rows == 0 ? 0 : rows * size.height() + (rows - 1) * m_rowSpacing;
}
