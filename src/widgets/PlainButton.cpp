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
    // The text keeps its small look; the target around it is never smaller than a pointer can hit.
    return {qMax(Style::kMinimumTarget, metrics.horizontalAdvance(text()) + 2 * kPlainButtonPadding),
            qMax(Style::kMinimumTarget, metrics.height() + 2 * kPlainButtonPadding)};
}

void PlainButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor color = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    if (isDown())
        color.setAlphaF(qMin(1.0f, color.alphaF() * 1.6f));
    painter.setPen(color);
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (Style::showsFocusRing(this))
        Style::paintFocusRing(painter, rect(), 4, palette());
}
