#pragma once

#include "net/DownloadsFolder.h"
#include "net/HttpClient.h"

#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>
#include <variant>

class AsyncTask;
class QObject;
class ReplyCache;

// The client of the Iconify API: search for icons, fetch one icon's SVG markup, save one as a file in the
// Downloads folder. Its one state is the session's replies, kept in memory (search replies and SVGs by URL,
// within kCacheBytes), so a search or an icon asked for again costs no request.
namespace IconifyService {

// One icon of the service: its set's prefix and its name within the set.
struct IconID {
    QString prefix;
    QString name;

    // "prefix:name"
    QString id() const { return prefix + QLatin1Char(':') + name; }
    bool operator==(const IconID &) const = default;
};

inline size_t qHash(const IconID &icon, size_t seed = 0)
{
    return qHashMulti(seed, icon.prefix, icon.name);
}

// The client's own errors.
struct IconError {
    enum class Kind { badURL, badResponse, emptyResult };
    Kind kind = Kind::badURL;
    // For badResponse: the HTTP status.
    int status = 0;

    static IconError badURL() { return {Kind::badURL, 0}; }
    static IconError badResponse(int status) { return {Kind::badResponse, status}; }
    static IconError emptyResult() { return {Kind::emptyResult, 0}; }

    QString description() const;
    bool operator==(const IconError &) const = default;
};

// Why a call failed: one of the client's own errors, or the transport's, the JSON reader's or the file
// system's own wording, passed on unchanged.
struct Failure {
    std::optional<IconError> error;
    QString detail;

    QString description() const { return error ? error->description() : detail; }
};

template <typename T>
using Result = std::variant<T, Failure>;

// Search replies and SVGs are a few kilobytes; anything this large is refused rather than read.
constexpr qint64 kMaximumReplyBytes = 2LL * 1024 * 1024;
// The most results one search asks for: a page.
constexpr int kSearchLimit = 48;
// The service lists no result beyond this many, however many it counts.
constexpr int kServiceMaximum = 999;
// What the session keeps of replies in memory.
constexpr qint64 kCacheBytes = 4LL * 1024 * 1024;

// One page of a search: the text, the first result wanted, and the one set to search in (empty: all).
struct SearchQuery {
    QString text;
    int start = 0;
    QString prefix = {};
};

// A set that results come from, as the reply names it.
struct IconSet {
    QString prefix;
    QString name;
};

struct SearchPage {
    QList<IconID> icons;
    // How many results the service counts for the search, when the reply says so in a believable number.
    std::optional<int> total;
    // The sets of the reply's "collections", by prefix.
    QList<IconSet> sets;
};

// base + "search?query=…&limit=48", then "&start=N" for a later page and "&prefix=P" within one set; the
// texts are percent-encoded down to the unreserved characters, so "+", "&" and "#" reach the service as
// themselves.
QUrl searchURL(const SearchQuery &query);

// The markup as a data URI: "data:image/svg+xml;base64," and its UTF-8 bytes in standard base64.
QString base64DataURI(const QString &markup);
// The markup as a data URI without base64, about a third shorter: "data:image/svg+xml," and its UTF-8 bytes,
// percent-encoded only where it must be to stay one valid value inside CSS's url("…") and an HTML attribute
// in double quotes: "%", the quotes, "#", "&", the backslash, line breaks and other controls, and every
// byte beyond ASCII. Decoding gives back the very bytes of the markup.
QString compactDataURI(const QString &markup);

// base + prefix + "/" + name + ".svg", as plain text; none when it is not a valid URL.
std::optional<QUrl> svgURL(const IconID &icon);

// "prefix:name" → the icon; leading colons are skipped, the first colon after the prefix ends it, and the
// rest (further colons included) is the name. Anything without both parts is none.
std::optional<IconID> iconFromID(const QString &entry);

// A search reply's JSON ({"icons": ["prefix:name", ...], "total": N, "collections": {...}}): its icons in
// order, entries that name no icon skipped; a malformed "icons" fails the whole reply, while a total or
// collections that make no sense are simply left out.
Result<SearchPage> parseSearchReply(const QByteArray &body);

// The session's replies in memory (tests and benchmarks look in and empty it).
ReplyCache &replyCache();

// A GET of an Iconify URL through the session's replies: one already had answers from memory (still later,
// never inside the call); a successful reply is kept.
AsyncTask *getCached(const QUrl &url, QObject *context, std::function<void(const HttpClient::Reply &)> done);

// Each call is a task owned by `context` (see AsyncTask): its callback runs once, later, on the main thread,
// unless the context goes or the task is aborted first.

// The icons matching the query's text (already trimmed by the caller), in the reply's order. An empty list
// is a success.
AsyncTask *search(const SearchQuery &query, QObject *context, std::function<void(const Result<SearchPage> &)> done);

// The icon's SVG markup, unchanged.
AsyncTask *fetchSVG(const IconID &icon, QObject *context, std::function<void(const Result<QString> &)> done);

// Fetches the markup and saves it as PREFIX-NAME.svg in the Downloads folder (PREFIX-NAME-1.svg, … when
// taken). Nothing is written when the fetch fails; a name that could leave the folder is refused.
AsyncTask *download(const IconID &icon, QObject *context,
                    std::function<void(const Result<DownloadsFolder::Saved> &)> done);

} // namespace IconifyService
