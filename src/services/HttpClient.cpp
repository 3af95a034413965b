#include "services/HttpClient.h"

#include <QCoreApplication>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace HttpClient {

namespace {

// Matches the other platform's request timeout: 60 s without a byte.
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

void cancel(QNetworkReply *reply)
{
    if (!reply)
        return;
    reply->setProperty("tessellonCancelled", true);
    reply->abort();
}

void setInactivityTimeoutForTesting(int milliseconds)
{
    inactivityTimeout() = milliseconds;
}

QNetworkReply *get(const QUrl &url, QObject *context, std::function<void(const Reply &)> done, qint64 maximumBytes)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(inactivityTimeout());
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, true);
    QNetworkReply *reply = manager().get(request);

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

    QObject::connect(reply, &QNetworkReply::finished, context, [reply, tooLarge, maximumBytes, done = std::move(done)] {
        reply->deleteLater();
        Reply result;
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status.isValid())
            result.status = status.toInt();

        if (*tooLarge) {
            result.error =
                QStringLiteral("The reply is larger than %1, so it was not read.")
                    .arg(QLocale::c().formattedDataSize(maximumBytes, 0, QLocale::DataSizeTraditionalFormat));
            done(result);
            return;
        }
        if (reply->error() == QNetworkReply::OperationCanceledError) {
            // Either its owner cancelled it (which reports nothing) or the inactivity timeout struck.
            if (!reply->property("tessellonCancelled").toBool()) {
                result.error = QStringLiteral("The request timed out.");
                done(result);
            }
            return;
        }
        if (result.status && !isSuccessStatus(*result.status)) {
            result.outcome = Reply::Outcome::badStatus;
            done(result);
            return;
        }
        if (reply->error() != QNetworkReply::NoError) {
            result.error = reply->errorString();
            done(result);
            return;
        }
        result.outcome = Reply::Outcome::ok;
        result.body = reply->readAll();
        done(result);
    });
    return reply;
}

} // namespace HttpClient
