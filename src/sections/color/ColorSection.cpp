#include "sections/color/ColorSection.h"

#include "core/color/ColorSamplerService.h"
#include "desktop/Desktop.h"
#include "net/ClipboardService.h"
#include "sections/color/ContrastRow.h"
#include "sections/color/PaletteView.h"
#include "widgets/HoverButton.h"
#include "widgets/Layout.h"
#include "widgets/PlainButton.h"
#include "widgets/Spinner.h"
#include "widgets/SymbolIcons.h"
#include "widgets/TileGrid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int kSwatchWidth = 44;
constexpr int kSwatchHeight = 28;
constexpr int kSwatchGap = 3;
// Room around a swatch's face for the selection ring (two pixels, one pixel off the face) and, outside
// it, the keyboard focus ring around the whole tile; these margins are the grid's spacing too.
constexpr int kSwatchMargin = 5;
constexpr int kFormatRowHeight = Style::kMinimumTarget;
// Longer than any colour anyone types; a stray paste of a whole document stops here.
constexpr int kColorFieldLength = 256;
using ColorSamplerService::kBlack;
using ColorSamplerService::kWhite;

} // namespace

ColorSwatch::ColorSwatch(const QString &hex, bool active, QWidget *parent)
    : QAbstractButton(parent), m_hex(hex), m_active(active)
{
    setToolTip(tr("Show formats for ") + hex);
    setAccessibleName(hex);
    setFont(Style::monospace(10));
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    m_delete = new QAction(tr("Delete"), this);
    addAction(m_delete);
    giveTileContextMenu(this);
    connect(m_delete, &QAction::triggered, this, [this] { Q_EMIT removeRequested(m_hex); });
    auto *remove = new HoverDeleteButton(this, tr("Remove ") + hex);
    remove->setFaceMargins(QMargins(kSwatchMargin, kSwatchMargin, kSwatchMargin, 0));
    connect(remove, &QAbstractButton::clicked, this, [this] { Q_EMIT removeRequested(m_hex); });
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    m_clickModifiers = event->modifiers();
    QAbstractButton::mouseReleaseEvent(event);
}

void ColorSwatch::keyPressEvent(QKeyEvent *event)
{
    m_clickModifiers = event->modifiers();
    QAbstractButton::keyPressEvent(event);
}

QSize ColorSwatch::sizeHint() const
{
    return {kSwatchWidth + 2 * kSwatchMargin,
            kSwatchMargin + kSwatchHeight + kSwatchGap + QFontMetrics(font()).height() + 2};
}

void ColorSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face(kSwatchMargin, kSwatchMargin, kSwatchWidth, kSwatchHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ColorSamplerService::color(m_hex));
    painter.drawRoundedRect(face, 5, 5);
    // A faint edge inside the face, so that a swatch of the window's own colour still shows its shape.
    QColor edge = Style::color(palette(), Style::Tone::Secondary);
    edge.setAlphaF(edge.alphaF() * 0.3f);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 4.5, 4.5);
    // The active swatch: a ring in the text colour one pixel off the face, which shows on any colour the
    // face may have, the accent's own included.
    if (m_active) {
        painter.setPen(QPen(Style::color(palette(), Style::Tone::Primary), 2));
        painter.drawRoundedRect(face.adjusted(-2, -2, 2, 2), 7, 7);
    }
    painter.setPen(Style::color(palette(), m_active ? Style::Tone::Primary : Style::Tone::Secondary));
    painter.drawText(QRect(0, kSwatchMargin + kSwatchHeight + kSwatchGap, width(),
                           height() - kSwatchMargin - kSwatchHeight - kSwatchGap),
                     Qt::AlignHCenter | Qt::AlignTop, m_hex);
    // The keyboard's place is the whole tile, face and hex, so it never looks like the selection.
    if (Style::showsFocusRing(this))
        Style::paintFocusRing(painter, rect(), 8, palette());
}

FormatRow::FormatRow(const QString &label, const QString &value, QWidget *parent, const QString &accessibleName)
    : HoverButton(parent), m_label(label), m_value(value)
{
    setToolTip(tr("Copy ") + value);
    setAccessibleName(accessibleName.isEmpty() ? label : accessibleName);
    setAccessibleDescription(toolTip());
    becomeRow();
}

