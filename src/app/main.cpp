#include "app/TessellonApp.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessellon"));
    QApplication::setOrganizationName(QStringLiteral("Tessellon"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tessellon"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tessellon.Tessellon"));
    QApplication::setApplicationVersion(QStringLiteral(TESSELLON_VERSION));
    // The program lives in the tray: closing the panel must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    if (TessellonApp::openRunningInstance())
        return 0;

    TessellonApp tessellon;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tessellon.svg")));
    tessellon.start();
    return app.exec();
}
