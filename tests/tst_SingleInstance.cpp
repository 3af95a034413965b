#include "PrivateBus.h"
#include "TestHome.h"
#include "TestMain.h"

#include "desktop/session/SingleInstance.h"

#include <csignal>
#include <memory>
#include <vector>

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
std::unique_ptr<QProcess> launch(const QString &busAddress, const Activation &token = {},
                                 const QStringList &arguments = {})
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               busAddress.isEmpty() ? QStringLiteral("unix:path=/nonexistent/bus") : busAddress);
    env.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), token.activationToken);
    env.insert(QStringLiteral("DESKTOP_STARTUP_ID"), token.startupId);
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(TESSELLON_BINARY), arguments);
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

    // The command line, with and without an instance running: what it prints, how it ends, and whether the
    // running instance is still there afterwards.
    void commandLine_data()
    {
        // output: a part of what it prints, on either stream
        columns<bool, QStringList, int, QString, bool>("running", "arguments", "exitCode", "output", "runningAfter");
        testRow("--help", false, QStringList{"--help"}, 0, "--tab <name>", false);
        testRow("an unknown option", false, QStringList{"--bogus"}, 2, "Unknown option 'bogus'.", false);
        testRow("an unknown tab", false, QStringList{"--tab", "nope"}, 2, "Unknown tab \u201Cnope\u201D: choose one of",
                false);
        testRow("two verbs", true, QStringList{"--toggle", "--quit"}, 2, "Give one of", true);
        testRow("an argument", false, QStringList{"glyphs"}, 2, "Unexpected argument", false);
        testRow("--quit with nothing running", false, QStringList{"--quit"}, 0, "", false);
        testRow("--tab to the running instance", true, QStringList{"--tab", "glyphs"}, 0, "", true);
        testRow("--pick-color to the running instance", true, QStringList{"--pick-color"}, 0, "", true);
        testRow("--quit ends the running instance", true, QStringList{"--quit"}, 0, "", false);
    }

    void commandLine()
    {
        auto [running, arguments, exitCode, output, runningAfter] =
            fetch<bool, QStringList, int, QString, bool>("running", "arguments", "exitCode", "output", "runningAfter");
        std::unique_ptr<QProcess> first;
        if (running) {
            first = launch(m_address);
            QVERIFY(first->waitForStarted());
            QTRY_VERIFY(m_bus.connection().interface()->isServiceRegistered(SingleInstance::busName()));
        }
        auto verb = launch(m_address, {}, arguments);
        QVERIFY(verb->waitForFinished(30000));
        QCOMPARE(verb->exitCode(), exitCode);
        const QString printed = QString::fromUtf8(verb->readAllStandardOutput() + verb->readAllStandardError());
        QVERIFY2(printed.contains(output), qPrintable(printed));
        // Nothing started by the verb stays behind, and a running instance stays or goes as asked.
        if (first) {
            if (runningAfter)
                QCOMPARE(first->state(), QProcess::Running);
            else
                QVERIFY(first->waitForFinished(30000));
            first->terminate();
            QVERIFY(first->state() == QProcess::NotRunning || first->waitForFinished());
        }
        QTRY_VERIFY(!m_bus.connection().interface()->isServiceRegistered(SingleInstance::busName()));
    }
};

TESSELLON_TEST(tst_SingleInstance)
#include "tst_SingleInstance.moc"
