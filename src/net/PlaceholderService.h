#pragma once

#include "net/DownloadsFolder.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <variant>

class AsyncTask;

class QObject;

// Placeholder-image URLs for three outside services (plain placeholders, photos, avatars), and downloads of
// those images into the Downloads folder.
namespace PlaceholderService {

enum class Source { placeholder, photo, avatar };
enum class Format { png, jpg, svg, webp };

QString rawValue(Source source);
std::optional<Source> sourceFromRawValue(const QString &raw);
const QList<Source> &allSources();
QString title(Source source);
// Never empty; the first is the fallback when the source changes.
QList<Format> supportedFormats(Source source);

QString rawValue(Format format);
std::optional<Format> formatFromRawValue(const QString &raw);
const QList<Format> &allFormats();

struct Resolution {
    qint64 width = 0;
    qint64 height = 0;

    QString id() const;
    // "1920 × 1080"
    QString label() const;
    bool operator==(const Resolution &) const = default;
};

const QList<Resolution> &presets();
const QStringList &avatarStyles();

struct Request {
    Source source = Source::placeholder;
    qint64 width = 0;
    qint64 height = 0;
    Format format = Format::png;
    QString seed;
    QString avatarStyle;

    bool operator==(const Request &) const = default;
};

struct DownloadError {
    enum class Kind { badResponse, badURL, other };
    Kind kind = Kind::other;
    int status = 0;
    // For `other`: the transport's or file system's own description.
    QString detail;

    static DownloadError badResponse(int status) { return {Kind::badResponse, status, {}}; }
    static DownloadError badURL() { return {Kind::badURL, 0, {}}; }
    static DownloadError other(const QString &detail) { return {Kind::other, 0, detail}; }

    QString description() const;
};

using DownloadResult = std::variant<DownloadsFolder::Saved, DownloadError>;

// A custom width or height as typed: an optional sign and ASCII digits only, within 64 bits, at least 1.
std::optional<qint64> parseDimension(const QString &text);

QString url(const Request &request);

// The file's base name, before "-N" and the extension: placeholder-400x400, avatar-thumbs-Tessellon.
QString baseFileName(const Request &request);

// Fetches the image and saves it in the Downloads folder under a free name, as a task owned by `context`
// (see AsyncTask): `done` runs once, later, on the main thread, unless the context goes first.
AsyncTask *download(const Request &request, QObject *context, std::function<void(const DownloadResult &)> done);

} // namespace PlaceholderService
