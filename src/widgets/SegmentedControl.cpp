#include "widgets/SegmentedControl.h"

#include "widgets/HoverButton.h"
#include "widgets/Layout.h"
#include "widgets/SymbolIcons.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

namespace {

// The control draws 22 pixels tall, as designed, inside a 24-pixel target.
constexpr int kDrawnHeight = 22;
constexpr int kHeight = Style::kMinimumTarget;
constexpr int kInset = (kHeight - kDrawnHeight) / 2;
constexpr int kSymbolSize = 14;
constexpr qreal kSegmentRadius = 5;

} // namespace

SegmentButton::SegmentButton(const QString &text, const QString &symbol, QWidget *parent)
    : HoverButton(parent), m_symbol(symbol)
{
    setText(text);
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::StrongFocus);
    setFont(Style::font(Style::TextStyle::Callout));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

QSize SegmentButton::sizeHint() const
{
    if (!m_symbol.isEmpty())
        return {kSymbolSize + 14, kHeight};
    return {QFontMetrics(font()).horizontalAdvance(text()) + 16, kHeight};
}

QSize SegmentButton::minimumSizeHint() const
{
    return {m_symbol.isEmpty() ? QFontMetrics(font()).horizontalAdvance(text()) + 6 : kSymbolSize + 4, kHeight};
}

// Tab enters the control at its selected segment, as in a radio group; the arrow keys then move the
// selection.
void SegmentButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    if (isChecked() || (event->reason() != Qt::TabFocusReason && event->reason() != Qt::BacktabFocusReason))
        return;
    for (auto *sibling : parentWidget()->findChildren<SegmentButton *>(Qt::FindDirectChildrenOnly)) {
        if (sibling->isChecked()) {
            sibling->setFocus(event->reason());
            return;
        }
    }
}

void SegmentButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(2, 2 + kInset, -2, -2 - kInset);
    const QPalette &pal = palette();
    QColor foreground = Style::color(pal, Style::Tone::Primary);
    if (isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Style::color(pal, Style::Tone::AccentFill));
        painter.drawRoundedRect(area, kSegmentRadius - 1, kSegmentRadius - 1);
        foreground = Style::color(pal, Style::Tone::OnAccent);
    } else if (isHovered() || isDown()) {
        QColor hover = Style::color(pal, Style::Tone::Primary);
        hover.setAlphaF(isDown() ? 0.14f : 0.07f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(hover);
        painter.drawRoundedRect(area, kSegmentRadius - 1, kSegmentRadius - 1);
    }
    if (!isEnabled())
        foreground.setAlphaF(foreground.alphaF() * 0.4f);

    if (m_symbol.isEmpty()) {
        painter.setPen(foreground);
        painter.drawText(rect(), Qt::AlignCenter, text());
    } else {
        const QRectF symbolRect(QPointF(width() / 2.0 - kSymbolSize / 2.0, height() / 2.0 - kSymbolSize / 2.0),
                                QSizeF(kSymbolSize, kSymbolSize));
        SymbolIcons::paint(painter, symbolRect, m_symbol, foreground);
    }
    if (Style::showsFocusRing(this))
        Style::paintFocusRing(painter, QRectF(rect()).adjusted(0, kInset, 0, -kInset), kSegmentRadius, pal);
}

SegmentedControl::SegmentedControl(const QString &accessibleName, QWidget *parent) : QWidget(parent)
{
    setAccessibleName(accessibleName);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void SegmentedControl::setSegments(const QList<Segment> &segments, int current)
{
    // A focused segment that goes away would leave the focus nowhere; keep it inside the control.
    const bool hadFocus = isAncestorOf(QApplication::focusWidget());
    // Later, not at once: the click that led here may still be running inside one of them.
    for (SegmentButton *old : std::as_const(m_buttons)) {
        old->hide();
        old->deleteLater();
    }
    m_buttons.clear();
    for (int i = 0; i < segments.size(); ++i) {
        const Segment &segment = segments.at(i);
        auto *button = new SegmentButton(segment.text, segment.symbol, this);
        // A tooltip only where it tells more than the segment shows: a symbol's name, not a label again.
        const QString name = segment.toolTip.isEmpty() ? segment.text : segment.toolTip;
        if (name != segment.text)
            button->setToolTip(name);
        button->setAccessibleName(name);
        connect(button, &QAbstractButton::clicked, this, [this, i] { select(i, true); });
        layout()->addWidget(button);
        // At once, not on the next pass of the event loop as a layout would: the new segments replace the
        // old ones in the same frame.
        button->show();
        m_buttons.append(button);
    }
    m_current = -1;
    setCurrentIndex(current);
    if (hadFocus && m_current >= 0)
        m_buttons.at(m_current)->setFocus();
}

void SegmentedControl::setCurrentIndex(int index)
{
    select(index, false);
}

void SegmentedControl::select(int index, bool byUser)
{
    if (index < 0 || index >= m_buttons.size())
        return;
    m_buttons.at(index)->setChecked(true);
    if (index == m_current)
        return;
    m_current = index;
    update();
    if (byUser)
        Q_EMIT currentIndexChanged(index);
}

void SegmentedControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor track = Style::color(palette(), Style::Tone::Primary);
    track.setAlphaF(0.06f);
    painter.setPen(QPen(Style::color(palette(), Style::Tone::ControlEdge), 1));
    painter.setBrush(track);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5 + kInset, -0.5, -0.5 - kInset), kSegmentRadius,
                            kSegmentRadius);
    // Hairlines between unselected neighbours, as on a joined control: a faint divider, not an edge.
    QColor divider = Style::color(palette(), Style::Tone::Primary);
    divider.setAlphaF(0.16f);
    painter.setPen(QPen(divider, 1));
    for (int i = 1; i < m_buttons.size(); ++i) {
        if (i == m_current || i - 1 == m_current)
            continue;
        const qreal x = m_buttons.at(i)->geometry().left() + 0.5;
        painter.drawLine(QPointF(x, 6 + kInset), QPointF(x, height() - 6 - kInset));
    }
}
