#include "panel/MenuPanelView.h"

#include "desktop/PanelPlacement.h"
#include "panel/TabStrip.h"
#include "sections/MainInput.h"
#include "sections/color/ColorSection.h"
#include "sections/glyphs/GlyphsSection.h"
#include "sections/icons/IconFinderSection.h"
#include "sections/placeholders/PlaceholderSection.h"
#include "sections/text/LoremSection.h"
#include "sections/textTools/TextToolsSection.h"
#include "widgets/BannerView.h"
#include "widgets/Layout.h"
#include "widgets/PlainButton.h"
#include "widgets/TileGrid.h"

#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kNarrowWidth = 300;
constexpr int kWideWidth = 460;
constexpr int kContentPadding = 12;
constexpr int kToastMs = 3000;
// A message that came while the panel was closed (a download that finished as the file manager took the
// focus) is shown for its full time on the next opening, unless it is older than this.
constexpr int kHeldToastMaxAgeMs = 60000;
constexpr int kFadeInMs = 220;

// A one-pixel rule in a faint tone of the text colour, as between the panel's three parts.
class Divider : public QWidget
{
public:
    explicit Divider(QWidget *parent) : QWidget(parent) { setFixedHeight(1); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QColor c = palette().color(QPalette::WindowText);
        c.setAlphaF(0.14f);
        painter.fillRect(rect(), c);
    }
};

} // namespace

namespace {

struct TabInfo {
    MenuPanelView::Tab tab;
    const char *raw;
    const char *title; // the button's tooltip and accessible name
    const char *icon;
};

// In strip order.
constexpr TabInfo kTabs[] = {
    {MenuPanelView::Tab::placeholders, "placeholders", QT_TRANSLATE_NOOP("MenuPanelView", "Placeholders"), "photo"},
    {MenuPanelView::Tab::color, "color", QT_TRANSLATE_NOOP("MenuPanelView", "Color"), "eyedropper"},
    {MenuPanelView::Tab::text, "text", QT_TRANSLATE_NOOP("MenuPanelView", "Text"), "text.alignleft"},
    {MenuPanelView::Tab::icons, "icons", QT_TRANSLATE_NOOP("MenuPanelView", "Icons"), "magnifyingglass"},
    {MenuPanelView::Tab::glyphs, "glyphs", QT_TRANSLATE_NOOP("MenuPanelView", "Glyphs"), "number"},
    {MenuPanelView::Tab::textTools, "textTools", QT_TRANSLATE_NOOP("MenuPanelView", "Text Tools"),
     "text.badge.checkmark"},
};

const TabInfo &info(MenuPanelView::Tab tab)
{
    for (const TabInfo &entry : kTabs) {
        if (entry.tab == tab)
            return entry;
    }
    Q_UNREACHABLE();
}

} // namespace

const QList<MenuPanelView::Tab> &MenuPanelView::allTabs()
{
    static const QList<Tab> tabs = [] {
        QList<Tab> list;
        for (const TabInfo &entry : kTabs)
            list.append(entry.tab);
        return list;
    }();
    return tabs;
}

QString MenuPanelView::rawValue(Tab tab)
{
    return QLatin1String(info(tab).raw);
}

std::optional<MenuPanelView::Tab> MenuPanelView::tabFromRawValue(const QString &raw)
{
    for (const TabInfo &entry : kTabs) {
        if (raw == QLatin1String(entry.raw))
            return entry.tab;
    }
    return std::nullopt;
}

QString MenuPanelView::title(Tab tab)
{
    return tr(info(tab).title);
}

QString MenuPanelView::icon(Tab tab)
{
    return QLatin1String(info(tab).icon);
}

int MenuPanelView::panelWidth(Tab tab)
{
    return tab == Tab::textTools ? kWideWidth : kNarrowWidth;
}

