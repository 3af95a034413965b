#include "widgets/InsetBox.h"

#include "widgets/Layout.h"

#include <QEvent>
#include <QPainter>

namespace {

constexpr qreal kBoxRadius = 6;

} // namespace

void InsetBox::frameField(QWidget *field)
{
    m_field = field;
    field->installEventFilter(this);
    update();
}

bool InsetBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QWidget::eventFilter(watched, event);
}

void InsetBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = Style::color(palette(), Style::Tone::Secondary);
    fill.setAlphaF(fill.alphaF() * 0.08f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(rect(), kBoxRadius, kBoxRadius);
    if (!m_field)
        return;
    painter.setPen(QPen(Style::color(palette(), Style::Tone::ControlEdge), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kBoxRadius, kBoxRadius);
    if (m_field->hasFocus())
        Style::paintFocusRing(painter, rect(), kBoxRadius, palette());
}
