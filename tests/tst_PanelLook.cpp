#include "TestHome.h"
#include "TestMain.h"

#include <algorithm>

#include "Controls.h"
#include "IconifyFixture.h"
#include "desktop/portal/ColorSchemeFollower.h"
#include "net/Endpoints.h"
#include "panel/MenuPanelView.h"
#include "panel/TabStrip.h"
#include "sections/icons/IconCell.h"
#include "stores/RecentColorsStore.h"
#include "stores/RecentGlyphsStore.h"
#include "stores/RecentIconsStore.h"
#include "widgets/InsetBox.h"
#include "widgets/Layout.h"
#include "widgets/PanelStyle.h"
#include "widgets/SegmentedControl.h"
#include "widgets/Spring.h"

#include <functional>
#include <memory>

using Tab = MenuPanelView::Tab;
Q_DECLARE_METATYPE(MenuPanelView::Tab)

// The panel as people see it, read from its pixels: every text and every control's edge against what lies
// behind it (WCAG 2.x contrast), in light and dark, at the scale the test runs at (1x, and 2x from a second
// run); and the way the keyboard walks it.
namespace {

// The plain Fusion palette, whose accent (#308cc6) is paler than most desktops' and so the hardest case.
QPalette lightPalette()
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

QPalette darkPalette()
{
    return ColorSchemeFollower::darkPalette(lightPalette().color(QPalette::Highlight));
}

// What a reader sees of a part of the panel: its background (the colour most of its pixels have) and the
// pixel that stands out from it the most (the core of a stroke).
struct Reading {
    double ratio = 21;
    QColor background;
    QColor foreground;
};

// The pixel of `pixels` that stands out the most from `background`.
Reading strongest(const QList<QRgb> &pixels, QRgb background)
{
    Reading reading{1, QColor(background), {}};
    for (QRgb pixel : pixels) {
        if (const double ratio = Style::contrast(QColor(pixel), reading.background); ratio > reading.ratio)
            reading = {ratio, reading.background, QColor(pixel)};
    }
    return reading;
}

Reading read(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    }
    if (counts.isEmpty())
        return {};
    const auto most = std::max_element(counts.constKeyValueBegin(), counts.constKeyValueEnd(),
                                       [](const auto &a, const auto &b) { return a.second < b.second; });
    return strongest(counts.keys(), (*most).first);
}

// Along a short line into the widget across one of its edges: the most a pixel of the edge stands out from
// the pixel just outside it.
Reading readEdge(const QImage &image, const QPoint &outside, int across, Qt::Orientation direction)
{
    if (!image.rect().contains(outside))
        return {1, {}, {}};
    QList<QRgb> line;
    for (int step = 1; step <= across; ++step)
        line.append(image.pixel(outside + (direction == Qt::Horizontal ? QPoint(step, 0) : QPoint(0, step))));
    return strongest(line, image.pixel(outside));
}

// A field's own parts (its clear button) are read as the field.
bool isPartOfField(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget->parentWidget());
}

struct Check {
    QString what;
    Reading reading;
    double minimum;
};

QString describe(const QWidget *widget)
{
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    const auto *label = qobject_cast<const QLabel *>(widget);
    const QString name = !widget->accessibleName().isEmpty() ? widget->accessibleName()
                         : button                            ? button->text()
                         : label                             ? label->text()
                                                             : QString();
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(widget->metaObject()->className()), name.left(30));
}

