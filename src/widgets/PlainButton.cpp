#include "widgets/PlainButton.h"

#include <QPainter>

namespace {

constexpr int kPlainButtonPadding = 3;

} // namespace

PlainButton::PlainButton(const QString &text, Style::TextStyle style, Style::Tone tone, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(text);
    setFont(Style::font(style));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Style::applyTone(this, tone, QPalette::ButtonText);
}

QSize PlainButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 2 * kPlainButtonPadding, metrics.height() + 2 * kPlainButtonPadding};
}

void PlainButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor color = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    if (isDown())
        color.setAlphaF(qMin(1.0f, color.alphaF() * 1.6f));
    painter.setPen(color);
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QPen pen(palette().color(QPalette::Highlight));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
}