QSize FormatRow::sizeHint() const
{
    return {200, kFormatRowHeight};
}

void FormatRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintRowFace(painter, 4);
    paintRowLabel(painter, m_label, kLabelColumn);
    painter.setFont(Style::monospace(10));
    painter.setPen(Style::color(palette(), Style::Tone::Primary));
    const int symbol = 12;
    const QRect valueRect(4 + kLabelColumn, 0, width() - kLabelColumn - symbol - 12, height());
    painter.drawText(valueRect, Qt::AlignVCenter | Qt::AlignLeft,
                     QFontMetrics(painter.font()).elidedText(m_value, Qt::ElideRight, valueRect.width()));
    SymbolIcons::paint(painter, QRectF(width() - symbol - 4, (height() - symbol) / 2.0, symbol, symbol),
                       QStringLiteral("doc.on.clipboard"), Style::color(palette(), Style::Tone::Secondary));
}

DisclosureButton::DisclosureButton(const QString &text, QWidget *parent) : HoverButton(parent)
{
    setText(text);
    setAccessibleName(text);
    setCheckable(true);
    becomeRow();
}

QSize DisclosureButton::sizeHint() const
{
    return {200, kFormatRowHeight};
}

void DisclosureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintRowFace(painter, 4);
    const QColor secondary = Style::color(palette(), Style::Tone::Secondary);
    const int symbol = 10;
    SymbolIcons::paint(painter, QRectF(4, (height() - symbol) / 2.0, symbol, symbol),
                       isChecked() ? QStringLiteral("chevron.down") : QStringLiteral("chevron.right"), secondary);
    painter.setFont(Style::font(Style::TextStyle::Caption, QFont::DemiBold));
    painter.setPen(secondary);
    painter.drawText(QRect(4 + symbol + 4, 0, width() - symbol - 12, height()), Qt::AlignVCenter | Qt::AlignLeft,
                     text());
}

ColorSection::ColorSection(Notify notify, RecentColorsStore &store, QWidget *parent, Picker picker, PickState *picking)
    : QWidget(parent), m_notify(std::move(notify)), m_store(store), m_picker(std::move(picker)),
      m_picking(picking ? picking : new PickState(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);

    auto *header = new QHBoxLayout;
    header->addWidget(sectionTitle(tr("Color Grabber"), QStringLiteral("eyedropper"), this));
    header->addStretch(1);
    auto *clear = new PlainButton(tr("Clear"), Style::TextStyle::Caption, Style::Tone::Link, this);
    clear->setToolTip(tr("Forget every recent color"));
    connect(clear, &QAbstractButton::clicked, this, [this] {
        m_store.clear();
        m_selectedHex.reset();
        rebuild();
    });
    m_clear = clear;
    header->addWidget(clear);
    layout->addLayout(header);

    m_pickButton = borderedButton(tr("Pick Color"), QStringLiteral("eyedropper.halffull"), ControlSize::Regular, this);
    connect(m_pickButton, &QPushButton::clicked, this, &ColorSection::pick);
    layout->addWidget(m_pickButton);
    m_pickSpinner = new Spinner(14, m_pickButton);
    m_pickSpinner->keepCentred();
    connect(m_picking, &PickState::changed, this, &ColorSection::showPicking);
    showPicking(m_picking->underWay());

    // A colour the user already has as text: typed, or pasted from a stylesheet or a design tool.
    auto *entry = new QHBoxLayout;
    entry->setSpacing(6);
    m_colorField = new QLineEdit(this);
    m_colorField->setPlaceholderText(tr("Type or paste a color"));
    m_colorField->setAccessibleName(tr("Color as text"));
    m_colorField->setToolTip(tr("Hex, rgb(), hsl(), oklch() or a CSS color name. Enter adds it to the recent "
                                "colors; Ctrl+V anywhere on this tab adds the color on the clipboard."));
    m_colorField->setMaxLength(kColorFieldLength);
    entry->addWidget(m_colorField, 1);
    m_addButton = borderedButton(tr("Add"), QString(), ControlSize::Regular, this);
    m_addButton->setToolTip(tr("Add the typed color to the recent colors"));
    m_addButton->setEnabled(false);
    entry->addWidget(m_addButton);
    layout->addLayout(entry);
    connect(m_colorField, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_addButton->setEnabled(!text.trimmed().isEmpty()); });
    connect(m_colorField, &QLineEdit::returnPressed, this, &ColorSection::addTyped);
    connect(m_addButton, &QPushButton::clicked, this, &ColorSection::addTyped);
    // The field takes its own Ctrl+V; anywhere else on the tab it adds what the clipboard holds.
    auto *paste = new QShortcut(QKeySequence::Paste, this);
    paste->setContext(Qt::WidgetWithChildrenShortcut);
    connect(paste, &QShortcut::activated, this, [this] {
        const QString text = QGuiApplication::clipboard()->text().trimmed();
        if (text.isEmpty())
            return;
        m_colorField->setText(text.left(kColorFieldLength));
        addTyped();
    });

    m_empty = new QLabel(tr("No colors sampled yet"), this);
    m_empty->setFont(Style::font(Style::TextStyle::Caption));
    Style::applyTone(m_empty, Style::Tone::Secondary);
    layout->addWidget(m_empty);

    m_contentLayout = new QVBoxLayout;
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(m_contentLayout);

    connect(&m_store, &RecentListStore::changed, this, &ColorSection::rebuild);
    rebuild();
}