MenuPanelView::MenuPanelView(RecentColorsStore &recentColors, RecentGlyphsStore &recentGlyphs,
                             RecentIconsStore &recentIcons, QWidget *parent)
    : QWidget(parent), m_recentColors(recentColors), m_recentGlyphs(recentGlyphs), m_recentIcons(recentIcons),
      m_width(kPanelSpring, panelWidth(Tab::placeholders))
{
    setWindowTitle(QStringLiteral("Tessellon"));
    setAccessibleName(QStringLiteral("Tessellon"));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    QList<TabStrip::Item> items;
    for (Tab tab : allTabs())
        items.append({icon(tab), title(tab)});
    m_tabStrip = new TabStrip(items, this);
    connect(m_tabStrip, &TabStrip::currentIndexChanged, this, [this](int index) { selectTab(allTabs().at(index)); });
    column->addWidget(m_tabStrip);
    column->addWidget(new Divider(this));

    // The section shows whole; only on a screen too short for it does it scroll, so that the tabs, the
    // banner and Quit stay on screen.
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_content = new QWidget;
    m_content->setAutoFillBackground(false);
    m_contentLayout = new QVBoxLayout(m_content);
    m_contentLayout->setContentsMargins(kContentPadding, kContentPadding, kContentPadding, kContentPadding);
    m_contentLayout->setSpacing(0);
    m_scroll->setWidget(m_content);
    // The content's own changes of size reach the panel through here, as the scroll area keeps them.
    m_content->installEventFilter(this);
    column->addWidget(m_scroll);
    column->addWidget(new Divider(this));
    // The keyboard never goes where it cannot be seen.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && m_content->isAncestorOf(now))
            m_scroll->ensureWidgetVisible(now, 0, 8);
    });

    auto *footer = new QWidget(this);
    m_footer = footer;
    auto *footerColumn = new QVBoxLayout(footer);
    footerColumn->setContentsMargins(12, 8, 12, 8);
    footerColumn->setSpacing(6);
    m_banner = new BannerView(footer);
    m_banner->hide();
    footerColumn->addWidget(m_banner);
    auto *quitRow = new QHBoxLayout;
    quitRow->addStretch(1);
    auto *quit = new PlainButton(tr("Quit Tessellon"), Style::TextStyle::Caption, Style::Tone::Secondary, footer);
    connect(quit, &QAbstractButton::clicked, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    quitRow->addWidget(quit);
    footerColumn->addLayout(quitRow);
    column->addWidget(footer);

    m_toastTimer.setSingleShot(true);
    m_toastTimer.setInterval(kToastMs);
    // A coarse timer may fire up to 5 % early; the banner must stay the full 3 seconds.
    m_toastTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_toastTimer, &QTimer::timeout, this, [this] {
        m_toast.reset();
        m_banner->hide();
    });

    connect(&m_width, &SpringAnimation::valueChanged, this, [this] { fitHeight(); });

    showSection(m_selectedTab);
    fitHeight();
}

void MenuPanelView::selectTab(Tab tab)
{
    if (tab == m_selectedTab)
        return;
    m_selectedTab = tab;
    m_tabStrip->setCurrentIndex(int(allTabs().indexOf(tab)));
    showSection(tab);
    m_width.animateTo(panelWidth(tab));
}

QWidget *MenuPanelView::makeSection(Tab tab)
{
    // The callback holds the panel weakly, so work that outlives its section (a download finishing after
    // the user switched tabs) still reaches the banner, and reaches nothing once the panel is gone.
    Notify notify = [panel = QPointer<MenuPanelView>(this)](const QString &message) {
        if (panel)
            panel->notify(message);
    };
    switch (tab) {
    case Tab::placeholders:
        return new PlaceholderSection(notify);
    case Tab::color: {
        auto *section = new ColorSection(notify, m_recentColors, nullptr, ScreenColorPicker::pick, &m_picking);
        section->setBringBack([panel = QPointer<MenuPanelView>(this)] {
            if (panel)
                Q_EMIT panel->bringBackRequested();
        });
        return section;
    }
    case Tab::text:
        return new LoremSection(notify);
    case Tab::icons:
        return new IconFinderSection(notify, m_recentIcons);
    case Tab::glyphs:
        return new GlyphsSection(notify, m_recentGlyphs);
    case Tab::textTools:
        return new TextToolsSection(
            notify, [panel = QPointer<MenuPanelView>(this)](const QString &message, const BannerAction &action) {
                if (panel)
                    panel->notify(message, action);
            });
    }
    Q_UNREACHABLE();
}

