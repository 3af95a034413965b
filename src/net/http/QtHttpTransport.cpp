#include "net/HttpTransport.h"

#include <QCoreApplication>
#include <QLocale>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

#include <memory>

namespace {

// The module's own handle on the program's network category (the module is loaded apart from it).
Q_LOGGING_CATEGORY(lcHttp, "tessellon.network", QtWarningMsg)

class QtHttpTransport final : public HttpTransport
{
public:
    std::function<void()> get(const QUrl &url, int inactivityMs, qint64 maximumBytes,
                              std::function<void(const HttpClient::Reply &)> finished) override
    {
        QNetworkRequest request(url);
        request.setTransferTimeout(inactivityMs);
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
        QObject::connect(reply, &QNetworkReply::finished, reply, [reply, tooLarge, maximumBytes, finished] {
            reply->deleteLater();
            finished(result(reply, *tooLarge, maximumBytes));
        });
        return [reply = QPointer<QNetworkReply>(reply)] {
            if (reply) {
                reply->abort();
                reply->deleteLater();
            }
        };
    }

private:
    static QNetworkAccessManager &manager()
    {
        // Owned by the application object, so it goes before Qt's network internals do at exit; and gone when
        // the event loop ends, while the application still stands: its own thread, left running into the
        // application's destruction, may deliver an event after the application has gone.
        static QPointer<QNetworkAccessManager> instance;
        if (!instance) {
            instance = new QNetworkAccessManager(QCoreApplication::instance());
            instance->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, instance,
                             &QObject::deleteLater);
        }
        return *instance;
    }

    static HttpClient::Reply result(QNetworkReply *reply, bool tooLarge, qint64 maximumBytes)
    {
        HttpClient::Reply result;
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status.isValid())
            result.status = status.toInt();
        if (tooLarge) {
            result.error =
                QCoreApplication::translate("HttpClient", "The reply is larger than %1, so it was not read.")
                    .arg(QLocale::c().formattedDataSize(maximumBytes, 0, QLocale::DataSizeTraditionalFormat));
        } else if (reply->error() == QNetworkReply::OperationCanceledError) {
            // Only the inactivity timeout aborts a reply that its owner still waits for.
            result.error = QCoreApplication::translate("HttpClient", "The request timed out.");
        } else if (result.status && !HttpClient::isSuccessStatus(*result.status)) {
            result.outcome = HttpClient::Reply::Outcome::badStatus;
        } else if (reply->error() != QNetworkReply::NoError) {
            result.error = reply->errorString();
        } else {
            result.outcome = HttpClient::Reply::Outcome::ok;
            result.body = reply->readAll();
        }
        if (result.outcome != HttpClient::Reply::Outcome::ok)
            qCDebug(lcHttp) << "GET" << reply->url().toDisplayString() << "status" << result.status.value_or(0)
                            << result.error;
        return result;
    }
};

QtHttpTransport &transport()
{
    static QtHttpTransport instance;
    return instance;
}

} // namespace

extern "C" Q_DECL_EXPORT HttpTransport *tessellon_http_transport()
{
    return &transport();
}
