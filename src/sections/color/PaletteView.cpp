#include "sections/color/PaletteView.h"

#include "core/color/ColorSamplerService.h"
#include "net/ClipboardService.h"
#include "widgets/Layout.h"
#include "widgets/PlainButton.h"
#include "widgets/TileGrid.h"

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
    label->setFont(Style::font(Style::TextStyle::Caption, QFont::DemiBold));
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
    if (Style::showsFocusRing(this))
        Style::paintFocusRing(painter, area, m_roundLeft || m_roundRight ? kRadius : 2, palette());
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
    auto *css = new PlainButton(tr("Copy all (CSS)"), Style::TextStyle::Caption, Style::Tone::Link, this);
    css->setToolTip(tr("Copy the shades as CSS custom properties"));
    connect(css, &QAbstractButton::clicked, this, &PaletteView::copyCSS);
    header->addWidget(css);
    layout->addLayout(header);

    auto copyHex = [this](const QString &value) {
        ClipboardService::copy(value);
        m_notify(tr("Copied ") + value);
    };

    // Each row of swatches is a grid of its own: one Tab stop, walked with the arrow keys.
    auto *shadesRow = new QWidget(this);
    auto *strip = new QHBoxLayout(shadesRow);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(0);
    const QList<ColorSamplerService::PaletteEntry> shades = ColorSamplerService::shades(hex);
    for (qsizetype i = 0; i < shades.size(); ++i) {
        auto *swatch = new PaletteSwatch(shades[i].name, shades[i].hex, i == 0, i == shades.size() - 1, shadesRow);
        connect(swatch, &QAbstractButton::clicked, this, [copyHex, value = shades[i].hex] { copyHex(value); });
        strip->addWidget(swatch, 1);
    }
    makeTileGridNavigable(shadesRow);
    layout->addWidget(shadesRow);

    layout->addWidget(caption(tr("Harmony"), this));
    auto *harmonies = new QWidget(this);
    auto *harmonyRow = new QHBoxLayout(harmonies);
    harmonyRow->setContentsMargins(0, 0, 0, 0);
    harmonyRow->setSpacing(6);
    for (const ColorSamplerService::PaletteEntry &entry : ColorSamplerService::harmonies(hex)) {
        auto *swatch = new PaletteSwatch(entry.name, entry.hex, true, true, harmonies);
        connect(swatch, &QAbstractButton::clicked, this, [copyHex, value = entry.hex] { copyHex(value); });
        harmonyRow->addWidget(swatch, 1);
    }
    makeTileGridNavigable(harmonies);
    layout->addWidget(harmonies);
}

void PaletteView::copyCSS()
{
    ClipboardService::copy(ColorSamplerService::shadesCSS(m_hex));
    m_notify(tr("Copied shade ramp as CSS"));
}
