#include "net/DownloadsFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace DownloadsFolder {

namespace {

// A name part is safe when it stays a single plain file name inside the folder.
bool isSafeNamePart(const QString &part)
{
    if (part.isEmpty() || part.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : part) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

} // namespace

QString path()
{
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    // Qt answers the home folder itself when the user has no Downloads folder configured.
    if (!downloads.isEmpty())
        return downloads;
    return QDir::homePath();
}

std::variant<Saved, QString> save(const QByteArray &data, const QString &baseName, const QString &extension)
{
    return saveIn(path(), data, baseName, extension);
}

std::variant<Saved, QString> saveIn(const QString &folder, const QByteArray &data, const QString &baseName,
                                    const QString &extension)
{
    if (!isSafeNamePart(baseName) || !isSafeNamePart(extension))
        return QCoreApplication::translate("DownloadsFolder",
                                           "Refused to save under the unsafe file name \u201C%1.%2\u201D.")
            .arg(baseName, extension);
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("DownloadsFolder", "Couldn't create the folder %1.").arg(folder);

    const QDir dir(folder);
    for (qint64 n = 0;; ++n) {
        // One multi-argument arg(): chained calls would substitute a "%2" found in a name from the network.
        const QString name = n == 0 ? QStringLiteral("%1.%2").arg(baseName, extension)
                                    : QStringLiteral("%1-%2.%3").arg(baseName, QString::number(n), extension);
        QFile file(dir.filePath(name));
        // NewOnly fails when the name is taken: then the next number is tried. A dangling symbolic link
        // takes a name too, though exists() (which follows links) denies it. Any other failure is final.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (file.exists() || QFileInfo(file.fileName()).isSymLink())
                continue;
            return file.errorString();
        }
        if (file.write(data) != data.size() || !file.flush()) {
            const QString error = file.errorString();
            file.close();
            file.remove();
            return error;
        }
        file.close();
        if (file.error() != QFileDevice::NoError) {
            const QString error = file.errorString();
            file.remove();
            return error;
        }
        return Saved{file.fileName(), name};
    }
}

} // namespace DownloadsFolder
