#pragma once

#include <QByteArray>
#include <QString>

#include <variant>

// Where downloads go, and how a download becomes a file there without ever replacing another.
namespace DownloadsFolder {

// The user's Downloads folder (XDG user dirs), or the home folder when there is none.
QString path();

struct Saved {
    QString filePath;
    QString fileName;
};

// Writes `data` as BASE.EXT in the Downloads folder, or BASE-1.EXT, BASE-2.EXT, … when the name is taken.
// The free name is claimed by creating the file exclusively, so two saves never overwrite each other; a
// failed write leaves no partial file. A base name or extension that could leave the folder ("/", "..",
// a leading dot, control characters) is refused. On failure the result is a readable description.
std::variant<Saved, QString> save(const QByteArray &data, const QString &baseName, const QString &extension);

// The same in a given folder (the Downloads folder's logic, for callers and tests that choose the folder).
std::variant<Saved, QString> saveIn(const QString &folder, const QByteArray &data, const QString &baseName,
                                    const QString &extension);

} // namespace DownloadsFolder
