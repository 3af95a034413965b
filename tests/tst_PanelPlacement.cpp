#include "app/PanelPlacement.h"

#include <QTest>

class tst_PanelPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void position_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");

        const QRect screen(0, 24, 1920, 1056); // a top bar takes the first 24 pixels
        QTest::newRow("icon in a top bar: below, centred")
            << QRect(1000, 0, 24, 24) << QSize(300, 200) << screen << QPoint(861, 28);
        QTest::newRow("icon at the right edge: kept on screen")
            << QRect(1890, 0, 24, 24) << QSize(300, 200) << screen << QPoint(1620, 28);
        QTest::newRow("icon at the left edge") << QRect(0, 0, 24, 24) << QSize(460, 200) << screen << QPoint(0, 28);
        QTest::newRow("icon in a bottom bar: above")
            << QRect(1000, 1056, 24, 24) << QSize(300, 200) << QRect(0, 0, 1920, 1056) << QPoint(861, 852);
        QTest::newRow("pointer near the bottom of a screen on the right")
            << QRect(2500, 1000, 1, 1) << QSize(300, 400) << QRect(1920, 0, 1280, 1024) << QPoint(2350, 596);
        QTest::newRow("panel taller than the screen keeps its top visible")
            << QRect(100, 0, 24, 24) << QSize(300, 900) << QRect(0, 24, 1024, 744) << QPoint(0, 24);
    }

    void position()
    {
        QFETCH(QRect, anchor);
        QFETCH(QSize, panel);
        QFETCH(QRect, available);
        QFETCH(QPoint, expected);
        QCOMPARE(panelPosition(anchor, panel, available), expected);
    }
};

QTEST_APPLESS_MAIN(tst_PanelPlacement)
#include "tst_PanelPlacement.moc"
