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
