#include "desktop/TrayWatch.h"

#include "desktop/x11/X11.h"

#include "core/Logging.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
constexpr int kWatcherAnswerMs = 2000;
// XEmbed trays have no signal of their own to wait for; a look every few seconds is cheap.
constexpr int kXembedPollMs = 3000;
constexpr int kHostPollMs = 1000;

} // namespace

TrayWatch::TrayWatch(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus),
      m_watcher(new QDBusServiceWatcher(
          kWatcherService, bus, QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration,
          this))
{
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        update(hostRegistered(m_bus), m_xembed);
        if (!m_statusNotifier)
            m_hostPoll.start();
    });
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        m_hostPoll.stop();
        update(false, m_xembed);
    });
    m_hostPoll.setInterval(kHostPollMs);
    connect(&m_hostPoll, &QTimer::timeout, this, [this] {
        if (hostRegistered(m_bus))
            update(true, m_xembed);
    });
    if (m_bus.isConnected())
        m_bus.connect(kWatcherService, kWatcherPath, kWatcherService, QStringLiteral("StatusNotifierHostRegistered"),
                      this, SLOT(onHostRegistered()));
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    m_statusNotifier = hostRegistered(m_bus);
    if (!m_statusNotifier && m_bus.isConnected() && m_bus.interface()->isServiceRegistered(kWatcherService))
        m_hostPoll.start();
    m_xembed = x11 && X11::xembedTrayOwned();
    if (x11) {
        m_xembedPoll.setInterval(kXembedPollMs);
        connect(&m_xembedPoll, &QTimer::timeout, this, [this] { update(m_statusNotifier, X11::xembedTrayOwned()); });
        if (!isAvailable())
            m_xembedPoll.start();
    }
}

void TrayWatch::onHostRegistered()
{
    update(true, m_xembed);
}

bool TrayWatch::hostRegistered(const QDBusConnection &bus)
{
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kWatcherService))
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        kWatcherService, kWatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get.setArguments({kWatcherService, QStringLiteral("IsStatusNotifierHostRegistered")});
    const QDBusMessage reply = bus.call(get, QDBus::Block, kWatcherAnswerMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        qCWarning(lcDesktop) << "The tray's watcher did not say whether a tray shows icons:" << reply.errorMessage();
    return reply.type() == QDBusMessage::ReplyMessage &&
           reply.arguments().value(0).value<QDBusVariant>().variant().toBool();
}

void TrayWatch::update(bool statusNotifier, bool xembed)
{
    const bool before = isAvailable();
    m_statusNotifier = statusNotifier;
    m_xembed = xembed;
    if (statusNotifier)
        m_hostPoll.stop();
    // Once an icon has been docked, Qt follows an XEmbed tray that restarts on its own; the look is only
    // needed while there is no tray.
    if (isAvailable())
        m_xembedPoll.stop();
    if (isAvailable() != before)
        Q_EMIT availabilityChanged(isAvailable());
}
