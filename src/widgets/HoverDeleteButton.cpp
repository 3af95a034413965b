#include "widgets/HoverDeleteButton.h"

#include "widgets/Layout.h"

#include <QEvent>
#include <QPainter>

namespace {

constexpr qreal kDiameter = 16;
// The disc's top-right corner lies this far right of and above the face's.
constexpr qreal kOverhang = 4;

} // namespace

HoverDeleteButton::HoverDeleteButton(QWidget *tile, const QString &toolTip)
    : QAbstractButton(tile->parentWidget()), m_tile(tile)
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

QSize HoverDeleteButton::sizeHint() const
{
    return {Style::kMinimumTarget, Style::kMinimumTarget};
}

void HoverDeleteButton::setFaceMargins(const QMargins &margins)
{
    m_faceMargins = margins;
    place();
}

QRectF HoverDeleteButton::disc() const
{
    return {m_discCentre - QPointF(kDiameter / 2, kDiameter / 2), QSizeF(kDiameter, kDiameter)};
}

void HoverDeleteButton::place()
{
    if (!m_tile || !parentWidget())
        return;
    const QRect face = m_tile->geometry().marginsRemoved(m_faceMargins);
    const QPointF centre(face.right() + 1 + kOverhang - kDiameter / 2, face.top() - kOverhang + kDiameter / 2);
    // The target is centred on the disc where it can be, but never pokes out of the parent, which would
    // cut it (and the disc with it) off.
    QRect target(QPoint(0, 0), sizeHint());
    target.moveCenter(centre.toPoint());
    const QRect room = parentWidget()->rect();
    target.moveLeft(qBound(room.left(), target.left(), qMax(room.left(), room.right() + 1 - target.width())));
    target.moveTop(qBound(room.top(), target.top(), qMax(room.top(), room.bottom() + 1 - target.height())));
    setGeometry(target);
    m_discCentre = centre - target.topLeft();
    update();
}

void HoverDeleteButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle = disc();
    // Near-opaque black under a white ring and cross: white on it is over 15:1, and the ring parts the disc
    // from a dark swatch or a dark panel.
    QColor fill = Qt::black;
    fill.setAlphaF(isDown() ? 0.95f : 0.8f);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(fill);
    painter.drawEllipse(circle.adjusted(0.75, 0.75, -0.75, -0.75));
    QPen pen(Qt::white, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const qreal inset = kDiameter * 0.33;
    const QRectF cross = circle.adjusted(inset, inset, -inset, -inset);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}
