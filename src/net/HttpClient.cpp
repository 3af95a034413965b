#include "net/HttpClient.h"

#include "core/Logging.h"
#include "net/AsyncTask.h"
#include "net/HttpTransport.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPointer>

namespace HttpClient {

namespace {

// A minute without a byte: long enough for any working server, short enough that a stalled one gives up.
constexpr int kInactivityTimeoutMs = 60000;

int &inactivityTimeout()
{
    static int timeout = kInactivityTimeoutMs;
    return timeout;
}

// The transport in use: one given by useTransport, else the module once loaded.
HttpTransport *&current()
{
    static HttpTransport *transport = nullptr;
    return transport;
}

// The transport, the module loaded on the first request from where it is installed beside the program (or,
// in the build tree, from beside the binary). Null when it cannot be had, and then `failure` says why.
HttpTransport *transport(QString &failure)
{
    HttpTransport *&loaded = current();
    static QString why;
    static bool tried = false;
    if (!loaded && !tried) {
        tried = true;
        const QString directory = QCoreApplication::applicationDirPath();
        for (const QString &candidate : {directory + QStringLiteral("/" TESSELLON_MODULE_DIR "/tessellon-http"),
                                         directory + QStringLiteral("/tessellon-http")}) {
            QLibrary module(candidate);
            if (const auto entry = reinterpret_cast<HttpTransportEntry>(module.resolve("tessellon_http_transport"))) {
                loaded = entry();
                break;
            }
            if (why.isEmpty())
                why = module.errorString();
        }
        if (!loaded)
            qCWarning(lcNetwork) << "Cannot load the network module:" << why;
    }
    failure = why;
    return loaded;
}

} // namespace

void useTransport(HttpTransport *transport)
{
    current() = transport;
}

void setInactivityTimeoutForTesting(int milliseconds)
{
    inactivityTimeout() = milliseconds;
}

AsyncTask *get(const QUrl &url, QObject *context, std::function<void(const Reply &)> done, qint64 maximumBytes)
{
    auto *task = new AsyncTask(context);
    QString failure;
    HttpTransport *http = transport(failure);
    if (!http) {
        Reply reply;
        reply.error =
            QCoreApplication::translate("HttpClient", "The program's network module is missing (%1).").arg(failure);
        task->finish([done = std::move(done), reply] { done(reply); });
        return task;
    }
    // Aborted by its owner (the stop below runs, and the transport still says it finished): no report.
    task->setStopper(http->get(url, inactivityTimeout(), maximumBytes,
                               [task = QPointer<AsyncTask>(task), done = std::move(done)](const Reply &reply) {
                                   if (task && !task->isFinished())
                                       task->finish([done, reply] { done(reply); });
                               }));
    return task;
}

} // namespace HttpClient
