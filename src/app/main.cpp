#include "app/TessellonApp.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <QTextStream>

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

    QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtimeDir.isEmpty())
        runtimeDir = QDir::tempPath();
    SingleInstance instance(QDBusConnection::sessionBus(), runtimeDir);
    switch (instance.claim(SingleInstance::Activation::fromEnvironment())) {
    case SingleInstance::Outcome::forwarded:
        return 0;
    case SingleInstance::Outcome::failed:
        QTextStream(stderr) << "Tessellon is already running but does not answer.\n";
        return 1;
    case SingleInstance::Outcome::primary:
        break;
    }
    TessellonApp tessellon;
    QObject::connect(&instance, &SingleInstance::activated, &tessellon, &TessellonApp::activate);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tessellon.svg")));
    tessellon.start();
    return app.exec();
}
