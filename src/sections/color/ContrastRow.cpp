#include "sections/color/ContrastRow.h"

#include "core/color/ColorSamplerService.h"
#include "sections/color/ColorSection.h"
#include "widgets/Layout.h"
#include "widgets/SymbolIcons.h"

#include <QActionGroup>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kLineHeight = Style::kMinimumTarget;
constexpr int kMarksHeight = 20;
constexpr int kSymbol = 10;
constexpr QSize kPreview(30, 18);

using ColorSamplerService::kBlack;
using ColorSamplerService::kWhite;

// A colour's face: filled, with a faint edge so that a colour of the window's own still shows its shape.
void paintColorFace(QPainter &painter, const QRectF &rect, qreal radius, const QString &hex, const QPalette &palette)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(ColorSamplerService::color(hex));
    painter.drawRoundedRect(rect, radius, radius);
    QColor edge = Style::color(palette, Style::Tone::Secondary);
    edge.setAlphaF(edge.alphaF() * 0.5f);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
}

QIcon colorIcon(const QString &hex, const QPalette &palette)
{
    QPixmap pixmap(QSize(32, 32));
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintColorFace(painter, QRectF(1, 1, 14, 14), 3, hex, palette);
    return QIcon(pixmap);
}

} // namespace

ContrastButton::ContrastButton(QWidget *parent) : HoverButton(parent)
{
    setAccessibleName(tr("Contrast"));
    becomeRow();
}

void ContrastButton::setColors(const QString &foreground, const QString &background)
{
    m_foreground = foreground;
    m_background = background;
    m_contrast = ColorSamplerService::contrast(foreground, background);
    setToolTip(tr("Copy ") + summary());
    // What the marks show by shape and colour, said in words.
    setAccessibleDescription(tr("%1 on %2, %3").arg(m_contrast.ratioText(), background, m_contrast.spokenMarks()));
    update();
}

QString ContrastButton::summary() const
{
    return ColorSamplerService::contrastSummary(m_foreground, m_background);
}

QSize ContrastButton::sizeHint() const
{
    return {150, kLineHeight};
}

void ContrastButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintRowFace(painter, 4);
    paintRowLabel(painter, tr("Contrast"), FormatRow::kLabelColumn);

    // The selected colour as text on the second one.
    const QRectF preview(4 + FormatRow::kLabelColumn, (height() - kPreview.height()) / 2.0, kPreview.width(),
                         kPreview.height());
    paintColorFace(painter, preview, 4, m_background, palette());
    QFont sample = Style::font(Style::TextStyle::Caption, QFont::Bold);
    sample.setPixelSize(12);
    painter.setFont(sample);
    painter.setPen(ColorSamplerService::color(m_foreground));
    painter.drawText(preview, Qt::AlignCenter, QStringLiteral("Aa"));

    painter.setFont(Style::monospace(11, QFont::DemiBold));
    painter.setPen(Style::color(palette(), Style::Tone::Primary));
    const int ratioLeft = int(preview.right()) + 8;
    painter.drawText(QRect(ratioLeft, 0, width() - ratioLeft, height()), Qt::AlignVCenter | Qt::AlignLeft,
                     m_contrast.ratioText());
}

ContrastMarks::ContrastMarks(ContrastButton *button, QWidget *parent) : QWidget(parent), m_button(button)
{
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(button, &HoverButton::hoverChanged, this, qOverload<>(&QWidget::update));
}

QSize ContrastMarks::sizeHint() const
{
    return {200, kMarksHeight};
}

void ContrastMarks::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_button->click();
}

void ContrastMarks::paintEvent(QPaintEvent *)
{
    using ColorSamplerService::ContrastLevel;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor primary = Style::color(palette(), Style::Tone::Primary);
    const QColor secondary = Style::color(palette(), Style::Tone::Secondary);
    const ColorSamplerService::Contrast contrast = m_button->contrast();
    // A tick or a cross and the level's name, so that colour is never the only difference.
    const QFont caption = Style::font(Style::TextStyle::Caption);
    const QFontMetrics metrics(caption);
    constexpr int kCopySymbol = 12;
    int needed = 0;
    for (ContrastLevel level : ColorSamplerService::contrastLevels())
        needed += kSymbol + 3 + metrics.horizontalAdvance(ColorSamplerService::levelName(level)) + 10;
    // Under the ratio where they fit, else from the row's left edge.
    int x = 4 + FormatRow::kLabelColumn + needed - 10 <= width() - kCopySymbol - 12 ? 4 + FormatRow::kLabelColumn : 4;
    painter.setFont(caption);
    const int middle = (height() - 4) / 2;
    for (ContrastLevel level : ColorSamplerService::contrastLevels()) {
        const bool passes = contrast.passes(level);
        const QColor tone = passes ? primary : secondary;
        SymbolIcons::paint(painter, QRectF(x, middle - kSymbol / 2.0, kSymbol, kSymbol),
                           passes ? QStringLiteral("checkmark.circle.fill") : QStringLiteral("xmark.circle.fill"),
                           tone);
        x += kSymbol + 3;
        const QString name = ColorSamplerService::levelName(level);
        painter.setPen(tone);
        painter.drawText(QRect(x, 0, metrics.horizontalAdvance(name) + 1, height() - 4),
                         Qt::AlignVCenter | Qt::AlignLeft, name);
        x += metrics.horizontalAdvance(name) + 10;
    }
    SymbolIcons::paint(painter, QRectF(width() - kCopySymbol - 4, middle - kCopySymbol / 2.0, kCopySymbol, kCopySymbol),
                       QStringLiteral("doc.on.clipboard"), m_button->isHovered() ? primary : secondary);
}

