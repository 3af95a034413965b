#include "app/CommandLine.h"
#include "app/TessellonApp.h"
#include "core/Logging.h"
#include "desktop/Desktop.h"
#include "net/Endpoints.h"
#include "widgets/Layout.h"
#include "widgets/PanelStyle.h"

#include <QApplication>
#include <QTextStream>

#include <vector>

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("Tessellon"));
    QApplication::setOrganizationName(QStringLiteral("Tessellon"));
    QApplication::setApplicationVersion(QStringLiteral(TESSELLON_VERSION));
    // Read before any connection to a display: --help, --version and a mistyped verb need none. They do
    // speak the user's language, which takes an application object, so a display-less one reads them.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLine::Parsed command;
    {
        QCoreApplication reading(argc, argv);
        Desktop::useTranslations();
        command = CommandLine::parse(arguments);
    }
    if (command.kind == CommandLine::Parsed::Kind::print) {
        QTextStream(stdout) << command.text;
        return 0;
    }
    if (command.kind == CommandLine::Parsed::Kind::refused) {
        QTextStream(stderr) << command.text;
        return 2;
    }
    const SingleInstance::Request &request = command.request;
    // Read before the application object: Qt's X11 connection takes DESKTOP_STARTUP_ID out of the
    // environment as it opens, and a launch that hands over must pass it on.
    const SingleInstance::Activation launch = SingleInstance::Activation::fromEnvironment();

    // The platform goes in as an argument, not in the environment, so that programs started from the panel
    // (the file manager) keep their own.
    std::vector<char *> qtArguments(argv, argv + argc);
    QByteArray platformArgument = "-platform";
    QByteArray platform = Desktop::chosenPlatform();
    if (!platform.isEmpty())
        qtArguments.insert(qtArguments.begin() + 1, {platformArgument.data(), platform.data()});
    int qtArgumentCount = int(qtArguments.size());
    qtArguments.push_back(nullptr);
    QApplication app(qtArgumentCount, qtArguments.data());
    Desktop::useTranslations();
    PanelStyle::install();
    Style::setApplicationPalette(Desktop::startingPalette());
    QApplication::setApplicationDisplayName(QStringLiteral("Tessellon"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tessellon.Tessellon"));
    // The program lives in the tray: closing the panel must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::unique_ptr<SingleInstance> instance = Desktop::singleInstance();
    switch (instance->claim(launch, request)) {
    case SingleInstance::Outcome::forwarded:
        return 0;
    case SingleInstance::Outcome::failed:
        QTextStream(stderr) << QCoreApplication::translate("main",
                                                           "Tessellon is already running but does not answer.\n");
        return 1;
    case SingleInstance::Outcome::primary:
        break;
    }
    // Nothing runs that could quit.
    if (request.action == SingleInstance::Actions::quit)
        return 0;
    // Teams that run their own Iconify API (it is open source) point the icon finder at it.
    const QString iconifyAPI = qEnvironmentVariable("TESSELLON_ICONIFY_API");
    if (!iconifyAPI.isEmpty() && !Endpoints::useIconify(iconifyAPI))
        qCWarning(lcNetwork).noquote() << "TESSELLON_ICONIFY_API is not an http or https address:" << iconifyAPI
                                       << "- the icon finder asks" << Endpoints::current().iconify;
    TessellonApp tessellon;
    QObject::connect(instance.get(), &SingleInstance::activated, &tessellon, &TessellonApp::activate);
    QObject::connect(instance.get(), &SingleInstance::actionRequested, &tessellon, &TessellonApp::perform);
    // No application-wide window icon: every window, the tray's own included, would carry it rendered at
    // every size (a few MiB, and rendering threads) before anyone opens the panel, which sets its own.
    tessellon.start();
    // A verb that started Tessellon is carried out by it, once it runs.
    if (!request.action.isEmpty())
        QMetaObject::invokeMethod(
            &tessellon, [&tessellon, request, launch] { tessellon.perform(request, launch); }, Qt::QueuedConnection);
    return app.exec();
}
