#include "net/PlaceholderService.h"

#include "core/text/Characters.h"
#include "net/AsyncTask.h"
#include "net/Endpoints.h"
#include "net/HttpClient.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace PlaceholderService {

namespace {

struct SourceInfo {
    Source source;
    const char *raw;
    const char *title;
    QList<Format> formats;
};

const QList<SourceInfo> &sourceTable()
{
    static const QList<SourceInfo> table = {
        {Source::placeholder,
         "placeholder",
         QT_TRANSLATE_NOOP("PlaceholderService", "Placeholder"),
         {Format::png, Format::jpg, Format::svg, Format::webp}},
        {Source::photo, "photo", QT_TRANSLATE_NOOP("PlaceholderService", "Photo"), {Format::jpg}},
        {Source::avatar, "avatar", QT_TRANSLATE_NOOP("PlaceholderService", "Avatar"), {Format::svg, Format::png}},
    };
    return table;
}

const SourceInfo &info(Source source)
{
    for (const SourceInfo &entry : sourceTable()) {
        if (entry.source == source)
            return entry;
    }
    Q_UNREACHABLE();
}

// A cluster that starts with a letter or number and holds nothing but letters, numbers, marks and joiners.
// Every code point counts, not only the first: a prepended letter (such as U+111C2) forms one cluster with
// whatever follows it, a "/" included.
bool isWordCluster(QStringView cluster)
{
    const QList<uint> codePoints = cluster.toUcs4();
    if (codePoints.isEmpty() || !(QChar::isLetter(codePoints.first()) || QChar::isNumber(codePoints.first())))
        return false;
    return std::all_of(codePoints.cbegin(), codePoints.cend(), [](uint c) {
        return QChar::isLetterOrNumber(c) || QChar::isMark(c) || c == 0x200C || c == 0x200D;
    });
}

// The avatar slug keeps letters, numbers and "-" of any script, judged per user-perceived character, so an
// accented letter written with a combining mark stays whole.
QString slug(const QString &seed)
{
    QString text = seed;
    text.replace(QLatin1Char(' '), QLatin1Char('-'));
    QString kept;
    for (QStringView cluster : Characters::split(text)) {
        if (cluster == QLatin1String("-") || isWordCluster(cluster))
            kept += cluster;
    }
    return kept.isEmpty() ? QStringLiteral("seed") : kept;
}

} // namespace

QString rawValue(Source source)
{
    return QString::fromLatin1(info(source).raw);
}

std::optional<Source> sourceFromRawValue(const QString &raw)
{
    for (const SourceInfo &entry : sourceTable()) {
        if (raw == QLatin1String(entry.raw))
            return entry.source;
    }
    return std::nullopt;
}

const QList<Source> &allSources()
{
    static const QList<Source> sources = {Source::placeholder, Source::photo, Source::avatar};
    return sources;
}

QString title(Source source)
{
    return QCoreApplication::translate("PlaceholderService", info(source).title);
}

QList<Format> supportedFormats(Source source)
{
    return info(source).formats;
}

QString rawValue(Format format)
{
    switch (format) {
    case Format::png:
        return QStringLiteral("png");
    case Format::jpg:
        return QStringLiteral("jpg");
    case Format::svg:
        return QStringLiteral("svg");
    case Format::webp:
        return QStringLiteral("webp");
    }
    return {};
}

std::optional<Format> formatFromRawValue(const QString &raw)
{
    for (Format format : allFormats()) {
        if (rawValue(format) == raw)
            return format;
    }
    return std::nullopt;
}

const QList<Format> &allFormats()
{
    static const QList<Format> formats = {Format::png, Format::jpg, Format::svg, Format::webp};
    return formats;
}

QString Resolution::id() const
{
    return QStringLiteral("%1x%2").arg(width).arg(height);
}

QString Resolution::label() const
{
    return QStringLiteral("%1 \u00D7 %2").arg(width).arg(height);
}

const QList<Resolution> &presets()
{
    static const QList<Resolution> list = {{16, 16},   {32, 32},   {64, 64},   {128, 128},  {256, 256},
                                           {400, 400}, {512, 512}, {800, 600}, {1024, 768}, {1920, 1080}};
    return list;
}

