#include "desktop/portal/Portal.h"

#include "core/Logging.h"
#include "net/AsyncTask.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <QRandomGenerator>

namespace {

const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kSessionInterface = QStringLiteral("org.freedesktop.portal.Session");

} // namespace

const QString &Portal::service()
{
    static const QString name = QStringLiteral("org.freedesktop.portal.Desktop");
    return name;
}

const QString &Portal::path()
{
    static const QString name = QStringLiteral("/org/freedesktop/portal/desktop");
    return name;
}

void Portal::request(QDBusConnection bus, const QString &interface, const QString &method, QVariantList arguments,
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

bool Portal::meansNoPortal(const QDBusError &error)
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

Portal::Portal(QDBusConnection bus, QString interface, QObject *parent)
    : QObject(parent), m_bus(std::move(bus)), m_interface(std::move(interface))
{}

Portal::~Portal()
{
    if (!m_session.isEmpty())
        m_bus.asyncCall(
            QDBusMessage::createMethodCall(service(), m_session, kSessionInterface, QStringLiteral("Close")));
}

bool Portal::listen(const QString &signal, const char *slot)
{
    if (!m_bus.isConnected())
        return false;
    const bool listening = m_bus.connect(service(), path(), m_interface, signal, this, slot);
    if (!listening)
        qCWarning(lcPortal) << "Cannot listen for" << m_interface << signal << m_bus.lastError().message();
    return listening;
}

void Portal::request(const QString &method, QVariantList arguments, QVariantMap options, const char *responseSlot,
                     std::function<void(const QDBusError &)> failed)
{
    request(m_bus, m_interface, method, std::move(arguments), std::move(options), this, responseSlot,
            std::move(failed));
}

void Portal::openSession()
{
    if (!m_bus.isConnected())
        return;
    // A token of its own each time: one still open under the same token (not yet closed by a portal that
    // restarted) would be taken for this one.
    const QString token = QStringLiteral("tessellon%1").arg(QRandomGenerator::global()->generate());
    request(QStringLiteral("CreateSession"), {}, {{QStringLiteral("session_handle_token"), token}},
            SLOT(onSessionResponse(uint, QVariantMap)), [this](const QDBusError &error) {
                qCInfo(lcPortal) << "No session of" << m_interface << "here:" << error.name() << error.message();
                Q_EMIT sessionRefused();
            });
}

void Portal::onSessionResponse(uint response, const QVariantMap &results)
{
    if (response != 0) {
        qCInfo(lcPortal) << "A session of" << m_interface << "was refused:" << response;
        Q_EMIT sessionRefused();
        return;
    }
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    // Text by the interface's description; an object path from some portals.
    m_session = handle.metaType() == QMetaType::fromType<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                                            : handle.toString();
    m_bus.connect(service(), m_session, kSessionInterface, QStringLiteral("Closed"), this,
                  SLOT(onSessionClosed(QDBusMessage)));
    Q_EMIT sessionOpened();
}

void Portal::onSessionClosed(const QDBusMessage &message)
{
    if (message.path() != m_session)
        return;
    qCInfo(lcPortal) << "The portal closed the session of" << m_interface;
    m_bus.disconnect(service(), m_session, kSessionInterface, QStringLiteral("Closed"), this,
                     SLOT(onSessionClosed(QDBusMessage)));
    m_session.clear();
    Q_EMIT sessionClosed();
}
