#include "desktop/portal/GlobalShortcuts.h"

#include "core/Logging.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QTimer>

namespace {

const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
constexpr int kReopenMs = 1000;

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

GlobalShortcuts::GlobalShortcuts(QDBusConnection bus, QObject *parent) : Portal(std::move(bus), kInterface, parent)
{
    PortalShortcut::registerTypes();
    connect(this, &Portal::sessionOpened, this, &GlobalShortcuts::bind);
    // A session the portal ended (it restarted, or the user revoked it) takes the shortcuts with it: ask for
    // a new one a moment later, once a restarting portal is back.
    connect(this, &Portal::sessionClosed, this, [this] {
        setBound(false);
        QTimer::singleShot(kReopenMs, this, &Portal::openSession);
    });
}

void GlobalShortcuts::start(const QList<Shortcut> &shortcuts)
{
    m_shortcuts = shortcuts;
    if (!bus().isConnected())
        return;
    listen(QStringLiteral("Activated"), SLOT(onActivated(QDBusMessage)));
    openSession();
}

void GlobalShortcuts::bind()
{
    QList<PortalShortcut> entries;
    for (const Shortcut &shortcut : m_shortcuts)
        entries.append({shortcut.id,
                        {{QStringLiteral("description"), shortcut.description},
                         {QStringLiteral("preferred_trigger"), shortcut.preferredTrigger}}});
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(session())), QVariant::fromValue(entries), QString()}, {},
            SLOT(onBindResponse(uint, QVariantMap)), [](const QDBusError &error) {
                qCInfo(lcPortal) << "BindShortcuts failed:" << error.name() << error.message();
            });
}

void GlobalShortcuts::onBindResponse(uint response, const QVariantMap &)
{
    if (response != 0)
        qCInfo(lcPortal) << "The global shortcuts were not bound:" << response;
    setBound(response == 0);
}

void GlobalShortcuts::setBound(bool bound)
{
    m_bound = bound;
    Q_EMIT boundChanged();
}

void GlobalShortcuts::onActivated(const QDBusMessage &message)
{
    // Activated(o session_handle, s shortcut_id, t timestamp, a{sv} options): only our own session's.
    const QVariantList arguments = message.arguments();
    if (arguments.size() >= 2 && !session().isEmpty() && arguments[0].value<QDBusObjectPath>().path() == session())
        Q_EMIT activated(arguments[1].toString());
}