const QStringList &avatarStyles()
{
    static const QStringList styles = {
        QStringLiteral("thumbs"),     QStringLiteral("avataaars"), QStringLiteral("bottts"),
        QStringLiteral("identicon"),  QStringLiteral("initials"),  QStringLiteral("lorelei"),
        QStringLiteral("notionists"), QStringLiteral("pixel-art"), QStringLiteral("shapes"),
        QStringLiteral("fun-emoji"),
    };
    return styles;
}

QString DownloadError::description() const
{
    switch (kind) {
    case Kind::badResponse:
        return QCoreApplication::translate("PlaceholderService", "The image source returned HTTP %1.").arg(status);
    case Kind::badURL:
        return QCoreApplication::translate("PlaceholderService", "Couldn't build the image URL.");
    case Kind::other:
        return detail;
    }
    return detail;
}

std::optional<qint64> parseDimension(const QString &text)
{
    // \z, not $: "$" would also match before a final line feed, letting "300\n" through.
    static const QRegularExpression integer(QStringLiteral("\\A[+-]?[0-9]+\\z"));
    if (!integer.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    // An explicit "+" is fine for toLongLong, and it reports overflow beyond 64 bits as failure.
    const qint64 value = text.toLongLong(&ok, 10);
    if (!ok || value < 1)
        return std::nullopt;
    return value;
}

QString url(const Request &request)
{
    const Endpoints::Bases &bases = Endpoints::current();
    switch (request.source) {
    case Source::placeholder: {
        QString text = bases.placeholder + QStringLiteral("%1x%2").arg(request.width).arg(request.height);
        // The service answers SVG when no extension is given.
        if (request.format != Format::svg)
            text += QLatin1Char('.') + rawValue(request.format);
        return text;
    }
    case Source::photo:
        return bases.photo + QStringLiteral("%1/%2").arg(request.width).arg(request.height);
    case Source::avatar: {
        // The characters a URL query allows pass through; everything else is %XX of its UTF-8 bytes.
        const QByteArray seed = QUrl::toPercentEncoding(request.seed, QByteArrayLiteral("!$&'()*+,;=:@/?"));
        QString text = bases.avatar + request.avatarStyle + QLatin1Char('/') + rawValue(request.format) +
                       QStringLiteral("?seed=") + QString::fromLatin1(seed);
        if (request.format == Format::png)
            text += QStringLiteral("&size=%1").arg(request.width);
        return text;
    }
    }
    return {};
}

QString baseFileName(const Request &request)
{
    switch (request.source) {
    case Source::placeholder:
        return QStringLiteral("placeholder-%1x%2").arg(request.width).arg(request.height);
    case Source::photo:
        return QStringLiteral("photo-%1x%2").arg(request.width).arg(request.height);
    case Source::avatar:
        return QStringLiteral("avatar-%1-%2").arg(request.avatarStyle, slug(request.seed));
    }
    return {};
}

AsyncTask *download(const Request &request, QObject *context, std::function<void(const DownloadResult &)> done)
{
    const QUrl target(url(request), QUrl::StrictMode);
    if (!target.isValid() || target.scheme().isEmpty())
        return AsyncTask::reportLater(context, [done] { done(DownloadError::badURL()); });
    const QString baseName = baseFileName(request);
    const QString extension = rawValue(request.format);
    return HttpClient::get(target, context, [done, baseName, extension](const HttpClient::Reply &reply) {
        switch (reply.outcome) {
        case HttpClient::Reply::Outcome::badStatus:
            done(DownloadError::badResponse(reply.status.value_or(0)));
            return;
        case HttpClient::Reply::Outcome::failed:
            done(DownloadError::other(reply.error));
            return;
        case HttpClient::Reply::Outcome::ok:
            break;
        }
        const auto saved = DownloadsFolder::save(reply.body, baseName, extension);
        if (const auto *error = std::get_if<QString>(&saved))
            done(DownloadError::other(*error));
        else
            done(std::get<DownloadsFolder::Saved>(saved));
    });
}

} // namespace PlaceholderService