ColorSection::~ColorSection() = default;

void ColorSection::showPicking(bool picking)
{
    showBusy(m_pickButton, m_pickSpinner, picking, tr("Pick Color"), QStringLiteral("eyedropper.halffull"));
}

std::optional<QString> ColorSection::activeHex() const
{
    if (m_selectedHex)
        return m_selectedHex;
    if (!m_store.colors().isEmpty())
        return m_store.colors().first();
    return std::nullopt;
}

void ColorSection::pick(bool showPanelAfter)
{
    // The pick belongs to the panel, not to this section: a tab switch or a reopened panel destroys the
    // section while the picker is up, and the colour must still be kept, copied and reported (the store and
    // the panel's notify outlive every section). Picking moves the focus to the picker, which hides the
    // tray panel; it comes back with the result. Until then the button shows that a pick is under way,
    // as a portal may take its time to show its picker.
    if (m_picking->underWay())
        return;
    const int pickId = m_picking->begin();
    const auto endPick = [picking = m_picking, pickId] {
        if (picking)
            picking->end(pickId);
    };
    QPointer<QWidget> panel = window();
    const bool panelWasShown = panel && panel->isVisible();
    QPointer<ColorSection> self(this);
    const Notify notify = m_notify;
    RecentColorsStore *store = &m_store;
    const std::function<void()> bringBack = m_bringBack;
    // Should the picker go without an answer (its panel destroyed), the button still comes back.
    const std::shared_ptr<void> busy(nullptr, [endPick](void *) { endPick(); });
    // A pick that began with the panel closed asks for it once the pick has its answer, never before.
    const auto reveal = [panel, bringBack, late = showPanelAfter && !panelWasShown] {
        if (late && panel && !panel->isVisible() && bringBack)
            bringBack();
    };
    m_picker(panel, [self, notify, store, panel, panelWasShown, bringBack, busy, endPick,
                     reveal](const ScreenColorPicker::PickResult &result) {
        endPick();
        if (result.outcome == ScreenColorPicker::PickResult::Outcome::abandoned) {
            // The user closed the panel meanwhile: say why on its next opening, but do not bring it back.
            notify(result.message);
            return;
        }
        if (panelWasShown && panel && !panel->isVisible() && bringBack)
            bringBack();
        switch (result.outcome) {
        case ScreenColorPicker::PickResult::Outcome::cancelled:
            return;
        case ScreenColorPicker::PickResult::Outcome::failed:
        case ScreenColorPicker::PickResult::Outcome::abandoned:
            notify(result.message);
            reveal();
            return;
        case ScreenColorPicker::PickResult::Outcome::picked:
            break;
        }
        // Stored first, so the new swatch is there, active, when its notations show.
        store->add(result.hex);
        if (self)
            self->select(result.hex);
        // The panel first: on Wayland the copy waits for the focus it brings back.
        reveal();
        ClipboardService::copyOnceFocused(result.hex, Desktop::copyFocus(), [notify, hex = result.hex](bool copied) {
            notify(copied ? tr("Picked & copied ") + hex
                          : tr("Picked %1, not copied: the desktop did not give "
                               "Tessellon the focus back")
                                .arg(hex));
        });
    });
}

