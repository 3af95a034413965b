#include "desktop/portal/PortalCall.h"

#include "net/AsyncTask.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
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
          std::function<void(const QDBusError &)> failed, std::function<void()> accepted)
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
    // The watcher does not die with the receiver: an answer that comes after it has gone must still be seen,
    // to close the request it opened.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [watcher, bus, requestPath, owner = QPointer<QObject>(receiver), responseSlot,
                      failed = std::move(failed), accepted = std::move(accepted)] {
                         watcher->deleteLater();
                         QDBusPendingReply<QDBusObjectPath> reply = *watcher;
                         if (reply.isError()) {
                             if (owner)
                                 failed(reply.error());
                             return;
                         }
                         const QString actual = reply.value().path();
                         // A task that has already reported (it gave up waiting) is as gone as a deleted one.
                         const auto *task = qobject_cast<const AsyncTask *>(owner.data());
                         if (!owner || (task && task->isFinished())) {
                             QDBusConnection(bus).asyncCall(QDBusMessage::createMethodCall(
                                 service(), actual, kRequestInterface, QStringLiteral("Close")));
                             return;
                         }
                         if (actual != requestPath)
                             QDBusConnection(bus).connect(service(), actual, kRequestInterface,
                                                          QStringLiteral("Response"), owner, responseSlot);
                         if (accepted)
                             accepted();
                     });
}

bool meansNoPortal(const QDBusError &error)
{
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
    case QDBusError::Disconnected:
        return true;
    default:
        // A portal whose activation failed (not installed properly, no backend) is as good as none.
        return error.name().startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn."));
    }
}

} // namespace PortalCall
