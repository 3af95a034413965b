#include "desktop/session/Autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace Autostart {

namespace {

// The Exec value for one program path. Two layers, undone by readers in the opposite order: the key file's
// own string escapes (\\, \n, \t, \r) are read first, then the Exec rules (an argument in double quotes,
// with \, ", ` and $ escaped by a backslash, and a literal % doubled so it is no field code). Writing only
// the inner layer leaves backslashes that the string reader rejects or eats.
QString quoted(const QString &path)
{
    QString exec = QStringLiteral("\"");
    for (QChar c : path) {
        if (c == u'\\' || c == u'"' || c == u'`' || c == u'$')
            exec += u'\\';
        exec += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    exec += u'"';
    QString value;
    for (QChar c : std::as_const(exec)) {
        switch (c.unicode()) {
        case u'\\':
            value += QStringLiteral("\\\\");
            break;
        case u'\n':
            value += QStringLiteral("\\n");
            break;
        case u'\t':
            value += QStringLiteral("\\t");
            break;
        case u'\r':
            value += QStringLiteral("\\r");
            break;
        default:
            value += c;
        }
    }
    return value;
}

} // namespace

QString entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/io.github.tessellon.Tessellon.desktop");
}

bool isEnabled()
{
    return QFile::exists(entryPath());
}

std::optional<QString> setEnabled(bool enabled, const QString &executable)
{
    const QString path = entryPath();
    if (!enabled) {
        if (QFile::exists(path) && !QFile::remove(path))
            return QCoreApplication::translate("Autostart",
                                               "Couldn't stop starting at login \u2014 %1 cannot be removed.")
                .arg(path);
        return std::nullopt;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QCoreApplication::translate("Autostart", "Couldn't start at login \u2014 %1 cannot be created.")
            .arg(QFileInfo(path).absolutePath());
    // Written whole or not at all: a save file commits by renaming.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write("[Desktop Entry]\nType=Application\nName=Tessellon\nComment=Developer's toolbox in the system tray\n"
                   "Exec=" +
                   quoted(executable).toUtf8() + "\nIcon=tessellon\nTerminal=false\nX-GNOME-Autostart-enabled=true\n");
        if (file.commit())
            return std::nullopt;
    }
    return QCoreApplication::translate("Autostart", "Couldn't start at login \u2014 %1").arg(file.errorString());
}

} // namespace Autostart
