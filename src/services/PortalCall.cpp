#include "services/PortalCall.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QRandomGenerator>

namespace PortalCall {

namespace {

const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

} // namespace

const QString &service()
{
    static const QString name = QStringLiteral("org.freedesktop.portal.Desktop");
    return name;
}

const QString &path()
{
    static const QString name = QStringLiteral("/org/freedesktop/portal/desktop");
    return name;
}

void call(QDBusConnection bus, const QString &interface, const QString &method, QVariantList arguments,
          QVariantMap options, QObject *receiver, const char *responseSlot,
          std::function<void(const QDBusError &)> failed)
{
    const QString token = QStringLiteral("tessellon%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    const QString requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    bus.connect(service(), requestPath, kRequestInterface, QStringLiteral("Response"), receiver, responseSlot);

    QDBusMessage message = QDBusMessage::createMethodCall(service(), path(), interface, method);
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    message.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), receiver);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, receiver,
                     [watcher, bus, requestPath, receiver, responseSlot, failed = std::move(failed)] {
                         watcher->deleteLater();
                         QDBusPendingReply<QDBusObjectPath> reply = *watcher;
                         if (reply.isError()) {
                             failed(reply.error());
                             return;
                         }
                         const QString actual = reply.value().path();
                         if (actual != requestPath)
                             QDBusConnection(bus).connect(service(), actual, kRequestInterface,
                                                          QStringLiteral("Response"), receiver, responseSlot);
                     });
}

} // namespace PortalCall
