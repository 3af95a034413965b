#include "net/HttpClient.h"

#include "core/Logging.h"
#include "net/AsyncTask.h"

#include <QCoreApplication>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

#include <memory>

namespace HttpClient {

namespace {

// A minute without a byte: long enough for any working server, short enough that a stalled one gives up.
constexpr int kInactivityTimeoutMs = 60000;

int &inactivityTimeout()
{
    static int timeout = kInactivityTimeoutMs;
    return timeout;
}

} // namespace

QNetworkAccessManager &manager()
{
    // Owned by the application object, so it goes before Qt's network internals do at exit.
    static QPointer<QNetworkAccessManager> instance;
    if (!instance) {
        instance = new QNetworkAccessManager(QCoreApplication::instance());
        instance->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    }
    return *instance;
}

void setInactivityTimeoutForTesting(int milliseconds)
{
    inactivityTimeout() = milliseconds;
}

AsyncTask *get(const QUrl &url, QObject *context, std::function<void(const Reply &)> done, qint64 maximumBytes)
{
    auto *task = new AsyncTask(context);
    QNetworkRequest request(url);
    request.setTransferTimeout(inactivityTimeout());
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, true);
    QNetworkReply *reply = manager().get(request);
    task->setStopper([reply] {
        reply->abort();
        reply->deleteLater();
    });

    // Set when the body grows past the limit; the reply is then aborted and reports this instead.
    auto tooLarge = std::make_shared<bool>(false);
    auto check = [reply, maximumBytes, tooLarge] {
        const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (announced > maximumBytes || reply->bytesAvailable() > maximumBytes) {
            *tooLarge = true;
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, check);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, check);

    QObject::connect(
        reply, &QNetworkReply::finished, task, [task, reply, tooLarge, maximumBytes, done = std::move(done)] {
            reply->deleteLater();
            // Aborted by its owner: no report.
            if (task->isFinished())
                return;
            Reply result;
            const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
            if (status.isValid())
                result.status = status.toInt();

            if (*tooLarge) {
                result.error =
                    QCoreApplication::translate("HttpClient", "The reply is larger than %1, so it was not read.")
                        .arg(QLocale::c().formattedDataSize(maximumBytes, 0, QLocale::DataSizeTraditionalFormat));
            } else if (reply->error() == QNetworkReply::OperationCanceledError) {
                // Only the inactivity timeout aborts a reply that its owner still waits for.
                result.error = QCoreApplication::translate("HttpClient", "The request timed out.");
            } else if (result.status && !isSuccessStatus(*result.status)) {
                result.outcome = Reply::Outcome::badStatus;
            } else if (reply->error() != QNetworkReply::NoError) {
                result.error = reply->errorString();
            } else {
                result.outcome = Reply::Outcome::ok;
                result.body = reply->readAll();
            }
            if (result.outcome != Reply::Outcome::ok)
                qCDebug(lcNetwork) << "GET" << reply->url().toDisplayString() << "status" << result.status.value_or(0)
                                   << result.error;
            task->finish([done, result = std::move(result)] { done(result); });
        });
    return task;
}

} // namespace HttpClient
