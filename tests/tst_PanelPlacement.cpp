#include "TestMain.h"
#include "desktop/PanelPlacement.h"

class tst_PanelPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void position_data()
    {
        columns<QRect, QSize, QRect, QPoint>("anchor", "panel", "available", "expected");

        // Every size a tab gives the panel, at the corners where trays sit, must stay on screen and
        // attached to the icon on the bar's side.
        const QRect belowTopBar(0, 24, 1920, 1056);
        const QRect aboveBottomBar(0, 0, 1920, 1056);
        testRow("top bar: below, centred", QRect(1000, 0, 24, 24), QSize(300, 200), belowTopBar, QPoint(861, 28));
        testRow("top bar, top right, Text Tools' width", QRect(1890, 0, 24, 24), QSize(460, 520), belowTopBar,
                QPoint(1456, 28));
        QTest::newRow("top bar, top left") << QRect(0, 0, 24, 24) << QSize(460, 200) << belowTopBar << QPoint(4, 28);
        testRow("bottom bar: above, growing upwards", QRect(1000, 1056, 24, 24), QSize(300, 600), aboveBottomBar,
                QPoint(861, 452));
        testRow("bottom bar, bottom right", QRect(1890, 1056, 24, 24), QSize(460, 520), aboveBottomBar,
                QPoint(1456, 532));
        testRow("left bar: to its right", QRect(0, 500, 32, 32), QSize(300, 400), QRect(32, 0, 1888, 1080),
                QPoint(36, 315));
        testRow("left bar, icon at the bottom", QRect(0, 1040, 32, 32), QSize(300, 400), QRect(32, 0, 1888, 1080),
                QPoint(36, 676));
        testRow("right bar: to its left", QRect(1888, 8, 32, 32), QSize(460, 400), QRect(0, 0, 1888, 1080),
                QPoint(1424, 4));
        // At 2x the desktop works in device-independent pixels: a 2560x1600 screen is 1280x800 of them.
        testRow("2x, top right", QRect(1250, 0, 16, 16), QSize(460, 560), QRect(0, 16, 1280, 784), QPoint(816, 20));
        testRow("pointer near the bottom of a screen on the right", QRect(2500, 1000, 1, 1), QSize(300, 400),
                QRect(1920, 0, 1280, 1024), QPoint(2350, 596));
        testRow("panel taller than the screen keeps its top visible", QRect(100, 0, 24, 24), QSize(300, 900),
                QRect(0, 24, 1024, 744), QPoint(4, 28));
    }

    void position()
    {
        auto [anchor, panel, available, expected] =
            fetch<QRect, QSize, QRect, QPoint>("anchor", "panel", "available", "expected");
        QCOMPARE(panelPosition(anchor, panel, available), expected);
    }
};

TESSELLON_TEST(tst_PanelPlacement)
#include "tst_PanelPlacement.moc"
