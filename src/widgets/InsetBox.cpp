#include "widgets/InsetBox.h"

#include "widgets/Layout.h"

#include <QPainter>

void InsetBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = Style::color(palette(), Style::Tone::Secondary);
    fill.setAlphaF(fill.alphaF() * 0.08f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(rect(), 6, 6);
}