void ColorSection::addTyped()
{
    const QString text = m_colorField->text();
    if (text.trimmed().isEmpty())
        return;
    const ColorSamplerService::ParsedColor parsed = ColorSamplerService::parseColor(text);
    if (!parsed.ok()) {
        // The text stays, to be mended.
        m_notify(parsed.problem);
        return;
    }
    // As a pick: stored first, so the new swatch is there, active, when its notations show. Nothing is
    // copied: the colour came from the user, and the clipboard may hold something they still need.
    m_store.add(parsed.hex);
    select(parsed.hex);
    m_colorField->clear();
    QStringList dropped;
    if (parsed.alpha && qRound(*parsed.alpha * 100) < 100)
        dropped.append(tr("alpha %1% dropped").arg(qRound(*parsed.alpha * 100)));
    if (parsed.clipped)
        dropped.append(tr("outside sRGB, clipped"));
    QString message = tr("Added ") + parsed.hex;
    if (!dropped.isEmpty())
        message += QStringLiteral(" (") + dropped.join(QStringLiteral("; ")) + u')';
    m_notify(message);
}

std::optional<QString> ColorSection::heldPin() const
{
    // A recent colour chosen to check against holds only while it is still among the recent colours.
    if (m_pinnedSecond &&
        (*m_pinnedSecond == kWhite || *m_pinnedSecond == kBlack || m_store.colors().contains(*m_pinnedSecond)))
        return m_pinnedSecond;
    return std::nullopt;
}

QString ColorSection::secondHex() const
{
    if (const std::optional<QString> pin = heldPin())
        return *pin;
    const QStringList colors = m_store.colors();
    // The colour picked before the active one: the pair one usually checks is the last two picks.
    const std::optional<QString> active = activeHex();
    const qsizetype at = active ? colors.indexOf(*active) : -1;
    if (at >= 0 && at + 1 < colors.size())
        return colors.at(at + 1);
    return kWhite;
}

void ColorSection::setSecond(const std::optional<QString> &hex)
{
    m_pinnedSecond = hex;
    showContrast();
}

void ColorSection::showContrast()
{
    const std::optional<QString> active = activeHex();
    if (!m_contrast || !active)
        return;
    m_contrast->setColors(*active, secondHex(), heldPin(), m_store.colors());
}

void ColorSection::select(const QString &hex)
{
    m_selectedHex = hex;
    rebuild();
}

void ColorSection::removeColor(const QString &hex)
{
    m_store.remove(hex);
    if (m_selectedHex == hex)
        m_selectedHex.reset();
    rebuild();
}