// Every text and every control edge the panel shows, each with the contrast it needs: 4.5:1 for text, 3:1
// for a symbol standing alone and for a control's boundary.
QList<Check> measure(MenuPanelView *panel)
{
    QImage image = panel->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const auto pixels = [panel, scale](const QWidget *widget, const QRect &local) {
        const QRect r(widget->mapTo(panel, local.topLeft()), local.size());
        return QRect((QPointF(r.topLeft()) * scale).toPoint(), (QSizeF(r.size()) * scale).toSize());
    };
    QList<Check> checks;
    // The left edge, or the top one where a neighbour sits close on the left.
    const auto addEdge = [&](const QWidget *widget, const QString &name) {
        const QPoint left = pixels(widget, QRect(-2, widget->height() / 2, 1, 1)).topLeft();
        const QPoint top = pixels(widget, QRect(widget->width() / 2, -2, 1, 1)).topLeft();
        const Reading a = readEdge(image, left, int(5 * scale), Qt::Horizontal);
        const Reading b = readEdge(image, top, int(5 * scale), Qt::Vertical);
        checks.append({name + QStringLiteral(" edge"), a.ratio >= b.ratio ? a : b, 3.0});
    };
    // On a screen too short for the whole section it scrolls: each control is measured where it shows.
    QScrollArea *scroll = panel->scrollArea();
    const auto inView = [scroll](const QWidget *widget) {
        if (!scroll->viewport()->isAncestorOf(widget))
            return true;
        const QRect area(widget->mapTo(scroll->viewport(), QPoint(-3, -3)), widget->size() + QSize(6, 6));
        return scroll->viewport()->rect().contains(area);
    };
    for (QWidget *widget : panel->findChildren<QWidget *>()) {
        // Whatever is switched off, or shown faded as not applicable yet, need not stand out.
        if (!widget->isVisibleTo(panel) || widget->width() <= 2 || widget->height() <= 2 || !widget->isEnabled() ||
            widget->graphicsEffect() || isPartOfField(widget))
            continue;
        if (!inView(widget)) {
            scroll->ensureWidgetVisible(widget, 8, 8);
            QCoreApplication::processEvents();
            image = panel->grab().toImage();
            if (!inView(widget))
                continue;
        }
        const QString name = describe(widget);
        const char *type = widget->metaObject()->className();
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
            checks.append({name, read(image, pixels(label, label->contentsRect())), 4.5});
        } else if (auto *field = qobject_cast<QLineEdit *>(widget)) {
            // The text, or the placeholder in its place; the clear button is a symbol of its own.
            checks.append({name, read(image, pixels(field, field->rect().adjusted(4, 4, -24, -4))), 4.5});
            addEdge(field, name);
        } else if (qstrcmp(type, "TabButton") == 0) {
            checks.append({name, read(image, pixels(widget, widget->rect().adjusted(4, 4, -4, -4))), 3.0});
        } else if (qstrcmp(type, "ColorSwatch") == 0) {
            checks.append({name + QStringLiteral(" hex"),
                           read(image, pixels(widget, QRect(0, 36, widget->width(), widget->height() - 36))), 4.5});
        } else if (qstrcmp(type, "FormatRow") == 0) {
            checks.append({name, read(image, pixels(widget, QRect(4, 0, 46, widget->height()))), 4.5});
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            const bool symbolOnly = button->text().isEmpty();
            if (qstrcmp(type, "HoverDeleteButton") == 0 || qstrcmp(type, "PaletteSwatch") == 0 ||
                qstrcmp(type, "ColorSwatch") == 0 || qstrcmp(type, "IconCell") == 0)
                continue;
            checks.append(
                {name, read(image, pixels(button, button->rect().adjusted(2, 2, -2, -2))), symbolOnly ? 3.0 : 4.5});
            if (qobject_cast<QPushButton *>(button) || qobject_cast<QToolButton *>(button))
                addEdge(button, name);
        } else if (qobject_cast<QComboBox *>(widget)) {
            checks.append({name, read(image, pixels(widget, widget->rect().adjusted(4, 4, -24, -4))), 4.5});
            addEdge(widget, name);
        } else if (qobject_cast<SegmentedControl *>(widget) ||
                   (qobject_cast<InsetBox *>(widget) && qobject_cast<InsetBox *>(widget)->framesField())) {
            addEdge(widget, name);
        }
    }
    return checks;
}

void waitUntilSettled(MenuPanelView &panel, Tab tab)
{
    QTRY_VERIFY(panel.section() && !panel.section()->graphicsEffect());
    QTRY_COMPARE(panel.width(), MenuPanelView::panelWidth(tab));
    settle();
}

