#include "widgets/Layout.h"

#include "widgets/SymbolIcons.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace Style {

QFont font(TextStyle style, QFont::Weight weight)
{
    QFont f = QApplication::font();
    switch (style) {
    case TextStyle::Callout:
        f.setPixelSize(12);
        break;
    case TextStyle::Subheadline:
        f.setPixelSize(11);
        break;
    case TextStyle::Caption:
        f.setPixelSize(10);
        break;
    }
    f.setWeight(weight);
    return f;
}

QColor color(const QPalette &palette, Tone tone)
{
    QColor c = palette.color(QPalette::Active, QPalette::WindowText);
    switch (tone) {
    case Tone::Primary:
        break;
    case Tone::Secondary:
        c.setAlphaF(0.55f);
        break;
    case Tone::Tertiary:
        c.setAlphaF(0.30f);
        break;
    case Tone::Accent:
        c = palette.color(QPalette::Active, QPalette::Highlight);
        break;
    case Tone::OnAccent:
        c = palette.color(QPalette::Active, QPalette::HighlightedText);
        break;
    }
    return c;
}

namespace {

// Re-applies a tone whenever the palette changes (a light/dark switch), since a role set on a widget's own
// palette no longer follows the application's. Qt tells the widget by a PaletteChange (the roles it did not
// set were resolved anew); the tone's own change of palette comes back the same way, and stops there
// because the colour is already right.
class ToneKeeper : public QObject
{
public:
    ToneKeeper(QWidget *widget, Tone tone, QPalette::ColorRole role)
        : QObject(widget), m_widget(widget), m_tone(tone), m_role(role)
    {
        apply();
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget &&
            (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange))
            apply();
        return false;
    }

private:
    void apply()
    {
        const QColor c = color(QApplication::palette(m_widget), m_tone);
        QPalette palette = m_widget->palette();
        if (palette.color(QPalette::Active, m_role) == c && palette.isBrushSet(QPalette::Active, m_role))
            return;
        palette.setColor(QPalette::Active, m_role, c);
        palette.setColor(QPalette::Inactive, m_role, c);
        QColor disabled = c;
        disabled.setAlphaF(c.alphaF() * 0.5f);
        palette.setColor(QPalette::Disabled, m_role, disabled);
        m_widget->setPalette(palette);
    }

    QWidget *m_widget;
    Tone m_tone;
    QPalette::ColorRole m_role;
};

} // namespace

void applyTone(QWidget *widget, Tone tone, QPalette::ColorRole role)
{
    for (ToneKeeper *old : widget->findChildren<ToneKeeper *>(Qt::FindDirectChildrenOnly))
        delete old;
    new ToneKeeper(widget, tone, role);
}

} // namespace Style

QString capitalised(const QString &text)
{
    return text.isEmpty() ? text : text.at(0).toUpper() + text.mid(1);
}

QWidget *sectionTitle(const QString &title, const QString &systemImage, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    auto *symbol = new SymbolView(systemImage, Style::Tone::Primary, 13, row);
    auto *label = new QLabel(title, row);
    label->setFont(Style::font(Style::TextStyle::Subheadline, QFont::DemiBold));
    layout->addWidget(symbol);
    layout->addWidget(label);
    layout->addStretch(1);
    return row;
}

QWidget *fieldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(Style::font(Style::TextStyle::Caption));
    Style::applyTone(label, Style::Tone::Secondary);
    return label;
}

QPushButton *borderedButton(const QString &text, const QString &symbol, ControlSize size, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    if (!symbol.isEmpty()) {
        button->setIcon(SymbolIcons::icon(symbol));
        button->setIconSize(QSize(14, 14));
    }
    button->setFont(Style::font(Style::TextStyle::Callout));
    button->setMinimumHeight(size == ControlSize::Large ? 30 : 24);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    return button;
}

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
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(Style::color(palette(), Style::Tone::Accent), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), radius, radius);
    }
    painter.restore();
}

void HoverButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
    Q_EMIT hoverChanged(false);
}

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