SecondColorButton::SecondColorButton(QWidget *parent) : HoverButton(parent), m_menu(new QMenu(this))
{
    setToolTip(tr("Check against white, black or a recent color; Ctrl-click a swatch to pick it here"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] {
        fillMenu();
        m_menu->popup(mapToGlobal(rect().bottomLeft()));
    });
}

void SecondColorButton::setChoice(const QString &hex, const std::optional<QString> &pinned, const QStringList &recents)
{
    m_hex = hex;
    m_pinned = pinned;
    m_recents = recents;
    // The visible "on #FFFFFF" is part of the name, so that voice control finds it by what it shows.
    setAccessibleName(tr("Contrast on %1").arg(hex));
    updateGeometry();
    update();
}

void SecondColorButton::fillMenu()
{
    // Filled as it opens, never while one of its own items is still being handled.
    m_menu->clear();
    auto *group = new QActionGroup(m_menu);
    bool checked = false;
    const auto add = [&](const QString &text, const std::optional<QString> &choice, const QIcon &icon = {}) {
        QAction *action = m_menu->addAction(icon, text);
        action->setCheckable(true);
        action->setActionGroup(group);
        // One tick, on the first entry that is the current choice.
        if (!checked && m_pinned == choice) {
            action->setChecked(true);
            checked = true;
        }
        // Queued: the choice rebuilds what the menu was filled from.
        connect(
            action, &QAction::triggered, this, [this, choice] { Q_EMIT chosen(choice); }, Qt::QueuedConnection);
    };
    add(tr("Previous Color"), std::nullopt);
    m_menu->addSeparator();
    add(tr("White"), kWhite, colorIcon(kWhite, palette()));
    add(tr("Black"), kBlack, colorIcon(kBlack, palette()));
    if (!m_recents.isEmpty())
        m_menu->addSection(tr("Recent"));
    for (const QString &recent : std::as_const(m_recents))
        add(recent, recent, colorIcon(recent, palette()));
}

QSize SecondColorButton::sizeHint() const
{
    const int on = QFontMetrics(Style::font(Style::TextStyle::Caption)).horizontalAdvance(tr("on"));
    const int hex = QFontMetrics(Style::monospace(10)).horizontalAdvance(m_hex.isEmpty() ? kWhite : m_hex);
    return {4 + on + 5 + 14 + 4 + hex + 4 + kSymbol + 4, kLineHeight};
}

void SecondColorButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintRowFace(painter, 4);
    const QColor secondary = Style::color(palette(), Style::Tone::Secondary);
    const QFont caption = Style::font(Style::TextStyle::Caption);
    painter.setFont(caption);
    painter.setPen(secondary);
    const int on = QFontMetrics(caption).horizontalAdvance(tr("on"));
    painter.drawText(QRect(4, 0, on + 1, height()), Qt::AlignVCenter | Qt::AlignLeft, tr("on"));
    int x = 4 + on + 5;
    paintColorFace(painter, QRectF(x, (height() - 14) / 2.0, 14, 14), 3, m_hex, palette());
    x += 14 + 4;
    painter.setFont(Style::monospace(10));
    painter.setPen(Style::color(palette(), Style::Tone::Primary));
    const int hex = QFontMetrics(painter.font()).horizontalAdvance(m_hex);
    painter.drawText(QRect(x, 0, hex + 1, height()), Qt::AlignVCenter | Qt::AlignLeft, m_hex);
    x += hex + 4;
    SymbolIcons::paint(painter, QRectF(x, (height() - kSymbol) / 2.0, kSymbol, kSymbol), QStringLiteral("chevron.down"),
                       secondary);
}

ContrastRow::ContrastRow(QWidget *parent)
    : QWidget(parent), m_button(new ContrastButton(this)), m_picker(new SecondColorButton(this)),
      m_marks(new ContrastMarks(m_button, this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ContrastRow::setColors(const QString &foreground, const QString &background, const std::optional<QString> &pinned,
                            const QStringList &recents)
{
    m_button->setColors(foreground, background);
    m_picker->setChoice(background, pinned, recents);
    m_marks->update();
    placePicker();
}

QSize ContrastRow::sizeHint() const
{
    return {m_button->sizeHint().width() + m_picker->sizeHint().width(), kLineHeight + kMarksHeight};
}

void ContrastRow::resizeEvent(QResizeEvent *)
{
    placePicker();
}

void ContrastRow::placePicker()
{
    const int picker = m_picker->sizeHint().width();
    m_button->setGeometry(0, 0, width() - picker, kLineHeight);
    m_picker->setGeometry(width() - picker, 0, picker, kLineHeight);
    m_marks->setGeometry(0, kLineHeight, width(), kMarksHeight);
}
