// Renders the panel on every tab, light and dark, into PNG files for the README.
// Usage: tessellon_screenshots OUTPUT_DIR   (run offscreen; QT_SCALE_FACTOR=2 gives 2x images)

#include "desktop/portal/ColorSchemeFollower.h"
#include "net/Endpoints.h"
#include "panel/MenuPanelView.h"
#include "sections/color/ContrastRow.h"
#include "sections/textTools/TextToolsEditor.h"
#include "stores/RecentColorsStore.h"
#include "stores/RecentGlyphsStore.h"
#include "stores/RecentIconsStore.h"
#include "widgets/Layout.h"
#include "widgets/PanelStyle.h"
#include "widgets/SegmentedControl.h"
#include <QMenu>

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>

#include "IconifyFixture.h"

#include <functional>
#include <memory>

namespace {

QPalette lightPalette()
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p = fusion->standardPalette();
    p.setColor(QPalette::Highlight, Style::brandAccent());
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}

// Lets every spring, bounce and fade come to rest.
void settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 2200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

using Tab = MenuPanelView::Tab;

// One picture: a tab, optionally with recent items stored before the panel opens and with the section
// driven through its widgets afterwards.
struct Scene {
    QString name;
    Tab tab;
    std::function<void(RecentColorsStore &, RecentGlyphsStore &)> before = {};
    std::function<void(QWidget *)> after = {};
    // A tile whose context menu shows in the picture, as the Menu key opens it.
    std::function<QWidget *(QWidget *)> menuOn = {};
};

