#pragma once
#include "TestMain.h"

// A D-Bus session bus of the test's own: no desktop service, and no other test's, can answer on it, and
// none is started by a call, whatever the machine has installed. It ends with the object.
class PrivateBus
{
public:
    explicit PrivateBus(QString connectionName) : m_name(std::move(connectionName)) {}

    ~PrivateBus()
    {
        QDBusConnection::disconnectFromBus(m_name);
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    // Starts the daemon and connects to it; false when either fails.
    bool start()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=" TESSELLON_TEST_DATA "/test-bus.conf"),
                        QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted())
            return false;
        const QDeadlineTimer deadline(10000);
        while (!m_daemon.canReadLine() && !deadline.hasExpired())
            m_daemon.waitForReadyRead(100);
        m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
        return !m_address.isEmpty() && connection().isConnected();
    }

    QString address() const { return m_address; }
    QDBusConnection connection() const { return QDBusConnection::connectToBus(m_address, m_name); }

private:
    QString m_name;
    QProcess m_daemon;
    QString m_address;
};
