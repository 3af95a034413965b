#include "sections/color/PaletteView.h"

#include "services/ClipboardService.h"
#include "services/ColorSamplerService.h"
#include "widgets/Layout.h"
#include "widgets/PlainButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

constexpr qreal kRadius = 5;

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = Style::font(Style::TextStyle::Caption, QFont::DemiBold);
    font.setPixelSize(9);
    label->setFont(font);
    Style::applyTone(label, Style::Tone::Secondary);
    return label;
}

} // namespace

PaletteSwatch::PaletteSwatch(const QString &name, const QString &hex, bool roundLeft, bool roundRight, QWidget *parent)
    : QAbstractButton(parent), m_hex(hex), m_roundLeft(roundLeft), m_roundRight(roundRight)
{
    const QString label = name + QStringLiteral(" \u2014 ") + hex;
    setToolTip(label);
    setAccessibleName(label);
    setFixedHeight(24);
    setMinimumWidth(8);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void PaletteSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    // Rounded only on the outer sides: the ramp reads as one strip.
    QPainterPath path;
    path.addRoundedRect(area, kRadius, kRadius);
    if (!m_roundLeft)
        path.addRect(area.adjusted(0, 0, -area.width() / 2, 0));
    if (!m_roundRight)
        path.addRect(area.adjusted(area.width() / 2, 0, 0, 0));
    path.setFillRule(Qt::WindingFill);
    painter.fillPath(path.simplified(), ColorSamplerService::color(m_hex));
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(Style::color(palette(), Style::Tone::Accent), 2));
        painter.drawRect(area.adjusted(1, 1, -1, -1));
    }
}

PaletteView::PaletteView(const QString &hex, Notify notify, QWidget *parent)
    : QWidget(parent), m_hex(hex), m_notify(std::move(notify))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(6);

    auto *header = new QHBoxLayout;
    header->addWidget(caption(tr("Shades"), this));
    header->addStretch(1);
    auto *css = new PlainButton(tr("Copy all (CSS)"), Style::TextStyle::Caption, Style::Tone::Accent, this);
    QFont cssFont = css->font();
    cssFont.setPixelSize(9);
    css->setFont(cssFont);
    css->setToolTip(tr("Copy the shades as CSS custom properties"));
    connect(css, &QAbstractButton::clicked, this, &PaletteView::copyCSS);
    header->addWidget(css);
    layout->addLayout(header);

    auto copyHex = [this](const QString &value) {
        ClipboardService::copy(value);
        m_notify(tr("Copied ") + value);
    };

    auto *strip = new QHBoxLayout;
    strip->setSpacing(0);
    const QList<ColorSamplerService::PaletteEntry> shades = ColorSamplerService::shades(hex);
    for (qsizetype i = 0; i < shades.size(); ++i) {
        auto *swatch = new PaletteSwatch(shades[i].name, shades[i].hex, i == 0, i == shades.size() - 1, this);
        connect(swatch, &QAbstractButton::clicked, this, [copyHex, value = shades[i].hex] { copyHex(value); });
        strip->addWidget(swatch, 1);
    }
    layout->addLayout(strip);

    layout->addWidget(caption(tr("Harmony"), this));
    auto *harmonyRow = new QHBoxLayout;
    harmonyRow->setSpacing(6);
    for (const ColorSamplerService::PaletteEntry &entry : ColorSamplerService::harmonies(hex)) {
        auto *swatch = new PaletteSwatch(entry.name, entry.hex, true, true, this);
        connect(swatch, &QAbstractButton::clicked, this, [copyHex, value = entry.hex] { copyHex(value); });
        harmonyRow->addWidget(swatch, 1);
    }
    layout->addLayout(harmonyRow);
}

void PaletteView::copyCSS()
{
    ClipboardService::copy(ColorSamplerService::shadesCSS(m_hex));
    m_notify(tr("Copied shade ramp as CSS"));
}
