#include "net/IconifyService.h"

#include "net/AsyncTask.h"
#include "net/Endpoints.h"
#include "net/HttpClient.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <cstring>

namespace IconifyService {

namespace {

Failure failure(const IconError &error)
{
    return {error, {}};
}

Failure failure(const QString &detail)
{
    return {std::nullopt, detail};
}

// A URL that cannot be formed is reported like any failure: later, never from inside the call.
template <typename T>
AsyncTask *failLater(QObject *context, const std::function<void(const Result<T> &)> &done, const Failure &why)
{
    return AsyncTask::reportLater(context, [done, why] { done(why); });
}

// GETs the URL with the shared status rule and size limit; `body` turns a successful reply's bytes into the
// result.
template <typename T>
AsyncTask *get(const QUrl &url, QObject *context, std::function<void(const Result<T> &)> done,
               std::function<Result<T>(const QByteArray &)> body)
{
    return HttpClient::get(
        url, context,
        [done = std::move(done), body = std::move(body)](const HttpClient::Reply &reply) {
            switch (reply.outcome) {
            case HttpClient::Reply::Outcome::badStatus:
                done(failure(IconError::badResponse(reply.status.value_or(0))));
                return;
            case HttpClient::Reply::Outcome::failed:
                done(failure(reply.error));
                return;
            case HttpClient::Reply::Outcome::ok:
                done(body(reply.body));
                return;
            }
        },
        kMaximumReplyBytes);
}

// "prefix:name" → the icon; leading colons are skipped, the first colon after the prefix ends it, and the
// rest (further colons included) is the name. Anything without both parts is none.
std::optional<IconID> parseEntry(const QString &entry)
{
    qsizetype start = 0;
    while (start < entry.size() && entry.at(start) == QLatin1Char(':'))
        ++start;
    const qsizetype colon = entry.indexOf(QLatin1Char(':'), start);
    if (start == entry.size() || colon < 0 || colon + 1 == entry.size())
        return std::nullopt;
    return IconID{entry.mid(start, colon - start), entry.mid(colon + 1)};
}

Result<QString> parseSVG(const QByteArray &body)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(body);
    if (utf8.hasError() || !text.contains(QLatin1String("<svg")))
        return failure(IconError::emptyResult());
    return text;
}

} // namespace

Result<QList<IconID>> parseSearchReply(const QByteArray &body)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return failure(
            QCoreApplication::translate("IconifyService", "The search reply is not valid JSON (%1 at byte %2).")
                .arg(parseError.errorString())
                .arg(parseError.offset));
    const QJsonValue icons = document.object().value(QLatin1String("icons"));
    if (icons.isUndefined())
        return failure(
            QCoreApplication::translate("IconifyService", "The search reply has no \u201Cicons\u201D list."));
    if (!icons.isArray())
        return failure(
            QCoreApplication::translate("IconifyService", "The search reply\u2019s \u201Cicons\u201D is not a list."));

    QList<IconID> result;
    const QJsonArray entries = icons.toArray();
    result.reserve(entries.size());
    for (const QJsonValue &entry : entries) {
        if (!entry.isString())
            return failure(QCoreApplication::translate(
                "IconifyService", "The search reply\u2019s \u201Cicons\u201D holds something other than text."));
        if (const auto icon = parseEntry(entry.toString()))
            result.append(*icon);
    }
    return result;
}

QString IconError::description() const
{
    switch (kind) {
    case Kind::badURL:
        return QCoreApplication::translate("IconifyService", "Couldn't build the Iconify request.");
    case Kind::badResponse:
        return QCoreApplication::translate("IconifyService", "Iconify returned HTTP %1.").arg(status);
    case Kind::emptyResult:
        return QCoreApplication::translate("IconifyService", "Iconify returned no usable data.");
    }
    return {};
}

QUrl searchURL(const QString &query)
{
    QUrl url(Endpoints::current().iconify + QStringLiteral("search"));
    // Strict mode keeps the encoding as written: "+" stays %2B, which a server would otherwise read as a space.
    url.setQuery(QStringLiteral("query=") + QString::fromLatin1(QUrl::toPercentEncoding(query)) +
                     QStringLiteral("&limit=%1").arg(kSearchLimit),
                 QUrl::StrictMode);
    return url;
}

std::optional<QUrl> svgURL(const IconID &icon)
{
    const QUrl url(Endpoints::current().iconify + icon.prefix + QLatin1Char('/') + icon.name + QStringLiteral(".svg"),
                   QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty())
        return std::nullopt;
    return url;
}

AsyncTask *search(const QString &query, QObject *context, std::function<void(const Result<QList<IconID>> &)> done)
{
    const QUrl url = searchURL(query);
    if (!url.isValid() || url.host().isEmpty()) {
        return failLater(context, done, failure(IconError::badURL()));
    }
    return get<QList<IconID>>(url, context, std::move(done), parseSearchReply);
}

AsyncTask *fetchSVG(const IconID &icon, QObject *context, std::function<void(const Result<QString> &)> done)
{
    const auto url = svgURL(icon);
    if (!url) {
        return failLater(context, done, failure(IconError::badURL()));
    }
    return get<QString>(*url, context, std::move(done), parseSVG);
}

AsyncTask *download(const IconID &icon, QObject *context,
                    std::function<void(const Result<DownloadsFolder::Saved> &)> done)
{
    return fetchSVG(icon, context, [icon, done = std::move(done)](const Result<QString> &markup) {
        if (const auto *why = std::get_if<Failure>(&markup)) {
            done(*why);
            return;
        }
        const auto saved = DownloadsFolder::save(std::get<QString>(markup).toUtf8(),
                                                 icon.prefix + QLatin1Char('-') + icon.name, QStringLiteral("svg"));
        if (const auto *error = std::get_if<QString>(&saved))
            done(failure(*error));
        else
            done(std::get<DownloadsFolder::Saved>(saved));
    });
}

QString base64DataURI(const QString &markup)
{
    return QStringLiteral("data:image/svg+xml;base64,") + QString::fromLatin1(markup.toUtf8().toBase64());
}

QString compactDataURI(const QString &markup)
{
    static constexpr char kMustEscape[] = "%\"#&\\'";
    QString out = QStringLiteral("data:image/svg+xml,");
    for (const char c : markup.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7f || std::strchr(kMustEscape, c))
            out += QStringLiteral("%%1").arg(uint(byte), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += QLatin1Char(c);
    }
    return out;
}

} // namespace IconifyService
