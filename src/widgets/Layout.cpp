#include "widgets/Layout.h"

#include "core/color/ColorSamplerService.h"
#include "widgets/SymbolIcons.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>

#include <algorithm>
#include <cmath>

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

namespace {

// What the tones aim at, a little above the thresholds they must meet (4.5:1 for text, 3:1 for edges and
// rings), so that rounding to 8-bit channels cannot land just below. Small text aims higher still: its
// anti-aliased strokes reach the text colour only at their core, and thin ones never quite do.
constexpr double kTextTarget = 4.7;
constexpr double kSmallTextTarget = 5.6;
constexpr double kEdgeTarget = 3.2;

} // namespace

QFont monospace(int pixelSize, QFont::Weight weight)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QColor mix(const QColor &from, const QColor &to, double t)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                            float(from.greenF() + (to.greenF() - from.greenF()) * t),
                            float(from.blueF() + (to.blueF() - from.blueF()) * t));
}

namespace {

// A translucent colour as it shows, drawn over the background.
QColor over(const QColor &foreground, const QColor &background)
{
    return mix(background, foreground, foreground.alphaF());
}

} // namespace

double contrast(const QColor &foreground, const QColor &background)
{
    return ColorSamplerService::contrastRatio(over(foreground, background), background);
}

QColor withContrast(const QColor &foreground, const QColor &background, double minimum)
{
    const QColor start = over(foreground, background);
    const QColor target =
        contrast(Qt::black, background) >= contrast(Qt::white, background) ? QColor(Qt::black) : QColor(Qt::white);
    // Small steps keep the hue as far as it can be kept: the result is the nearest colour that reads.
    constexpr int kSteps = 64;
    for (int step = 0; step <= kSteps; ++step) {
        const QColor candidate = mix(start, target, double(step) / kSteps);
        if (contrast(candidate, background) >= minimum)
            return candidate;
    }
    return target;
}

QColor color(const QPalette &palette, Tone tone)
{
    const QColor text = palette.color(QPalette::Active, QPalette::WindowText);
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    const QColor accent = palette.color(QPalette::Active, QPalette::Highlight);
    QColor c = text;
    switch (tone) {
    case Tone::Primary:
        break;
    case Tone::Secondary:
        // 55 %, or darker (lighter on dark) as far as small text needs: anti-aliasing leaves the strokes of
        // 10-pixel text paler than their colour, so the colour itself aims above 4.5:1.
        c.setAlphaF(0.55f);
        if (contrast(c, window) < kSmallTextTarget)
            c = withContrast(c, window, kSmallTextTarget);
        break;
    case Tone::Tertiary:
        c.setAlphaF(0.30f);
        break;
    case Tone::Accent:
        c = accent;
        break;
    case Tone::OnAccent:
        c = palette.color(QPalette::Active, QPalette::HighlightedText);
        break;
    case Tone::AccentFill:
        c = withContrast(accent, palette.color(QPalette::Active, QPalette::HighlightedText), kTextTarget);
        break;
    case Tone::Link:
        c = withContrast(palette.color(QPalette::Active, QPalette::Link), window, kSmallTextTarget);
        break;
    case Tone::FocusRing:
        c = withContrast(accent, window, kEdgeTarget);
        break;
    case Tone::ControlEdge: {
        QColor faint = text;
        faint.setAlphaF(0.35f);
        c = withContrast(faint, window, kEdgeTarget);
        const QColor field = palette.color(QPalette::Active, QPalette::Base);
        if (contrast(c, field) < kEdgeTarget)
            c = withContrast(c, field, kEdgeTarget);
        break;
    }
    }
    return c;
}

QPalette readablePalette(const QPalette &palette)
{
    QPalette p = palette;
    const QColor window = p.color(QPalette::Active, QPalette::Window);
    const QColor text = p.color(QPalette::Active, QPalette::WindowText);
    // The style's own tooltips are a yellow of their own; the panel's read as part of it.
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor field = p.color(group, QPalette::Base);
        p.setColor(group, QPalette::PlaceholderText,
                   withContrast(p.color(group, QPalette::PlaceholderText), field, 4.5));
        p.setColor(group, QPalette::Link, withContrast(p.color(group, QPalette::Link), window, 4.5));
    }
    return p;
}

void setApplicationPalette(const QPalette &palette)
{
    const QPalette readable = readablePalette(palette);
    QApplication::setPalette(readable);
    QToolTip::setPalette(readable);
}

void paintFocusRing(QPainter &painter, const QRectF &rect, qreal radius, const QPalette &palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color(palette, Tone::FocusRing), 2));
    painter.drawRoundedRect(rect.adjusted(1, 1, -1, -1), qMax<qreal>(0, radius - 1), qMax<qreal>(0, radius - 1));
    // A hairline of the window's colour inside the ring keeps it apart from any fill it lies on (a swatch of
    // the accent's own blue, the selected segment).
    painter.setPen(QPen(palette.color(QPalette::Active, QPalette::Window), 1));
    painter.drawRoundedRect(rect.adjusted(2.5, 2.5, -2.5, -2.5), qMax<qreal>(0, radius - 2.5),
                            qMax<qreal>(0, radius - 2.5));
    painter.restore();
}

bool showsFocusRing(const QWidget *widget)
{
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
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

QString readableCount(qint64 number)
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return locale.toString(number);
}

QString countedText(qint64 number, const QString &one, const QString &many)
{
    return number == 1 ? one : many.arg(readableCount(number));
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