// Tab until the walk comes back where it started; each widget the focus visited, in order.
QList<QWidget *> tabWalk(QWidget *start)
{
    QList<QWidget *> visited{start};
    for (int step = 0; step < 200; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (!now || now == start)
            break;
        visited.append(now);
    }
    return visited;
}

// A grid's tiles, in order: its child buttons that take the focus (its delete buttons do not).
QList<QAbstractButton *> tilesOf(const QWidget *grid)
{
    QList<QAbstractButton *> tiles;
    for (auto *tile : grid->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly)) {
        if (tile->focusPolicy() != Qt::NoFocus && tile->isVisible())
            tiles.append(tile);
    }
    return tiles;
}

// A grid walked with the arrow keys: the parent of tiles that take the focus by click only.
bool isTileOfGrid(const QWidget *widget)
{
    return widget->property("tileNavigation").toBool();
}

// Inside a grid the arrow keys move by columns and rows, Home and End to its ends, Enter presses the tile,
// and the tile reached is the grid's Tab stop from then on.
void arrowKeys(QWidget *grid)
{
    // A grid rebuilt a moment ago (a pressed tile adds a recent item) takes its tiles in on the next turn.
    QTRY_VERIFY(std::ranges::all_of(tilesOf(grid), isTileOfGrid));
    const QList<QAbstractButton *> tiles = tilesOf(grid);
    if (tiles.size() < 2)
        return;
    // Which tiles share the first row.
    int columns = 0;
    while (columns < tiles.size() && tiles[columns]->y() == tiles[0]->y())
        ++columns;
    tiles[0]->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), tiles[0]);
    const auto press = [](Qt::Key key, QWidget *expected) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget(), expected);
    };
    press(Qt::Key_Right, tiles[1]);
    press(Qt::Key_Left, tiles[0]);
    press(Qt::Key_Left, tiles[0]); // stays at the edge
    if (columns < tiles.size()) {
        press(Qt::Key_Down, tiles[columns]);
        press(Qt::Key_Up, tiles[0]);
    }
    press(Qt::Key_End, tiles.last());
    press(Qt::Key_Home, tiles.first());
    press(Qt::Key_Right, tiles[1]);
    // Only the tile reached takes Tab: leaving the grid and coming back lands on it again.
    QCOMPARE(tiles[1]->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(tiles[0]->focusPolicy(), Qt::ClickFocus);
    QSignalSpy pressed(tiles[1], &QAbstractButton::clicked);
    const QString name = tiles[1]->accessibleName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(pressed.count(), 1);
    // A grid rebuilt by the press (a chosen colour) leaves the focus on the tile pressed.
    QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->accessibleName() == name);
}

} // namespace

class tst_PanelLook : public QObject
{
    Q_OBJECT

    RecentColorsStore m_colors;
    RecentGlyphsStore m_glyphs;
    RecentIconsStore m_icons;
    IconifyFixture m_iconify;

    void fillRecents()
    {
        m_colors.clear();
        for (const char *hex : {"#F2C14E", "#1A2B3C", "#FFFFFF", "#308CC6", "#262729", "#3F7CF0"})
            m_colors.add(QString::fromLatin1(hex));
        for (const char *glyph : {"\u2122", "\u20BF", "\u2713", "\u2014", "\u2192"})
            m_glyphs.add(QString::fromUtf8(glyph));
    }

    // Fills what the tab shows only once the user has given it something: search results, a text to work on.
    static void giveContent(MenuPanelView &panel)
    {
        if (auto *editor = panel.section()->findChild<QPlainTextEdit *>()) {
            editor->setPlainText(QStringLiteral("banana, ripe;\ncherry.\napple"));
            return;
        }
        if (panel.selectedTab() == Tab::icons)
            searchIcons(panel);
    }

    // The panel shown and active on the tab, at rest, with the tab's content when asked for.
    static void open(MenuPanelView &panel, Tab tab, bool withContent)
    {
        panel.show();
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        panel.selectTab(tab);
        waitUntilSettled(panel, tab);
        if (withContent)
            giveContent(panel);
    }

