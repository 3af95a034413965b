#include "TestHome.h"
#include "TestMain.h"

#include "picking/LoupeOverlay.h"
#include "picking/LoupePicker.h"

namespace {

// A window of two known colours side by side, for the loupe to find on the screen.
class TwoColours : public QWidget
{
public:
    TwoColours() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::BypassWindowManagerHint) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(0, 0, width() / 2, height(), QColor(0x12, 0xAB, 0x34));
        painter.fillRect(width() / 2, 0, width() - width() / 2, height(), QColor(0xE4, 0x57, 0x2E));
    }
};

} // namespace

// Runs under Xvfb, once at scale 1 and once at scale 2 (QT_SCALE_FACTOR), where every logical pixel is two
// device pixels: a pick one logical pixel either side of the boundary must still name the right colour.
class tst_LoupePicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picksWhatIsUnderThePointer_data()
    {
        // owner: "kept", or "destroyed" while the overlays are up
        columns<int, QString, bool, QString>("x", "hex", "cancel", "owner");
        QTest::newRow("last pixel of the left half") << 199 << "#12AB34" << false << "kept";
        QTest::newRow("first pixel of the right half") << 200 << "#E4572E" << false << "kept";
        QTest::newRow("Escape cancels") << 150 << "" << true << "kept";
        QTest::newRow("the owner goes first") << 150 << "" << false << "destroyed";
    }

    void picksWhatIsUnderThePointer()
    {
        auto [x, hex, cancel, owner] = fetch<int, QString, bool, QString>("x", "hex", "cancel", "owner");
        QVERIFY(LoupePicker::isAvailable());

        TwoColours target;
        target.setGeometry(100, 100, 200, 120); // the boundary at x = 200 on the screen
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        // The grab must see the painted window, not an empty one.
        QTRY_COMPARE(QGuiApplication::primaryScreen()->grabWindow(0, 150, 150, 1, 1).toImage().pixelColor(0, 0),
                     QColor(0x12, 0xAB, 0x34));

        auto overlayShown = [] {
            const QWindowList windows = QGuiApplication::topLevelWindows();
            return std::any_of(windows.begin(), windows.end(),
                               [](QWindow *w) { return qobject_cast<LoupeOverlay *>(w); });
        };
        auto *context = new QObject(this);
        QList<ScreenColorPicker::PickResult> results;
        LoupePicker *picker = LoupePicker::start(
            context, [&results](const ScreenColorPicker::PickResult &pick) { results.append(pick); });
        QList<QWindow *> overlays = picker->overlays();
        QCOMPARE(overlays.size(), QGuiApplication::screens().size());
        QWindow *overlay = overlays.first();
        QVERIFY(QTest::qWaitForWindowExposed(overlay));
        const QPoint onScreen(x, 150);
        const QPoint inOverlay = overlay->mapFromGlobal(onScreen);
        if (owner == QLatin1String("destroyed")) {
            // Frozen overlays left on top would take every click on the desktop.
            delete context;
            QTRY_VERIFY(!overlayShown());
            QCOMPARE(results.size(), 0);
            return;
        }
        if (cancel) {
            QTest::mouseMove(overlay, inOverlay);
            QTest::keyClick(overlay, Qt::Key_Escape);
        } else {
            QTest::mouseClick(overlay, Qt::LeftButton, {}, inOverlay);
        }
        QTRY_COMPARE(results.size(), 1);
        QCOMPARE(results.first().outcome, cancel ? ScreenColorPicker::PickResult::Outcome::cancelled
                                                 : ScreenColorPicker::PickResult::Outcome::picked);
        QCOMPARE(results.first().hex, hex);
        // The overlays go with the pick.
        QTRY_VERIFY(!overlayShown());
    }
};

TESSELLON_TEST(tst_LoupePicker)
#include "tst_LoupePicker.moc"
