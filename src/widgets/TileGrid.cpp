#include "widgets/TileGrid.h"

#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QWidget>

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
    return layoutItems(QRect(0, 0, width, 0), false);
}

QSize AdaptiveGridLayout::sizeHint() const
{
    // Without a width to go by, assume the narrowest useful one: a single row of the minimum cells.
    const int visible =
        int(std::count_if(m_items.begin(), m_items.end(), [](QLayoutItem *i) { return !i->isEmpty(); }));
    const int width = visible == 0 ? 0 : visible * m_minimumCellWidth + (visible - 1) * m_spacing;
    return QSize(width, itemSize().height());
}

QSize AdaptiveGridLayout::minimumSize() const
{
    // An empty grid has no item size at all (-1 × -1): it needs no height.
    return QSize(qMax(m_minimumCellWidth, itemSize().width()), qMax(0, itemSize().height()));
}

void AdaptiveGridLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    layoutItems(rect, true);
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

HoverDeleteButton::HoverDeleteButton(QWidget *tile, const QString &toolTip, int diameter, qreal opacity, int offset)
    : QAbstractButton(tile->parentWidget()), m_tile(tile), m_diameter(diameter), m_opacity(opacity), m_offset(offset)
{
    setToolTip(toolTip);
    setAccessibleName(toolTip);
    setCursor(Qt::PointingHandCursor);
    // Reached by the pointer only: the keyboard gets the tile's context menu, which offers the same removal.
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
    hide();
    tile->installEventFilter(this);
    // Going away with the tile, whichever goes first.
    connect(tile, &QObject::destroyed, this, &QObject::deleteLater);
}

bool HoverDeleteButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tile) {
        switch (event->type()) {
        case QEvent::Enter:
            place();
            show();
            raise();
            break;
        case QEvent::Leave:
            hideUnlessHovered();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            place();
            break;
        case QEvent::Hide:
            hide();
            break;
        default:
            break;
        }
    }
    return false;
}

void HoverDeleteButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    hideUnlessHovered();
}

void HoverDeleteButton::hideUnlessHovered()
{
    if (underMouse() || (m_tile && m_tile->underMouse()))
        return;
    hide();
}

void HoverDeleteButton::place()
{
    if (!m_tile)
        return;
    // The disc's top-right corner sits `offset` points right of and above the tile's top-right corner.
    const QRect tile = m_tile->geometry();
    move(tile.right() + 1 + m_offset - (width() - 2), tile.top() - m_offset - 2);
}

void HoverDeleteButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle = QRectF(rect()).adjusted(2, 2, -2, -2);
    painter.setPen(Qt::NoPen);
    QColor disc = Qt::black;
    disc.setAlphaF(float(isDown() ? qMin(1.0, m_opacity + 0.15) : m_opacity));
    painter.setBrush(disc);
    painter.drawEllipse(circle);
    QPen pen(Qt::white, 1.4);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const qreal inset = m_diameter * 0.3;
    const QRectF cross = circle.adjusted(inset, inset, -inset, -inset);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

void giveTileContextMenu(QWidget *tile)
{
    tile->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(tile, &QWidget::customContextMenuRequested, tile, [tile](const QPoint &at) {
        auto *menu = new QMenu(tile->window());
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addActions(tile->actions());
        // An item pressed without a click (by a screen reader) closes the menu too.
        QObject::connect(menu, &QMenu::triggered, menu, &QMenu::close);
        menu->popup(tile->mapToGlobal(at));
    });
}

QScrollArea *tileScrollArea(QWidget *grid, QWidget *parent)
{
    auto *scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    grid->setAutoFillBackground(false);
    scroll->setWidget(grid);
    return scroll;
}