    static void searchIcons(MenuPanelView &panel)
    {
        auto *field = panel.section()->findChild<QLineEdit *>();
        QVERIFY(field);
        field->setText(QStringLiteral("arrow"));
        QTRY_VERIFY(panel.section()->findChildren<QAbstractButton *>().size() > 20);
        // The grid takes its new tiles in on the next turn; until then each would be a Tab stop of its own.
        QTRY_VERIFY(std::ranges::all_of(panel.section()->findChildren<IconCell *>(), isTileOfGrid));
    }

private Q_SLOTS:
    void initTestCase()
    {
        SpringAnimation::setSpeed(20);
        PanelStyle::install();
        Endpoints::overrideForTesting({{}, {}, {}, m_iconify.base()});
    }

    void init() { fillRecents(); }

    void contrast_data()
    {
        columns<Tab, bool, bool>("tab", "dark", "withContent");
        for (bool dark : {false, true}) {
            for (Tab tab : MenuPanelView::allTabs()) {
                const QString name =
                    MenuPanelView::rawValue(tab) + (dark ? QLatin1String(" dark") : QLatin1String(" light"));
                QTest::newRow(qPrintable(name)) << tab << dark << false;
            }
            QTest::newRow(dark ? "icons with results dark" : "icons with results light") << Tab::icons << dark << true;
            testRow(dark ? "textTools with text dark" : "textTools with text light", Tab::textTools, dark, true);
        }
    }

    // Texts at 4.5:1, symbols standing alone and control edges at 3:1, against what each lies on. Dark comes
    // live, to a panel made in light (its first tab and chrome must follow; the other tabs are made dark).
    void contrast()
    {
        auto [tab, dark, withContent] = fetch<Tab, bool, bool>("tab", "dark", "withContent");
        Style::setApplicationPalette(lightPalette());
        MenuPanelView panel(m_colors, m_glyphs, m_icons);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        if (dark)
            Style::setApplicationPalette(darkPalette());
        panel.selectTab(tab);
        panel.showMessage(QStringLiteral("Copied https://placehold.co/1920x1080.png"));
        waitUntilSettled(panel, tab);
        if (withContent)
            giveContent(panel);

        const QList<Check> checks = measure(&panel);
        QVERIFY(checks.size() > 5);
        QStringList failures;
        for (const Check &check : checks) {
            if (check.reading.ratio < check.minimum)
                failures.append(QStringLiteral("%1: %2:1 (%3 on %4), needs %5:1")
                                    .arg(check.what)
                                    .arg(check.reading.ratio, 0, 'f', 2)
                                    .arg(check.reading.foreground.name(), check.reading.background.name())
                                    .arg(check.minimum));
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    // Nothing a pointer aims at is under 24 px in either direction, no text is under 10 px, and a tooltip
    // says more than the label it hovers over.
    void targetsAndText()
    {
        for (Tab tab : MenuPanelView::allTabs()) {
            MenuPanelView panel(m_colors, m_glyphs, m_icons);
            panel.showMessage(QStringLiteral("Copied"));
            open(panel, tab, true);
            for (QWidget *widget : panel.findChildren<QWidget *>()) {
                if (!widget->isVisibleTo(&panel) || isPartOfField(widget))
                    continue;
                const QString name = MenuPanelView::rawValue(tab) + QLatin1Char(' ') + describe(widget);
                const QFont font = widget->font();
                const bool text = qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget) ||
                                  qobject_cast<QLineEdit *>(widget);
                QVERIFY2(!text || (font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96 / 72) >= 10,
                         qPrintable(name));
                const bool aimedAt = qobject_cast<QAbstractButton *>(widget) ||
                                     (widget->focusPolicy() != Qt::NoFocus &&
                                      (qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget)));
                QVERIFY2(!aimedAt || qMin(widget->width(), widget->height()) >= Style::kMinimumTarget,
                         qPrintable(QStringLiteral("%1: %2x%3").arg(name).arg(widget->width()).arg(widget->height())));
                if (auto *button = qobject_cast<QAbstractButton *>(widget); button && !button->text().isEmpty())
                    QVERIFY2(button->toolTip() != button->text(), qPrintable(name));
            }
        }
    }

