#pragma once

#include "desktop/session/SingleInstance.h"

#include <QString>
#include <QStringList>

// The command line: `tessellon` opens the panel; one verb asks for something else (of the running
// instance, which a verb starts first when there is none).
namespace CommandLine {

struct Parsed {
    enum class Kind {
        run,     // claim the instance and hand it `request`
        print,   // print `text` on standard output and end well (--help, --version)
        refused, // print `text` on standard error and end with exit code 2
    };
    Kind kind = Kind::run;
    SingleInstance::Request request;
    QString text;
};

// `arguments` as main() gets them, the program's name first.
Parsed parse(const QStringList &arguments);

} // namespace CommandLine
