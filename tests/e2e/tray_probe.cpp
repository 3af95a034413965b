// Exits 0 when the X server's system tray is taken by a tray host, 1 otherwise; the end-to-end test waits
// on it so that Tessellon never starts before the tray exists.
#include <QApplication>
#include <QSystemTrayIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return QSystemTrayIcon::isSystemTrayAvailable() ? 0 : 1;
}
