#include "PrivateBus.h"
#include "TestHome.h"

#include "app/SingleInstance.h"

#include <QDBusConnectionInterface>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <memory>
#include <vector>

static TestHome testHome;

// QCOMPARE for a lambda that returns a value: it returns an empty one on failure.
#define QCOMPARE_OR_RETURN(actual, expected)                                                                           \
    do {                                                                                                               \
        if (!QTest::qCompare(actual, expected, #actual, #expected, __FILE__, __LINE__))                                \
            return {};                                                                                                 \
    } while (false)

namespace {

using Activation = SingleInstance::Activation;

QString runtimeDir()
{
    return testHome.path() + QStringLiteral("/runtime");
}

// The real program, launched as a desktop would: with or without a session bus.
std::unique_ptr<QProcess> launch(const QString &busAddress, const Activation &token = {})
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               busAddress.isEmpty() ? QStringLiteral("unix:path=/nonexistent/bus") : busAddress);
    env.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), token.activationToken);
    env.insert(QStringLiteral("DESKTOP_STARTUP_ID"), token.startupId);
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(TESSELLON_BINARY), QStringList());
    return process;
}

} // namespace

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private:
    PrivateBus m_bus{QStringLiteral("single-instance-test")};
    QString m_address;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
        m_address = m_bus.address();
    }

    void cleanup()
    {
        QFile::remove(runtimeDir() + QStringLiteral("/tessellon.lock"));
        QFile::remove(runtimeDir() + QStringLiteral("/tessellon.socket"));
    }

    // With a bus, the name decides; without one, the lock file. Either way a later launch hands its tokens
    // to the running instance and ends.
    void laterLaunchesHandOver_data()
    {
        QTest::addColumn<bool>("bus");
        QTest::newRow("session bus") << true;
        QTest::newRow("no session bus: lock file and socket") << false;
    }

    void laterLaunchesHandOver()
    {
        QFETCH(bool, bus);
        auto connection = [&](const char *name) {
            return bus ? QDBusConnection::connectToBus(m_address, QString::fromLatin1(name))
                       : QDBusConnection(QStringLiteral("none"));
        };
        SingleInstance first(connection("first"), runtimeDir());
        QCOMPARE(first.claim({}), SingleInstance::Outcome::primary);
        QSignalSpy activated(&first, &SingleInstance::activated);
        for (const Activation &token : {Activation{QStringLiteral("wayland-token-1"), QString()},
                                        Activation{QString(), QStringLiteral("x11-startup_TIME42")}, Activation{}}) {
            SingleInstance later(connection("later"), runtimeDir());
            QCOMPARE(later.claim(token), SingleInstance::Outcome::forwarded);
            QTRY_COMPARE(activated.count(), 1);
            QCOMPARE(activated.takeFirst().at(0).value<Activation>(), token);
            QDBusConnection::disconnectFromBus(QStringLiteral("later"));
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("first"));
    }

    // Launches of the real program at the same moment leave exactly one running; and one that crashed
    // leaves nothing in the way of the next (its lock and socket are taken over).
    void simultaneousLaunchesLeaveOne_data() { laterLaunchesHandOver_data(); }

    void simultaneousLaunchesLeaveOne()
    {
        QFETCH(bool, bus);
        const QString address = bus ? m_address : QString();
        // All but one hand over and end well; the one left owns the name.
        auto oneSurvives = [&](int count) -> std::unique_ptr<QProcess> {
            std::vector<std::unique_ptr<QProcess>> launches;
            for (int i = 0; i < count; ++i)
                launches.push_back(launch(address, {QStringLiteral("token-%1").arg(i), QString()}));
            auto ended = [&] {
                return std::count_if(launches.begin(), launches.end(),
                                     [](const auto &p) { return p->state() == QProcess::NotRunning; });
            };
            const QDeadlineTimer deadline(30000);
            while (ended() < count - 1 && !deadline.hasExpired())
                QTest::qWait(20);
            QCOMPARE_OR_RETURN(ended(), qsizetype(count - 1));
            std::unique_ptr<QProcess> survivor;
            for (auto &process : launches) {
                if (process->state() == QProcess::NotRunning)
                    QCOMPARE_OR_RETURN(process->exitCode(), 0);
                else
                    survivor = std::move(process);
            }
            if (bus) {
                const auto owner = m_bus.connection().interface()->servicePid(SingleInstance::busName());
                QCOMPARE_OR_RETURN(qint64(owner.value()), survivor->processId());
            }
            return survivor;
        };
        std::unique_ptr<QProcess> survivor = oneSurvives(4);
        QVERIFY(survivor);
        // Killed hard, it leaves its lock file and socket behind; launches after it go on all the same.
        ::kill(pid_t(survivor->processId()), SIGKILL);
        QVERIFY(survivor->waitForFinished());
        survivor = oneSurvives(2);
        QVERIFY(survivor);
        survivor->terminate();
        QVERIFY(survivor->waitForFinished());
    }
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_SingleInstance.moc"
