#include "TestHome.h"
#include "TestMain.h"

#include "panel/MenuPanelView.h"
#include "panel/TabStrip.h"
#include "stores/RecentColorsStore.h"
#include "stores/RecentGlyphsStore.h"
#include "stores/RecentIconsStore.h"
#include "widgets/BannerView.h"
#include "widgets/PlainButton.h"
#include "widgets/Spring.h"

using Tab = MenuPanelView::Tab;
Q_DECLARE_METATYPE(MenuPanelView::Tab)

namespace {

void notify(MenuPanelView &panel, const QString &message)
{
    QVERIFY(QMetaObject::invokeMethod(&panel, "notify", Q_ARG(QString, message)));
}

BannerView *banner(const MenuPanelView &panel)
{
    return panel.findChild<BannerView *>();
}

QStringList labelTexts(const QWidget *widget)
{
    QStringList texts;
    for (const QLabel *label : widget->findChildren<QLabel *>())
        texts.append(label->text());
    return texts;
}

} // namespace

class tst_MenuPanelView : public QObject
{
    Q_OBJECT

    RecentColorsStore m_colors;
    RecentGlyphsStore m_glyphs;
    RecentIconsStore m_icons;

private Q_SLOTS:
    // The springs' motion is not what these tests look at: where they come to rest is.
    void initTestCase() { SpringAnimation::setSpeed(20); }

    void tabs_data()
    {
        columns<Tab, QString, int>("tab", "heading", "width");
        testRow("placeholders", Tab::placeholders, "Instant Placeholders", 300);
        testRow("color", Tab::color, "Color Grabber", 300);
        testRow("text", Tab::text, "Lorem Ipsum", 300);
        testRow("icons", Tab::icons, "Icon Finder", 300);
        testRow("glyphs", Tab::glyphs, "Glyphs", 300);
        testRow("textTools", Tab::textTools, "Text Tools", 460);
    }

    // Each tab from a fresh panel: its button's names, the section a click builds, the width.
    void tabs()
    {
        auto [tab, heading, width] = fetch<Tab, QString, int>("tab", "heading", "width");
        const int index = int(MenuPanelView::allTabs().indexOf(tab));
        const QString title = MenuPanelView::title(tab);
        QCOMPARE(MenuPanelView::tabFromRawValue(QString::fromLatin1(QTest::currentDataTag())), std::optional<Tab>(tab));

        MenuPanelView panel(m_colors, m_glyphs, m_icons);
        panel.show();
        QCOMPARE(panel.selectedTab(), Tab::placeholders);
        QCOMPARE(panel.width(), 300);
        QVERIFY(!panel.toast());
        QVERIFY(!banner(panel)->isVisible());

        TabButton *button = panel.tabStrip()->button(index);
        QCOMPARE(button->toolTip(), title);
        QCOMPARE(button->accessibleName(), title);

        QPointer<QWidget> before = panel.section();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(panel.selectedTab(), tab);
        QVERIFY(labelTexts(panel.section()).contains(heading));
        for (int i = 0; i < MenuPanelView::allTabs().size(); ++i) {
            QCOMPARE(panel.tabStrip()->button(i)->isSelected(), i == index);
            QCOMPARE(panel.tabStrip()->button(i)->isChecked(), i == index); // what a screen reader is told
        }

        if (tab == Tab::placeholders) {
            QCOMPARE(panel.section(), before.data()); // a click on the selected tab changes nothing
        } else {
            QVERIFY(panel.section() != before.data());
            QTRY_VERIFY(before.isNull()); // the old section and its state are gone
        }
        QTRY_COMPARE(panel.width(), width);
        // Its size is its content's and no other: tiling window managers float such a window, and the
        // window shown without a tray cannot be stretched into empty space.
        QCOMPARE(panel.minimumSize(), panel.size());
        QCOMPARE(panel.maximumSize(), panel.size());
        // The highlight comes to rest behind the selected button, which has grown to 1.18.
        QTRY_COMPARE(panel.tabStrip()->highlightRect(), QRectF(button->geometry()));
        QTRY_COMPARE(button->symbolScale(), 1.18);
        QCOMPARE(panel.section()->width(), width - 24);
    }