// The panel with whatever menu is open over it, the menu drawn where it shows on the screen.
QImage shoot(QWidget *panel)
{
    QWidget *menu = QApplication::activePopupWidget();
    const QPixmap base = panel->grab();
    if (!menu)
        return base.toImage();
    const QRect panelRect(panel->mapToGlobal(QPoint(0, 0)), panel->size());
    const QRect menuRect(menu->mapToGlobal(QPoint(0, 0)), menu->size());
    const QRect all = panelRect.united(menuRect);
    const qreal scale = base.devicePixelRatio();
    QImage image((QSizeF(all.size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawPixmap(panelRect.topLeft() - all.topLeft(), base);
    painter.drawPixmap(menuRect.topLeft() - all.topLeft(), menu->grab());
    return image;
}

void clickNamed(QWidget *section, const QString &name)
{
    for (QAbstractButton *button : section->findChildren<QAbstractButton *>()) {
        if (button->accessibleName() == name || button->text() == name) {
            button->click();
            return;
        }
    }
}

// Lets the event loop run until `ready` (search results arrive late), ten seconds at most.
void waitFor(const std::function<bool()> &ready)
{
    QElapsedTimer timer;
    timer.start();
    while (!ready() && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Until a button of that name has appeared.
void waitForNamed(QWidget *section, const QString &name)
{
    waitFor([section, &name] {
        const auto buttons = section->findChildren<QAbstractButton *>();
        return std::any_of(buttons.begin(), buttons.end(),
                           [&name](QAbstractButton *b) { return b->accessibleName() == name; });
    });
}

// The pointer over a widget, as far as the widget can tell: its hover look and its delete button.
void hover(QWidget *widget)
{
    const QPointF at = QRectF(widget->rect()).center();
    QEnterEvent enter(at, widget->mapTo(widget->window(), at), widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &enter);
}

// The keyboard's focus on a widget, ringed as after a Tab.
void keyboardFocus(QWidget *widget)
{
    widget->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    widget->setFocus(Qt::TabFocusReason);
}

// The n-th focusable tile of a grid (by its object name).
QWidget *tile(QWidget *section, const char *grid, int n)
{
    auto *gridWidget = section->findChild<QWidget *>(QLatin1String(grid));
    if (!gridWidget)
        return nullptr;
    QList<QWidget *> tiles;
    for (QAbstractButton *button : gridWidget->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
        if (button->focusPolicy() != Qt::NoFocus && !button->isHidden())
            tiles.append(button);
    }
    return tiles.value(n);
}

void type(QWidget *section, const QString &text)
{
    if (auto *field = section->findChild<QLineEdit *>())
        field->setText(text);
}

QList<Scene> scenes()
{
    QList<Scene> list;
    for (Tab tab : MenuPanelView::allTabs())
        list.append({MenuPanelView::rawValue(tab), tab});
    list.append({QStringLiteral("placeholders-custom"), Tab::placeholders, {}, [](QWidget *s) {
                     clickNamed(s, QStringLiteral("Custom"));
                     for (QLineEdit *field : s->findChildren<QLineEdit *>()) {
                         if (field->accessibleName() == QLatin1String("Width"))
                             field->setText(QStringLiteral("1280"));
                         else if (field->accessibleName() == QLatin1String("Height"))
                             field->setText(QStringLiteral("720"));
                     }
                 }});
    list.append({QStringLiteral("color-recents"), Tab::color, [](RecentColorsStore &c, RecentGlyphsStore &) {
                     for (const char *hex : {"#F2C14E", "#1A2B3C", "#E4572E", "#76B041", "#17BEBB", "#3F7CF0"})
                         c.add(QString::fromLatin1(hex));
                 }});
    list.append({QStringLiteral("textTools-text"), Tab::textTools, {}, [](QWidget *s) {
                     if (auto *editor = s->findChild<QPlainTextEdit *>())
                         editor->setPlainText(QStringLiteral("banana, ripe;\ncherry.\napple\n\nbanana, ripe;\n"
                                                             "Apple   pie  \ndate"));
                     type(s, QStringLiteral(",;."));
                 }});
    // The further operations' menu, over a text and its counts.
    list.append({QStringLiteral("textTools-more"), Tab::textTools, {}, [](QWidget *s) {
                     if (auto *editor = s->findChild<QPlainTextEdit *>())
                         editor->setPlainText(QStringLiteral("report-10.txt\nreport-2.txt\nReport-1.txt\n"
                                                             "\u201Cnotes\u201D\u00A0final.md"));
                     QCoreApplication::processEvents();
                     clickNamed(s, QStringLiteral("More"));
                 }});
    // A log joined into one line of 209,000 characters: shown folded, counted as the one line it is.
    list.append({QStringLiteral("textTools-long-line"), Tab::textTools, {}, [](QWidget *s) {
                     QStringList words;
                     for (int i = 0; i < 20000; ++i)
                         words.append(QStringLiteral("word%1").arg(i));
                     auto *editor = s->findChild<TextToolsEditor *>();
                     editor->setText(words.join(QStringLiteral(", ")) + QStringLiteral("\nnext line"), false);
                     while (editor->isFilling())
                         QCoreApplication::processEvents();
                 }});
    // A further operation done, with Undo in the banner.
    list.append({QStringLiteral("textTools-undo"), Tab::textTools, {}, [](QWidget *s) {
                     if (auto *editor = s->findChild<QPlainTextEdit *>())
                         editor->setPlainText(QStringLiteral("report-10.txt\nreport-2.txt\nReport-1.txt\nnotes.md"));
                     if (auto *menu = s->findChild<QMenu *>())
                         menu->actions().first()->trigger();
                 }});
    list.append({QStringLiteral("placeholders-avatar"), Tab::placeholders, {}, [](QWidget *s) {
                     clickNamed(s, QStringLiteral("Avatar"));
                 }});
    list.append(
        {QStringLiteral("glyphs-search"), Tab::glyphs, {}, [](QWidget *s) { type(s, QStringLiteral("quote")); }});
    list.append({QStringLiteral("glyphs-all-characters"), Tab::glyphs, {}, [](QWidget *s) {
                     type(s, QStringLiteral("space"));
                 }});
    list.append({QStringLiteral("glyphs-currency"), Tab::glyphs, {}, [](QWidget *s) {
                     if (auto *picker = s->findChild<SegmentedControl *>())
                         picker->button(5)->click();
                 }});
    // The icon finder against the fixture server that answers from a few real icon sets.
    list.append(
        {QStringLiteral("icons-results"), Tab::icons, {}, [](QWidget *s) { type(s, QStringLiteral("arrow")); }});
    list.append({QStringLiteral("icons-copied"), Tab::icons, {}, [](QWidget *s) {
                     type(s, QStringLiteral("home"));
                     clickNamed(s, QStringLiteral("Data URI"));
                     waitForNamed(s, QStringLiteral("mdi:home"));
                     clickNamed(s, QStringLiteral("mdi:home"));
                 }});
    // A search within one set (the chips come from the reply), and the next page of results.
    list.append({QStringLiteral("icons-set"), Tab::icons, {}, [](QWidget *s) {
                     type(s, QStringLiteral("arrow"));
                     waitForNamed(s, QStringLiteral("lucide:arrow-down"));
                     for (auto *chips : s->findChildren<SegmentedControl *>()) {
                         if (chips->accessibleName() == QLatin1String("Icon set") && chips->count() > 2)
                             chips->button(2)->click();
                     }
                     waitFor([s] {
                         const QWidget *first = tile(s, "iconGrid", 0);
                         return first && !first->accessibleName().startsWith(QLatin1String("lucide:"));
                     });
                 }});
    list.append({QStringLiteral("icons-more"), Tab::icons, {}, [](QWidget *s) {
                     type(s, QStringLiteral("arrow"));
                     waitForNamed(s, QStringLiteral("lucide:arrow-down"));
                     clickNamed(s, QStringLiteral("Show more"));
                     waitFor([s] { return tile(s, "iconGrid", 48) != nullptr; });
                     if (auto *area = s->findChild<QScrollArea *>(QStringLiteral("iconResults")))
                         area->ensureWidgetVisible(tile(s, "iconGrid", 55), 0, 0);
                 }});
    // Icons copied earlier wait above the hint, to be had again without a search.
    list.append({QStringLiteral("icons-recent"), Tab::icons, {}, [](QWidget *s) {
                     for (const char *search : {"house", "home", "arrow down"}) {
                         type(s, QString());
                         settle();
                         type(s, QString::fromLatin1(search));
                         waitFor([s] { return tile(s, "iconGrid", 0) != nullptr; });
                         const QString name = tile(s, "iconGrid", 0)->accessibleName();
                         static_cast<QAbstractButton *>(tile(s, "iconGrid", 0))->click();
                         waitFor([s, name] {
                             const QWidget *recent = tile(s, "recentIcons", 0);
                             return recent && recent->accessibleName() == name;
                         });
                     }
                     type(s, QString());
                 }});
    list.append({QStringLiteral("glyphs-recents"), Tab::glyphs, [](RecentColorsStore &, RecentGlyphsStore &g) {
                     for (const char *glyph : {"\u2122", "\u20BF", "\u2713", "\u2014", "\u2192"})
                         g.add(QString::fromUtf8(glyph));
                 }});
    // Hover, keyboard focus and selection side by side: the delete button, the focus ring, the active ring.
    const auto recentColors = [](RecentColorsStore &c, RecentGlyphsStore &) {
        for (const char *hex : {"#F2C14E", "#1A2B3C", "#E4572E", "#76B041", "#17BEBB", "#3F7CF0"})
            c.add(QString::fromLatin1(hex));
    };
    list.append({QStringLiteral("color-hover-focus"), Tab::color, recentColors, [](QWidget *s) {
                     QCoreApplication::processEvents();
                     if (QWidget *t = tile(s, "recentColors", 2))
                         keyboardFocus(t);
                     if (QWidget *t = tile(s, "recentColors", 1))
                         hover(t);
                 }});
    // The colour tab's extras: every notation unfolded, the contrast against the previous colour; the
    // choice of the second colour; a colour typed in.
    list.append({QStringLiteral("color-more"), Tab::color, recentColors, [](QWidget *s) {
                     clickNamed(s, QStringLiteral("More formats"));
                     if (auto *picker = s->findChild<SecondColorButton *>()) {
                         settle();
                         picker->click();
                         for (QAction *action : picker->menu()->actions()) {
                             if (action->text() == QLatin1String("White"))
                                 action->trigger();
                         }
                         picker->menu()->close();
                     }
                 }});
    list.append({QStringLiteral("color-contrast-menu"), Tab::color, recentColors, [](QWidget *s) {
                     settle();
                     for (QAbstractButton *button : s->findChildren<QAbstractButton *>()) {
                         if (button->accessibleName().startsWith(QLatin1String("Contrast on")))
                             button->click();
                     }
                 }});
    list.append({QStringLiteral("glyphs-hover-focus"), Tab::glyphs,
                 [](RecentColorsStore &, RecentGlyphsStore &g) {
                     for (const char *glyph : {"\u2122", "\u20BF", "\u2713", "\u2014", "\u2192"})
                         g.add(QString::fromUtf8(glyph));
                 },
                 [](QWidget *s) {
                     QCoreApplication::processEvents();
                     if (QWidget *t = tile(s, "glyphGrid", 3))
                         keyboardFocus(t);
                     if (QWidget *t = tile(s, "recentGlyphs", 1))
                         hover(t);
                 }});
    // The tiles' menus: a recent glyph's forms and its removal, an icon's forms.
    list.append({QStringLiteral("glyphs-menu"),
                 Tab::glyphs,
                 [](RecentColorsStore &, RecentGlyphsStore &g) {
                     for (const char *glyph : {"\u2122", "\u20BF", "\u2713"})
                         g.add(QString::fromUtf8(glyph));
                 },
                 {},
                 [](QWidget *s) { return tile(s, "recentGlyphs", 1); }});
    list.append({QStringLiteral("icons-menu"),
                 Tab::icons,
                 {},
                 [](QWidget *s) {
                     type(s, QStringLiteral("home"));
                     waitForNamed(s, QStringLiteral("mdi:home"));
                 },
                 [](QWidget *s) { return tile(s, "iconGrid", 1); }});
    list.append({QStringLiteral("text-focus"), Tab::text, {}, [](QWidget *s) {
                     for (QAbstractButton *button : s->findChildren<QAbstractButton *>()) {
                         if (button->accessibleName() == QLatin1String("Increase count"))
                             keyboardFocus(button);
                     }
                 }});
    list.append({QStringLiteral("placeholders-focus"), Tab::placeholders, {}, [](QWidget *s) {
                     for (QAbstractButton *button : s->findChildren<QAbstractButton *>()) {
                         if (button->text() == QLatin1String("Copy URL"))
                             keyboardFocus(button);
                     }
                 }});
    return list;
}

} // namespace

int main(int argc, char *argv[])
{
    // A throw-away home, so the shots never show (or change) the user's own recent items.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    // Off screen, on a screen tall enough for every tab at its full height (the default one is 800 by 600,
    // where the longest tabs would scroll).
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    QFile screens(home.filePath(QStringLiteral("screens.json")));
    if (platform.isEmpty() || platform == QLatin1String("offscreen")) {
        if (screens.open(QIODevice::WriteOnly))
            screens.write(R"({"screens": [{"name": "shots", "x": 0, "y": 0, "width": 2560, "height": 3200,
                                            "logicalDpi": 96, "dpr": 1}]})");
        screens.close();
        qputenv("QT_QPA_PLATFORM", (QStringLiteral("offscreen:configfile=") + screens.fileName()).toLocal8Bit());
    }

    QApplication app(argc, argv);
    PanelStyle::install();
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(outDir);

    IconifyFixture iconify;
    Endpoints::overrideForTesting({{}, {}, {}, iconify.base()});

    RecentColorsStore colors;
    RecentGlyphsStore glyphs;
    RecentIconsStore icons;
    QTextStream out(stdout);

    const QList<std::pair<QString, QPalette>> themes = {{QStringLiteral("light"), lightPalette()},
                                                        {QStringLiteral("dark"), ColorSchemeFollower::darkPalette()}};
    for (const auto &[themeName, palette] : themes) {
        Style::setApplicationPalette(palette);
        for (const Scene &scene : scenes()) {
            if (scene.before)
                scene.before(colors, glyphs);
            MenuPanelView panel(colors, glyphs, icons);
            panel.show();
            panel.activateWindow();
            if (scene.tab != MenuPanelView::Tab::placeholders) {
                settle();
                panel.selectTab(scene.tab);
            }
            if (scene.after)
                scene.after(panel.section());
            settle();
            if (scene.menuOn) {
                if (QWidget *tileWidget = scene.menuOn(panel.section())) {
                    const QPoint at = tileWidget->rect().center();
                    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, tileWidget->mapToGlobal(at));
                    QApplication::sendEvent(tileWidget, &event);
                    settle();
                }
            }
            const QString file = QStringLiteral("%1/panel-%2-%3.png").arg(outDir, scene.name, themeName);
            shoot(&panel).save(file);
            if (QWidget *menu = QApplication::activePopupWidget())
                menu->close();
            out << file << Qt::endl;
            colors.clear();
            for (const QString &glyph : QStringList(glyphs.glyphs()))
                glyphs.remove(glyph);
            for (const QString &icon : QStringList(icons.icons()))
                icons.remove(icon);
        }
        MenuPanelView panel(colors, glyphs, icons);
        panel.show();
        QMetaObject::invokeMethod(&panel, "notify",
                                  Q_ARG(QString, QStringLiteral("Copied https://placehold.co/1920x1080.png")));
        settle();
        const QString file = QStringLiteral("%1/panel-banner-%2.png").arg(outDir, themeName);
        panel.grab().save(file);
        out << file << Qt::endl;
    }
    return 0;
}
