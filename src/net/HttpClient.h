#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class AsyncTask;
class QObject;

// The one HTTP client of the program: plain GETs on the main thread's event loop, system proxy, redirects
// followed (the final reply decides), and an inactivity timeout so a stalled server cannot keep a request
// open for ever.
namespace HttpClient {

// Bodies above this are refused rather than read into memory.
constexpr qint64 kDefaultMaximumBytes = 64LL * 1024 * 1024;

// The status rule every service shares: only 200…299 is a success.
constexpr bool isSuccessStatus(int status)
{
    return status >= 200 && status <= 299;
}

struct Reply {
    enum class Outcome { ok, badStatus, failed };
    Outcome outcome = Outcome::failed;
    // The HTTP status, when the reply was an HTTP reply.
    std::optional<int> status;
    QByteArray body;
    // For a failure: a readable description of what went wrong (the transport's own wording).
    QString error;
};

// Starts a GET as a task owned by `context` (see AsyncTask): `done` runs once, later, on the main thread,
// unless the context goes or the task is aborted first, and then the reply is aborted and deleted too.
AsyncTask *get(const QUrl &url, QObject *context, std::function<void(const Reply &)> done,
               qint64 maximumBytes = kDefaultMaximumBytes);

// Test-only: a shorter inactivity timeout, so a stalled fixture fails in milliseconds.
void setInactivityTimeoutForTesting(int milliseconds);

} // namespace HttpClient
