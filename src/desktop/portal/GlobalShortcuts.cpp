#include "desktop/portal/GlobalShortcuts.h"

#include "core/Logging.h"
#include "desktop/portal/PortalCall.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>

namespace {

const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

} // namespace

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

void PortalShortcut::registerTypes()
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
}

GlobalShortcuts::GlobalShortcuts(QDBusConnection bus, QObject *parent) : QObject(parent), m_bus(std::move(bus))
{
    PortalShortcut::registerTypes();
}

void GlobalShortcuts::start(const QList<Shortcut> &shortcuts)
{
    m_shortcuts = shortcuts;
    if (!m_bus.isConnected())
        return;
    const bool listening = m_bus.connect(PortalCall::service(), PortalCall::path(), kInterface,
                                         QStringLiteral("Activated"), this, SLOT(onActivated(QDBusMessage)));
    if (!listening)
        qCWarning(lcPortal) << "Cannot listen for global shortcuts:" << m_bus.lastError().message();
    PortalCall::call(m_bus, kInterface, QStringLiteral("CreateSession"), {},
                     {{QStringLiteral("session_handle_token"), QStringLiteral("tessellon")}}, this,
                     SLOT(onSessionResponse(uint, QVariantMap)), [](const QDBusError &error) {
                         qCInfo(lcPortal) << "No global shortcuts here:" << error.name() << error.message();
                     });
}

void GlobalShortcuts::onSessionResponse(uint response, const QVariantMap &results)
{
    if (response != 0) {
        qCInfo(lcPortal) << "The global shortcuts session was refused:" << response;
        return;
    }
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    // Text by the interface's description; an object path from some portals.
    m_session = handle.metaType() == QMetaType::fromType<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                                            : handle.toString();
    QList<PortalShortcut> entries;
    for (const Shortcut &shortcut : m_shortcuts)
        entries.append({shortcut.id,
                        {{QStringLiteral("description"), shortcut.description},
                         {QStringLiteral("preferred_trigger"), shortcut.preferredTrigger}}});
    PortalCall::call(m_bus, kInterface, QStringLiteral("BindShortcuts"),
                     {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(entries), QString()}, {},
                     this, SLOT(onBindResponse(uint, QVariantMap)), [](const QDBusError &error) {
                         qCInfo(lcPortal) << "BindShortcuts failed:" << error.name() << error.message();
                     });
}

void GlobalShortcuts::onBindResponse(uint response, const QVariantMap &)
{
    m_bound = response == 0;
    if (!m_bound)
        qCInfo(lcPortal) << "The global shortcuts were not bound:" << response;
    Q_EMIT boundChanged();
}

void GlobalShortcuts::onActivated(const QDBusMessage &message)
{
    // Activated(o session_handle, s shortcut_id, t timestamp, a{sv} options): only our own session's.
    const QVariantList arguments = message.arguments();
    if (arguments.size() >= 2 && arguments[0].value<QDBusObjectPath>().path() == m_session)
        Q_EMIT activated(arguments[1].toString());
}