void MenuPanelView::showSection(Tab tab)
{
    // The old section goes at once, with all its state; coming back builds a fresh one.
    if (m_section) {
        m_contentLayout->removeWidget(m_section);
        m_section->hide();
        m_section->deleteLater();
    }
    QWidget *section = makeSection(tab);
    section->setObjectName(rawValue(tab));
    m_section = section;
    m_contentLayout->addWidget(section);
    applyReadingOrder(this);

    auto *fade = new QGraphicsOpacityEffect(section);
    fade->setOpacity(0.0);
    section->setGraphicsEffect(fade);
    auto *animation = new QPropertyAnimation(fade, "opacity", section);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    animation->setDuration(kFadeInMs);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    // The effect renders the section off-screen; once faded in it is dropped so the section draws directly.
    connect(animation, &QPropertyAnimation::finished, section, [section] { section->setGraphicsEffect(nullptr); });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

// A section adds widgets whenever it likes (results, recent tiles, a custom size's fields), each at the end
// of the chain; the order is set anew before each Tab step, so it always follows what is shown.
bool MenuPanelView::focusNextPrevChild(bool next)
{
    applyReadingOrder(this);
    return QWidget::focusNextPrevChild(next);
}

void MenuPanelView::notify(const QString &message, const BannerAction &action)
{
    m_toast = message;
    m_banner->setMessage(message, action);
    m_banner->show();
    // Its time runs only while someone can read it.
    if (isVisible()) {
        m_toastTimer.start();
    } else {
        m_toastTimer.stop();
        m_heldToastAge.start();
    }
}

namespace {

int heightFor(const QLayout *layout, int width)
{
    const int forWidth = layout->totalHeightForWidth(width);
    return forWidth > 0 ? forWidth : layout->totalSizeHint().height();
}

} // namespace

int MenuPanelView::sectionHeight(int width) const
{
    const int section = heightFor(m_contentLayout, width);
    const QScreen *shownOn = screen();
    if (!shownOn)
        return section;
    // Short of the screen's free height by the margins a placed panel keeps off its edges.
    const int room = shownOn->availableGeometry().height() - 2 * kPanelScreenMargin - chromeHeight(width);
    // Too short a screen: the section scrolls, its text laid out beside the scroll bar.
    return std::min(section, std::max(room, 120));
}

int MenuPanelView::chromeHeight(int width) const
{
    // Tabs, two dividers and the footer.
    return m_tabStrip->sizeHint().height() + 2 + heightFor(m_footer->layout(), width);
}

int MenuPanelView::naturalHeight(int width) const
{
    return chromeHeight(width) + sectionHeight(width);
}

QSize MenuPanelView::sizeHint() const
{
    const int w = qRound(m_width.value());
    return {w, naturalHeight(w)};
}

void MenuPanelView::fitHeight()
{
    // Fixed, not merely resized: a window whose smallest and largest sizes agree is floated by tiling window
    // managers and compositors (sway, i3) instead of being stretched into a tile, and the window shown
    // without a tray cannot be dragged larger than its content.
    const QSize natural = sizeHint();
    // The section's share is set, not left to the layout, which would hand part of it to the footer.
    const int section = sectionHeight(natural.width());
    if (m_scroll->minimumHeight() != section || m_scroll->maximumHeight() != section)
        m_scroll->setFixedHeight(section);
    if (size() != natural || minimumSize() != natural || maximumSize() != natural)
        setFixedSize(natural);
}

bool MenuPanelView::event(QEvent *event)
{
    if (event->type() == QEvent::Show && m_toast && !m_toastTimer.isActive()) {
        if (m_heldToastAge.isValid() && m_heldToastAge.elapsed() < kHeldToastMaxAgeMs) {
            m_toastTimer.start();
        } else {
            m_toast.reset();
            m_banner->hide();
        }
    }
    const bool handled = QWidget::event(event);
    // The panel has no size of its own: it is the spring's width and whatever height the content needs then.
    if (event->type() == QEvent::LayoutRequest)
        fitHeight();
    return handled;
}

bool MenuPanelView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_content && event->type() == QEvent::LayoutRequest)
        fitHeight();
    return QWidget::eventFilter(watched, event);
}

void MenuPanelView::paintEvent(QPaintEvent *)
{
    // Without a window frame the panel's edge would vanish against a background of its own colour.
    if (!isWindow() || !(windowFlags() & Qt::FramelessWindowHint))
        return;
    QPainter painter(this);
    QColor edge = palette().color(QPalette::WindowText);
    edge.setAlphaF(0.22f);
    painter.setPen(edge);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MenuPanelView::focusMainInput()
{
    if (!m_section)
        return;
    QWidget *target = nullptr;
    for (QWidget *child : m_section->findChildren<QWidget *>()) {
        if (child->property(kMainInputProperty).toBool()) {
            target = child;
            break;
        }
    }
    for (QWidget *candidate : focusableInReadingOrder(m_section)) {
        if (target)
            break;
        // Relative to the section, which a change of tab has only just added (it shows a moment later).
        if ((candidate->focusPolicy() & Qt::TabFocus) && candidate->isVisibleTo(m_section) && candidate->isEnabled())
            target = candidate;
    }
    if (!target)
        return;
    target->setFocus(Qt::OtherFocusReason);
    // A section just added shows on the next turn of the event loop, and a widget not yet shown may not
    // keep the focus: give it again once it shows.
    if (!target->isVisible())
        QTimer::singleShot(0, target, [target] { target->setFocus(Qt::OtherFocusReason); });
}

void MenuPanelView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT dismissRequested();
        return;
    }
    // Ctrl+1 to Ctrl+6: the tabs in their order.
    const int index = event->key() - Qt::Key_1;
    if (event->modifiers() == Qt::ControlModifier && index >= 0 && index < allTabs().size()) {
        selectTab(allTabs()[index]);
        focusMainInput();
        return;
    }
    QWidget::keyPressEvent(event);
}
