#include "widgets/HoverDeleteButton.h"

#include <QEvent>
#include <QPainter>

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
