#include "TestMain.h"
#include "core/Session.h"
#include "desktop/PanelPlacement.h"

#include <QProcessEnvironment>

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

    // Nothing says where the icon is (a menu's item, through XWayland): the panel goes to the bar's tray end.
    void trayEnd_data()
    {
        columns<QRect, QPoint>("available", "expected");
        testRow("GNOME's top bar", QRect(0, 32, 1280, 768), QPoint(976, 36));
        testRow("Plasma's bottom bar", QRect(0, 0, 1280, 756), QPoint(976, 352));
        testRow("a bar on the left", QRect(48, 0, 1232, 800), QPoint(52, 396));
        testRow("no bar", QRect(0, 0, 1280, 800), QPoint(976, 5));
    }

    void trayEnd()
    {
        auto [available, expected] = fetch<QRect, QPoint>("available", "expected");
        QCOMPARE(panelPosition(trayEndOfBar(QRect(0, 0, 1280, 800), available), QSize(300, 400), available), expected);
    }

    // Where Wayland would leave the panel an ordinary window far from its icon, it goes through XWayland.
    void platform_data()
    {
        columns<QString, QString>("environment", "platform");
        testRow("GNOME on Wayland", "XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=wayland-0 DISPLAY=:0", "xcb");
        testRow("Ubuntu's list", "XDG_CURRENT_DESKTOP=ubuntu:GNOME WAYLAND_DISPLAY=w DISPLAY=:0", "xcb");
        testRow("Plasma on Wayland", "XDG_CURRENT_DESKTOP=KDE WAYLAND_DISPLAY=wayland-0 DISPLAY=:1", "xcb");
        testRow("the user's choice wins",
                "XDG_CURRENT_DESKTOP=KDE WAYLAND_DISPLAY=w DISPLAY=:1 QT_QPA_PLATFORM=wayland", "");
        testRow("no XWayland", "XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=wayland-0", "");
        testRow("sway is placed over its IPC", "XDG_CURRENT_DESKTOP=sway WAYLAND_DISPLAY=wayland-1 DISPLAY=:0", "");
        testRow("GNOME on X11", "XDG_CURRENT_DESKTOP=GNOME DISPLAY=:0", "");
    }

    void platform()
    {
        auto [environment, platform] = fetch<QString, QString>("environment", "platform");
        QProcessEnvironment variables;
        for (const QString &variable : environment.split(QLatin1Char(' ')))
            variables.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
        QCOMPARE(QString::fromLatin1(Session::chosenPlatform(variables)), platform);
    }
};

TESSELLON_TEST(tst_PanelPlacement)
#include "tst_PanelPlacement.moc"
