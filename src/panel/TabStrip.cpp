#include "panel/TabStrip.h"

#include "widgets/Layout.h"
#include "widgets/SymbolIcons.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSymbolSize = 16;
constexpr int kVerticalPadding = 8;
constexpr int kButtonSpacing = 2;
constexpr int kStripPadding = 6;
constexpr qreal kSelectedScale = 1.18;
constexpr qreal kHighlightRadius = 7.0;
constexpr SpringCurve kSelectionSpring{0.45, 0.25};
constexpr int kBounceMs = 420;

// One quick squash and rebound that settles back at full size.
double bounceAt(double t)
{
    return 1.0 - 0.16 * std::sin(2.0 * M_PI * t) * (1.0 - t);
}

} // namespace

TabButton::TabButton(const QString &symbol, const QString &title, QWidget *parent)
    : QAbstractButton(parent), m_symbol(symbol), m_scale(kSelectionSpring, 1.0)
{
    setToolTip(title);
    setAccessibleName(title);
    // Checkable so that screen readers announce which tab is selected; the strip alone changes that state.
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);

    m_bounceAnimation.setStartValue(0.0);
    m_bounceAnimation.setEndValue(1.0);
    m_bounceAnimation.setDuration(kBounceMs);
    connect(&m_bounceAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant &t) {
        m_bounce = m_bounceAnimation.state() == QAbstractAnimation::Running ? bounceAt(t.toDouble()) : 1.0;
        update();
    });
    connect(&m_bounceAnimation, &QVariantAnimation::finished, this, [this] {
        m_bounce = 1.0;
        update();
    });
    connect(&m_scale, &SpringAnimation::valueChanged, this, qOverload<>(&QWidget::update));
}

void TabButton::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    setChecked(selected);
    // Growing springs; shrinking back is immediate.
    if (selected)
        m_scale.animateTo(kSelectedScale);
    else
        m_scale.jumpTo(1.0);
    m_bounceAnimation.stop();
    m_bounceAnimation.start();
    update();
}

QSize TabButton::sizeHint() const
{
    return {kSymbolSize + 2 * kVerticalPadding, kSymbolSize + 2 * kVerticalPadding};
}

QSize TabButton::minimumSizeHint() const
{
    return {kSymbolSize + 4, kSymbolSize + 2 * kVerticalPadding};
}

void TabButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = Style::color(palette(), m_selected ? Style::Tone::OnAccent : Style::Tone::Secondary);

    const QPointF centre = QRectF(rect()).center();
    painter.translate(centre);
    const double scale = symbolScale();
    painter.scale(scale, scale);
    const QRectF symbol(-kSymbolSize / 2.0, -kSymbolSize / 2.0, kSymbolSize, kSymbolSize);
    SymbolIcons::paint(painter, symbol, m_symbol, color);
    painter.resetTransform();

    if (Style::showsFocusRing(this))
        Style::paintFocusRing(painter, rect(), kHighlightRadius, palette());
}

TabStrip::TabStrip(const QList<Item> &items, QWidget *parent) : QWidget(parent), m_highlight(kPanelSpring, 0.0)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(kStripPadding, kStripPadding, kStripPadding, kStripPadding);
    layout->setSpacing(kButtonSpacing);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new TabButton(items[i].symbol, items[i].title, this);
        connect(button, &QAbstractButton::clicked, this, [this, i] { setCurrentIndex(i); });
        layout->addWidget(button, 1);
        m_buttons.append(button);
    }
    if (!m_buttons.isEmpty())
        m_buttons.first()->setSelected(true);
    connect(&m_highlight, &SpringAnimation::valueChanged, this, qOverload<>(&QWidget::update));
}

void TabStrip::setCurrentIndex(int index)
{
    if (index == m_current || index < 0 || index >= m_buttons.size())
        return;
    m_buttons[m_current]->setSelected(false);
    m_current = index;
    m_buttons[m_current]->setSelected(true);
    m_highlight.animateTo(index);
    Q_EMIT currentIndexChanged(index);
}

QRectF TabStrip::highlightRect() const
{
    if (m_buttons.isEmpty())
        return {};
    if (m_buttons.size() == 1)
        return m_buttons.first()->geometry();
    // Between the two buttons it is passing (or beyond the end pair, overshooting): the layout shares out
    // spare pixels, so the buttons are not all one width nor evenly spaced, and the highlight must come to
    // rest exactly behind each.
    const double at = m_highlight.value();
    const int lower = std::clamp(int(std::floor(at)), 0, int(m_buttons.size()) - 2);
    const QRectF from = m_buttons[lower]->geometry();
    const QRectF to = m_buttons[lower + 1]->geometry();
    const double t = at - lower;
    return QRectF(from.x() + (to.x() - from.x()) * t, from.y(), from.width() + (to.width() - from.width()) * t,
                  from.height());
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(highlightRect(), kHighlightRadius, kHighlightRadius);
    painter.fillPath(path, Style::color(palette(), Style::Tone::AccentFill));
}