    // One run covers replacement, the restart of the hide timer, the height change and the empty message,
    // on a shortened interval (the 3 seconds themselves are a constant).
    void bannerShowsTheLatestMessageUntilItsIntervalEnds()
    {
        constexpr int kInterval = 300;
        MenuPanelView panel(m_colors, m_glyphs, m_icons);
        panel.setToastInterval(kInterval);
        panel.show();
        const int plainHeight = panel.height();

        QElapsedTimer clock;
        clock.start();
        notify(panel, QStringLiteral("Copied first"));
        QCOMPARE(panel.toast(), std::optional<QString>(QStringLiteral("Copied first")));
        QVERIFY(banner(panel)->isVisible());
        QTRY_VERIFY(panel.height() > plainHeight);
        const int oneLineHeight = panel.height();

        QTRY_VERIFY(clock.elapsed() >= kInterval / 2);
        QVERIFY(panel.toast());
        // Names from the network or a settings file reach the banner: markup in them stays text.
        const QString markup = QStringLiteral("Saved <b>icon</b>&amp;.svg to Downloads");
        notify(panel, markup);
        QElapsedTimer sinceSecond;
        sinceSecond.start();
        QCOMPARE(banner(panel)->shownText(), markup);
        QCOMPARE(banner(panel)->findChild<QLabel *>()->textFormat(), Qt::PlainText);

        // The first message's time ends while the second is still up; it must neither hide the banner
        // early nor come back.
        QTRY_VERIFY(!panel.toast());
        QVERIFY2(sinceSecond.elapsed() >= kInterval, "hidden before the interval after the latest message");
        QVERIFY(!banner(panel)->isVisible());
        QTRY_COMPARE(panel.height(), plainHeight);

        notify(panel, QString());
        QCOMPARE(panel.toast(), std::optional<QString>(QString()));
        QVERIFY(banner(panel)->isVisible());
        QCOMPARE(banner(panel)->shownText(), QString());
        QTRY_COMPARE(panel.height(), oneLineHeight);

        notify(panel,
               QStringLiteral("Download failed — ") + QStringLiteral("The network connection was lost. ").repeated(8));
        QTRY_VERIFY(panel.height() > oneLineHeight);
        // Two lines at most, cut with an ellipsis, each within the banner: a sentence, one unbreakable word,
        // line feeds of its own.
        for (const QString &message :
             {QString(), QStringLiteral("Copied data:image/svg+xml;base64,") + QStringLiteral("PHN2Zz4=").repeated(40),
              QStringLiteral("one\ntwo\nthree")}) {
            if (!message.isEmpty())
                notify(panel, message);
            const QString shown = banner(panel)->shownText();
            QCOMPARE(shown.count(QLatin1Char('\n')), 1);
            QCOMPARE(shown.endsWith(QChar(0x2026)), !message.contains(u'\n'));
            const QLabel *label = banner(panel)->findChild<QLabel *>();
            for (const QString &line : shown.split(QLatin1Char('\n')))
                QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(line) <= label->contentsRect().width(),
                         qPrintable(line));
        }
    }

    // An operation's Undo in the banner takes it back once; a hand edit or another tab withdraws it.
    void bannerUndo()
    {
        MenuPanelView panel(m_colors, m_glyphs, m_icons);
        panel.show();
        panel.selectTab(Tab::textTools);
        auto *editor = panel.section()->findChild<QPlainTextEdit *>();
        for (const bool byHand : {false, true}) {
            editor->setPlainText(QStringLiteral("file10\nfile2"));
            QVERIFY(QMetaObject::invokeMethod(panel.section()->findChild<QMenu *>()->actions().first(), "trigger"));
            QTRY_COMPARE(panel.toast(), std::optional<QString>(QStringLiteral("Sorted 2 lines")));
            QAbstractButton *undo = banner(panel)->actionButton();
            QVERIFY(undo && undo->isVisible() && undo->accessibleName() == QStringLiteral("Undo"));
            if (byHand) {
                editor->insertPlainText(QStringLiteral("x"));
                QVERIFY(!banner(panel)->actionButton());
                continue;
            }
            QTest::mouseClick(undo, Qt::LeftButton);
            QCOMPARE(editor->toPlainText(), QStringLiteral("file10\nfile2"));
            QVERIFY(!banner(panel)->actionButton());
        }
        QVERIFY(QMetaObject::invokeMethod(panel.section()->findChild<QMenu *>()->actions().first(), "trigger"));
        QTRY_VERIFY(banner(panel)->actionButton());
        panel.selectTab(Tab::glyphs);
        QTRY_VERIFY(!banner(panel)->actionButton());
    }

    // A message that comes while the panel is closed (the file manager took the focus after a download) is
    // there for its full time when the panel next opens.
    void aMessageWhileClosedWaitsForTheNextOpening()
    {
        constexpr int kInterval = 200;
        MenuPanelView panel(m_colors, m_glyphs, m_icons);
        panel.setToastInterval(kInterval);
        notify(panel, QStringLiteral("Saved photo.png to Downloads"));
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY(clock.elapsed() > 2 * kInterval);
        QVERIFY(panel.toast());
        panel.show();
        QVERIFY(banner(panel)->isVisible());
        QCOMPARE(banner(panel)->shownText(), QStringLiteral("Saved photo.png to Downloads"));
        QTRY_VERIFY(!banner(panel)->isVisible());
        panel.hide();
        panel.show();
        QVERIFY(!banner(panel)->isVisible()); // shown once, not at every opening
    }

    // The colour tab with ten colours and every notation unfolded is taller than this 600-pixel screen: the
    // panel stops short of the screen's edge, the section scrolls, and wherever the keyboard goes shows.
    void aShortScreenScrollsTheSection()
    {
        const auto forget = qScopeGuard([this] { m_colors.clear(); });
        for (int i = 0; i < 10; ++i)
            m_colors.add(QStringLiteral("#%1%1%1").arg(i * 20 + 10, 2, 16, QLatin1Char('0')).toUpper());
        MenuPanelView panel(m_colors, m_glyphs, m_icons);
        panel.show();
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        QVERIFY(!panel.scrollArea()->verticalScrollBar()->isVisible());
        panel.selectTab(Tab::color);
        QCoreApplication::processEvents();
        QAbstractButton *more = nullptr;
        for (QAbstractButton *button : panel.section()->findChildren<QAbstractButton *>()) {
            if (button->accessibleName() == QLatin1String("More formats"))
                more = button;
        }
        QVERIFY(more);
        more->click();
        const int room = panel.screen()->availableGeometry().height() - 8;
        QTRY_VERIFY(panel.scrollArea()->verticalScrollBar()->isVisible());
        QCOMPARE(panel.height(), room);

        QWidget *viewport = panel.scrollArea()->viewport();
        panel.tabStrip()->button(0)->setFocus(Qt::TabFocusReason);
        int inSection = 0;
        for (int step = 0; step < 100; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focused = QApplication::focusWidget();
            if (focused == panel.tabStrip()->button(0))
                break;
            if (!panel.section()->isAncestorOf(focused))
                continue;
            ++inSection;
            const QRect shown(focused->mapTo(viewport, QPoint(0, 0)), focused->size());
            QVERIFY2(viewport->rect().contains(shown), qPrintable(focused->accessibleName()));
        }
        QVERIFY(inSection > 20);

        // Not only Tab: a shortcut that puts the focus on the tab's first control brings it into view too.
        panel.scrollArea()->verticalScrollBar()->setValue(panel.scrollArea()->verticalScrollBar()->maximum());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_2, Qt::ControlModifier);
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(panel.section()->isAncestorOf(focused));
        QVERIFY(viewport->rect().contains(QRect(focused->mapTo(viewport, QPoint(0, 0)), focused->size())));
    }

    // Ctrl+1 to Ctrl+6 switch tabs from wherever the focus is, and the tab's main input takes the focus:
    // the search field, the editor, or else the first control.
    void ctrlDigitsSwitchTabsAndFocusTheMainInput_data()
    {
        // focus: accessible name, or the text of a button
        columns<int, QString>("digit", "focus");
        QTest::newRow("1 placeholders") << 1 << "Placeholder"; // the selected source segment
        QTest::newRow("2 color") << 2 << "Pick Color";
        QTest::newRow("3 text") << 3 << "Words"; // the selected unit segment
        QTest::newRow("4 icons") << 4 << "Search icons";
        QTest::newRow("5 glyphs") << 5 << "Search glyphs";
        QTest::newRow("6 text tools") << 6 << "Text";
    }

    void ctrlDigitsSwitchTabsAndFocusTheMainInput()
    {
        auto [digit, focus] = fetch<int, QString>("digit", "focus");
        MenuPanelView panel(m_colors, m_glyphs, m_icons);
        panel.show();
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        panel.selectTab(digit == 6 ? Tab::placeholders : Tab::textTools);
        panel.focusMainInput();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_0 + digit), Qt::ControlModifier);
        QCOMPARE(panel.selectedTab(), MenuPanelView::allTabs()[digit - 1]);
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused && panel.section()->isAncestorOf(focused));
        const auto *button = qobject_cast<QAbstractButton *>(focused);
        QCOMPARE(focused->accessibleName().isEmpty() && button ? button->text() : focused->accessibleName(), focus);
    }
};

TESSELLON_TEST(tst_MenuPanelView)
#include "tst_MenuPanelView.moc"
