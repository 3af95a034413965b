#include "net/IconifyService.h"

#include "net/AsyncTask.h"
#include "net/Endpoints.h"
#include "net/HttpClient.h"
#include "net/ReplyCache.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <cmath>
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
    return getCached(url, context, [done = std::move(done), body = std::move(body)](const HttpClient::Reply &reply) {
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
    });
}

// A count the reply gives: a whole number, not negative, and not beyond what any search could find.
std::optional<int> parseTotal(const QJsonValue &value)
{
    constexpr double kBelievable = 10'000'000;
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number < 0 || number > kBelievable || number != std::floor(number))
        return std::nullopt;
    return int(number);
}

QList<IconSet> parseSets(const QJsonValue &collections)
{
    QList<IconSet> sets;
    const QJsonObject object = collections.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key().isEmpty() || it.key().contains(QLatin1Char(':')))
            continue;
        const QString name = it.value().toObject().value(QLatin1String("name")).toString().simplified();
        sets.append({it.key(), name.isEmpty() ? it.key() : name});
    }
    return sets;
}

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
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

std::optional<IconID> iconFromID(const QString &entry)
{
    qsizetype start = 0;
    while (start < entry.size() && entry.at(start) == QLatin1Char(':'))
        ++start;
    const qsizetype colon = entry.indexOf(QLatin1Char(':'), start);
    if (start == entry.size() || colon < 0 || colon + 1 == entry.size())
        return std::nullopt;
    return IconID{entry.mid(start, colon - start), entry.mid(colon + 1)};
}

Result<SearchPage> parseSearchReply(const QByteArray &body)
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

    SearchPage page;
    QList<IconID> &result = page.icons;
    const QJsonArray entries = icons.toArray();
    result.reserve(entries.size());
    for (const QJsonValue &entry : entries) {
        if (!entry.isString())
            return failure(QCoreApplication::translate(
                "IconifyService", "The search reply\u2019s \u201Cicons\u201D holds something other than text."));
        if (const auto icon = iconFromID(entry.toString()))
            result.append(*icon);
    }
    page.total = parseTotal(document.object().value(QLatin1String("total")));
    page.sets = parseSets(document.object().value(QLatin1String("collections")));
    return page;
}

ReplyCache &replyCache()
{
    static ReplyCache cache(kCacheBytes);
    return cache;
}

AsyncTask *getCached(const QUrl &url, QObject *context, std::function<void(const HttpClient::Reply &)> done)
{
    const QString key = url.toString(QUrl::FullyEncoded);
    if (auto body = replyCache().find(key)) {
        return AsyncTask::reportLater(context, [done = std::move(done), body = std::move(*body)] {
            done({HttpClient::Reply::Outcome::ok, 200, body, {}});
        });
    }
    return HttpClient::get(
        url, context,
        [key, done = std::move(done)](const HttpClient::Reply &reply) {
            if (reply.outcome == HttpClient::Reply::Outcome::ok)
                replyCache().insert(key, reply.body);
            done(reply);
        },
        kMaximumReplyBytes);
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

QUrl searchURL(const SearchQuery &query)
{
    QUrl url(Endpoints::current().iconify + QStringLiteral("search"));
    QString items = QStringLiteral("query=") + encoded(query.text) + QStringLiteral("&limit=%1").arg(kSearchLimit);
    if (query.start > 0)
        items += QStringLiteral("&start=%1").arg(query.start);
    if (!query.prefix.isEmpty())
        items += QStringLiteral("&prefix=") + encoded(query.prefix);
    // Strict mode keeps the encoding as written: "+" stays %2B, which a server would otherwise read as a space.
    url.setQuery(items, QUrl::StrictMode);
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

AsyncTask *search(const SearchQuery &query, QObject *context, std::function<void(const Result<SearchPage> &)> done)
{
    const QUrl url = searchURL(query);
    if (!url.isValid() || url.host().isEmpty()) {
        return failLater(context, done, failure(IconError::badURL()));
    }
    return get<SearchPage>(url, context, std::move(done), parseSearchReply);
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