void ColorSection::rebuild()
{
    const QStringList colors = m_store.colors();
    // A selection the store no longer holds (cleared or dropped past ten) falls back to the newest.
    if (m_selectedHex && !colors.contains(*m_selectedHex))
        m_selectedHex.reset();
    m_clear->setVisible(!colors.isEmpty());
    m_empty->setVisible(colors.isEmpty());

    // The keyboard stays where it was: on the control of the same name in the new content.
    QString focusedName;
    const QWidget *focused = QApplication::focusWidget();
    if (m_content && focused && m_content->isAncestorOf(focused))
        focusedName = focused->accessibleName();

    // A fresh content widget each time, shown whole: the old one goes later, since the click that caused
    // this may still be running inside it.
    m_contrast = nullptr;
    if (m_content) {
        m_content->hide();
        m_content->deleteLater();
        m_content = nullptr;
    }
    const std::optional<QString> active = activeHex();
    if (colors.isEmpty() || !active)
        return;

    m_content = new QWidget(this);
    auto *column = new QVBoxLayout(m_content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);

    auto *grid = new QWidget(m_content);
    grid->setObjectName(QStringLiteral("recentColors"));
    auto *gridLayout = new AdaptiveGridLayout(kSwatchWidth + 2 * kSwatchMargin, 0, 0, grid);
    // Room above the first row for the delete buttons, which stick out past their swatch's corner.
    gridLayout->setContentsMargins(0, 2, 0, 0);
    for (const QString &hex : colors) {
        auto *swatch = new ColorSwatch(hex, hex == *active, grid);
        connect(swatch, &QAbstractButton::clicked, this, [this, swatch, hex] {
            if (swatch->clickModifiers() & Qt::ControlModifier)
                setSecond(hex);
            else
                select(hex);
        });
        connect(swatch, &ColorSwatch::removeRequested, this, &ColorSection::removeColor);
        gridLayout->addWidget(swatch);
    }
    makeTileGridNavigable(grid);
    column->addWidget(grid);

    auto *formats = new QVBoxLayout;
    formats->setSpacing(0);
    const QList<std::pair<QString, QString>> rows = {
        {QStringLiteral("HEX"), *active},
        {QStringLiteral("RGB"), ColorSamplerService::rgbString(*active)},
        {QStringLiteral("HSL"), ColorSamplerService::hslString(*active)},
        {QStringLiteral("SwiftUI"), ColorSamplerService::swiftUIString(*active)},
    };
    const auto addRow = [this](const QString &label, const QString &value, const QString &name, QVBoxLayout *rows,
                               QWidget *parent) {
        auto *row = new FormatRow(label, value, parent, name);
        connect(row, &QAbstractButton::clicked, this, [this, value] {
            ClipboardService::copy(value);
            m_notify(tr("Copied ") + value);
        });
        rows->addWidget(row);
    };
    for (const auto &[label, value] : rows)
        addRow(label, value, label, formats, m_content);

    // More notations, folded away until asked for; open or not lasts as long as the tab.
    auto *disclosure = new DisclosureButton(tr("More formats"), m_content);
    disclosure->setChecked(m_moreFormatsOpen);
    formats->addWidget(disclosure);
    auto *more = new QWidget(m_content);
    auto *moreRows = new QVBoxLayout(more);
    moreRows->setContentsMargins(0, 0, 0, 0);
    moreRows->setSpacing(0);
    using namespace ColorSamplerService;
    const struct {
        const char *label;
        const char *name; // for a screen reader, where the short label alone would be ambiguous
        QString value;
    } moreFormats[] = {
        {"OKLCH", "OKLCH", oklchString(*active)},
        {"rgb", QT_TR_NOOP("rgb, space-separated"), rgbSpaceString(*active)},
        {"hsl", QT_TR_NOOP("hsl, space-separated"), hslSpaceString(*active)},
        {"hex", QT_TR_NOOP("hex, lower case"), lowerHexString(*active)},
        {"No #", QT_TR_NOOP("hex without #"), bareHexString(*active)},
        {"Qt", QT_TR_NOOP("Qt QColor"), qColorString(*active)},
        {"Flutter", QT_TR_NOOP("Flutter Color"), flutterString(*active)},
        {"0x", QT_TR_NOOP("0x literal"), hexLiteralString(*active)},
    };
    for (const auto &format : moreFormats)
        addRow(QString::fromUtf8(format.label), format.value, tr(format.name), moreRows, more);
    more->setVisible(m_moreFormatsOpen);
    formats->addWidget(more);
    connect(disclosure, &QAbstractButton::toggled, this, [this, more](bool open) {
        m_moreFormatsOpen = open;
        more->setVisible(open);
    });
    column->addLayout(formats);

    m_contrast = new ContrastRow(m_content);
    connect(m_contrast->button(), &QAbstractButton::clicked, this, [this] {
        const QString summary = m_contrast->button()->summary();
        ClipboardService::copy(summary);
        m_notify(tr("Copied ") + summary);
    });
    connect(m_contrast->picker(), &SecondColorButton::chosen, this, &ColorSection::setSecond);
    showContrast();
    column->addWidget(m_contrast);
    column->addWidget(new PaletteView(*active, m_notify, m_content));

    m_contentLayout->addWidget(m_content);
    m_content->show();
    if (!focusedName.isEmpty()) {
        for (QWidget *widget : m_content->findChildren<QWidget *>()) {
            if (widget->accessibleName() == focusedName && widget->isVisibleTo(m_content)) {
                widget->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
}
