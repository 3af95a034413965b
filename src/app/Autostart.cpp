#include "app/Autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace Autostart {

namespace {

// Exec quoting of the desktop entry format: the path in double quotes, with \, ", ` and $ escaped.
QString quoted(const QString &path)
{
    QString escaped;
    for (QChar c : path) {
        if (c == u'\\' || c == u'"' || c == u'`' || c == u'$')
            escaped += u'\\';
        escaped += c;
    }
    return u'"' + escaped + u'"';
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
