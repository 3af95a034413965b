#include "app/CommandLine.h"

#include "panel/MenuPanelView.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace CommandLine {

Parsed parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "A developer's pocket toolbox in the system tray. With "
                                                   "no option, opens the panel of the running Tessellon."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption toggle(
        QStringLiteral("toggle"), QCoreApplication::translate("CommandLine", "Opens the panel, or closes it if open."));
    const QCommandLineOption tab(QStringLiteral("tab"),
                                 QCoreApplication::translate("CommandLine", "Opens the panel on a tab: placeholders, "
                                                                            "color, text, icons, glyphs or textTools."),
                                 QStringLiteral("name"));
    const QCommandLineOption pickColor(QStringLiteral("pick-color"),
                                       QCoreApplication::translate("CommandLine", "Picks a colour from the screen and "
                                                                                  "copies it, as Pick Color does."));
    const QCommandLineOption quit(QStringLiteral("quit"),
                                  QCoreApplication::translate("CommandLine", "Quits the running Tessellon."));
    parser.addOptions({toggle, tab, pickColor, quit});

    auto refused = [](const QString &why) {
        return Parsed{Parsed::Kind::refused,
                      {},
                      why + QCoreApplication::translate("CommandLine", "\nTry \u201Ctessellon --help\u201D.\n")};
    };
    if (!parser.parse(arguments))
        return refused(parser.errorText());
    if (parser.isSet(help))
        return {Parsed::Kind::print, {}, parser.helpText()};
    if (parser.isSet(version))
        return {Parsed::Kind::print,
                {},
                QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n'};
    if (!parser.positionalArguments().isEmpty())
        return refused(QCoreApplication::translate("CommandLine", "Unexpected argument \u201C%1\u201D.")
                           .arg(parser.positionalArguments().first()));
    const int verbs =
        int(parser.isSet(toggle)) + int(parser.isSet(tab)) + int(parser.isSet(pickColor)) + int(parser.isSet(quit));
    if (verbs > 1)
        return refused(QCoreApplication::translate("CommandLine",
                                                   "Give one of --toggle, --tab, --pick-color and --quit at a time."));
    using Actions = SingleInstance::Actions;
    if (parser.isSet(toggle))
        return {Parsed::Kind::run, {Actions::toggle, {}}, {}};
    if (parser.isSet(pickColor))
        return {Parsed::Kind::run, {Actions::pickColor, {}}, {}};
    if (parser.isSet(quit))
        return {Parsed::Kind::run, {Actions::quit, {}}, {}};
    if (parser.isSet(tab)) {
        const QString name = parser.value(tab);
        if (!MenuPanelView::tabFromRawValue(name)) {
            QStringList names;
            for (MenuPanelView::Tab each : MenuPanelView::allTabs())
                names.append(MenuPanelView::rawValue(each));
            return refused(QCoreApplication::translate("CommandLine", "Unknown tab \u201C%1\u201D: choose one of %2.")
                               .arg(name, names.join(QStringLiteral(", "))));
        }
        return {Parsed::Kind::run, {Actions::showTab, name}, {}};
    }
    return {};
}

} // namespace CommandLine