    void keyboard_data()
    {
        columns<Tab, bool, int>("tab", "withContent", "grids");
        for (Tab tab : MenuPanelView::allTabs()) {
            // The tile grids each tab shows with recent items stored: the recent colours and the two
            // palette rows; the recent glyphs and the category's glyphs.
            const int grids = tab == Tab::color ? 3 : tab == Tab::glyphs ? 2 : 0;
            QTest::newRow(qPrintable(MenuPanelView::rawValue(tab))) << tab << false << grids;
        }
        QTest::newRow("icons with results") << Tab::icons << true << 1;
    }

    // Tab goes through the panel in reading order, enters each tile grid once and ends at Quit.
    void keyboard()
    {
        auto [tab, withContent, grids] = fetch<Tab, bool, int>("tab", "withContent", "grids");
        Style::setApplicationPalette(lightPalette());
        MenuPanelView panel(m_colors, m_glyphs, m_icons);
        open(panel, tab, withContent);
        QVERIFY(!QTest::currentTestFailed());

        QWidget *first = panel.tabStrip()->button(0);
        first->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        const QList<QWidget *> walk = tabWalk(first);
        QVERIFY2(walk.size() > 6, qPrintable(QString::number(walk.size())));

        // Quit is the last stop before the walk starts again.
        auto *quit = qobject_cast<QAbstractButton *>(walk.last());
        QVERIFY(quit);
        QCOMPARE(quit->text(), QStringLiteral("Quit Tessellon"));

        // Each stop lies below the one before, or beside it on its right.
        for (qsizetype i = 1; i < walk.size(); ++i) {
            const QRect before(walk[i - 1]->mapTo(&panel, QPoint(0, 0)), walk[i - 1]->size());
            const QRect after(walk[i]->mapTo(&panel, QPoint(0, 0)), walk[i]->size());
            const bool below = after.top() >= before.bottom() - 2;
            const bool besideRight = after.top() < before.bottom() && after.left() >= before.right() - 2;
            QVERIFY2(below || besideRight,
                     qPrintable(QStringLiteral("%1 after %2").arg(describe(walk[i]), describe(walk[i - 1]))));
        }

        // Every control that takes Tab is reached, and every stop has a name a screen reader (or a test)
        // finds it by.
        for (QWidget *stop : walk) {
            const auto *button = qobject_cast<QAbstractButton *>(stop);
            QVERIFY2(!stop->accessibleName().isEmpty() || (button && !button->text().isEmpty()),
                     qPrintable(describe(stop)));
        }
        for (QWidget *widget : panel.section()->findChildren<QWidget *>()) {
            // Tab enters a group of exclusive buttons at its checked one, and a grid at one tile.
            const auto *button = qobject_cast<QAbstractButton *>(widget);
            if ((button && button->autoExclusive() && !button->isChecked()) || isTileOfGrid(widget))
                continue;
            if (widget->isVisibleTo(&panel) && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
                !widget->focusProxy())
                QVERIFY2(walk.contains(widget), qPrintable(describe(widget)));
        }

        // One stop per tile grid, and inside it the arrow keys.
        QHash<QWidget *, int> stopsPerGrid;
        for (QWidget *stop : walk) {
            if (isTileOfGrid(stop))
                ++stopsPerGrid[stop->parentWidget()];
        }
        QCOMPARE(stopsPerGrid.size(), grids);
        QStringList named;
        for (auto it = stopsPerGrid.constBegin(); it != stopsPerGrid.constEnd(); ++it) {
            QCOMPARE(it.value(), 1);
            if (!it.key()->objectName().isEmpty())
                named.append(it.key()->objectName());
        }
        // A pressed tile may rebuild the grids (a chosen colour does): each is looked up afresh.
        for (const QString &name : std::as_const(named)) {
            if (auto *grid = panel.section()->findChild<QWidget *>(name))
                arrowKeys(grid);
        }
    }
};

TESSELLON_TEST(tst_PanelLook)
#include "tst_PanelLook.moc"
