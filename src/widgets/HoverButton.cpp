#include "widgets/HoverButton.h"

#include "widgets/Layout.h"

#include <QPainter>

void HoverButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
    Q_EMIT hoverChanged(true);
}

void HoverButton::paintTileFace(QPainter &painter, qreal radius, qreal restingOpacity) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor face;
    if (isHovered() || isDown()) {
        face = Style::color(palette(), Style::Tone::Accent);
        face.setAlphaF(isDown() ? 0.25f : 0.15f);
    } else {
        face = Style::color(palette(), Style::Tone::Secondary);
        face.setAlphaF(face.alphaF() * float(restingOpacity));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(rect()), radius, radius);
    painter.restore();
    if (Style::showsFocusRing(this))
        Style::paintFocusRing(painter, rect(), radius, palette());
}

void HoverButton::paintRowFace(QPainter &painter, qreal radius) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (isHovered() || isDown()) {
        QColor wash = Style::color(palette(), Style::Tone::Primary);
        wash.setAlphaF(isDown() ? 0.12f : 0.06f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(wash);
        painter.drawRoundedRect(QRectF(rect()), radius, radius);
    }
    painter.restore();
    if (Style::showsFocusRing(this))
        Style::paintFocusRing(painter, rect(), radius, palette());
}

void HoverButton::becomeRow()
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void HoverButton::paintRowLabel(QPainter &painter, const QString &label, int column) const
{
    painter.setFont(Style::font(Style::TextStyle::Caption, QFont::DemiBold));
    painter.setPen(Style::color(palette(), Style::Tone::Secondary));
    painter.drawText(QRect(4, 0, column, height()), Qt::AlignVCenter | Qt::AlignLeft, label);
}

void HoverButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
    Q_EMIT hoverChanged(false);
}
