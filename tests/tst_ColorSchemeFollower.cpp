// The desktop's light/dark choice, served by a stand-in for the desktop portal on a private bus.

#include "PrivateBus.h"
#include "TestHome.h"
#include "TestMain.h"

#include "desktop/portal/ColorSchemeFollower.h"

// The Settings interface of the portal, as far as appearance goes. Older portals answer Read() with the
// value wrapped in a second variant; `wrapTwice` plays one of those.
class FakeSettingsPortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    uint colorScheme = 0;
    bool wrapTwice = false;
    // Holds the answer to the next Read back until answerHeldRead().
    bool holdRead = false;
    int reads = 0;
    QString lastRead;

    void answerHeldRead()
    {
        m_held.first.send(
            m_held.second.createReply(QVariant::fromValue(QDBusVariant(QVariant::fromValue(colorScheme)))));
    }

public Q_SLOTS:
    QDBusVariant Read(const QString &group, const QString &key)
    {
        ++reads;
        lastRead = group + QLatin1Char(' ') + key;
        if (std::exchange(holdRead, false)) {
            setDelayedReply(true);
            m_held = {connection(), message()};
            return {};
        }
        const QDBusVariant value(QVariant::fromValue(colorScheme));
        return wrapTwice ? QDBusVariant(QVariant::fromValue(value)) : value;
    }

private:
    std::pair<QDBusConnection, QDBusMessage> m_held{QDBusConnection(QString()), {}};

Q_SIGNALS:
    void SettingChanged(const QString &group, const QString &key, const QDBusVariant &value);
};

class tst_ColorSchemeFollower : public QObject
{
    Q_OBJECT

    PrivateBus m_bus{QStringLiteral("portal")};
    std::unique_ptr<QDBusConnection> m_connection;
    FakeSettingsPortal m_portal;
    QPalette m_light;

    // The follower's own connection to the bus, as the program has: a stand-in that shared the test's
    // connection would deliver its signals without them ever crossing the bus, and hide a subscription that
    // the bus refused.
    QDBusConnection ownConnection()
    {
        static int count = 0;
        return QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("follower-%1").arg(++count));
    }

    static bool appIsDark() { return QApplication::palette().color(QPalette::Window).lightness() < 128; }

    void announce(const QString &group, const QString &key, uint value)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                         QStringLiteral("org.freedesktop.portal.Settings"),
                                                         QStringLiteral("SettingChanged"));
        signal.setArguments({group, key, QVariant::fromValue(QDBusVariant(QVariant::fromValue(value)))});
        QVERIFY(m_connection->send(signal));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        m_light = QApplication::style()->standardPalette();
        QVERIFY(m_bus.start());
        m_connection = std::make_unique<QDBusConnection>(m_bus.connection());
        QVERIFY(m_connection->registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &m_portal,
                                             QDBusConnection::ExportAllSlots));
        QVERIFY(m_connection->registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    }

    void cleanupTestCase() { m_connection.reset(); }

    void init() { QApplication::setPalette(m_light); }

    void startsOnTheDesktopsChoice_data()
    {
        columns<uint, bool, bool>("colorScheme", "wrapTwice", "dark");

        QTest::newRow("prefer dark") << 1u << false << true;
        QTest::newRow("prefer dark, older portal") << 1u << true << true;
        QTest::newRow("prefer light") << 2u << false << false;
        QTest::newRow("no preference") << 0u << false << false;
        QTest::newRow("unknown value") << 7u << true << false;
    }

    void startsOnTheDesktopsChoice()
    {
        auto [colorScheme, wrapTwice, dark] = fetch<uint, bool, bool>("colorScheme", "wrapTwice", "dark");
        m_portal.colorScheme = colorScheme;
        m_portal.wrapTwice = wrapTwice;
        const int readsBefore = m_portal.reads;

        ColorSchemeFollower follower(ownConnection());
        QSignalSpy changed(&follower, &ColorSchemeFollower::schemeChanged);
        QTRY_COMPARE(m_portal.reads, readsBefore + 1);
        QCOMPARE(m_portal.lastRead, QStringLiteral("org.freedesktop.appearance color-scheme"));
        if (colorScheme == 1 || colorScheme == 2)
            QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(appIsDark(), dark);
        // The desktop's accent stays the accent.
        QCOMPARE(QApplication::palette().color(QPalette::Highlight), m_light.color(QPalette::Highlight));
    }

    // The first Read answers late, after a change was announced: the change stands.
    void aLateFirstAnswerDoesNotUndoAChange()
    {
        m_portal.colorScheme = 0;
        m_portal.holdRead = true;
        const int readsBefore = m_portal.reads;
        ColorSchemeFollower follower(ownConnection());
        QTRY_COMPARE(m_portal.reads, readsBefore + 1);
        announce(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), 1);
        QTRY_VERIFY(appIsDark());
        QSignalSpy changed(&follower, &ColorSchemeFollower::schemeChanged);
        m_portal.answerHeldRead();
        QVERIFY(!changed.wait(300));
        QVERIFY(appIsDark());
        announce(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), 0);
        QTRY_VERIFY(!appIsDark());
    }

    // A dark platform palette (KDE's, read once at start) is left alone for dark; for light, which Qt would
    // never give back, a light one of ours: Breeze's in a KDE session.
    void aDarkPlatformPaletteIsLeftAlone()
    {
        QPalette platformDark = ColorSchemeFollower::darkPalette(Qt::magenta);
        platformDark.setColor(QPalette::Window, QColor(0x10, 0x20, 0x30));
        QApplication::setPalette(platformDark);
        m_portal.colorScheme = 1;
        ColorSchemeFollower follower(ownConnection());
        QSignalSpy changed(&follower, &ColorSchemeFollower::schemeChanged);
        QVERIFY(changed.wait(5000));
        QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(0x10, 0x20, 0x30));
        qputenv("KDE_FULL_SESSION", "true");
        const auto plain = qScopeGuard([] { qunsetenv("KDE_FULL_SESSION"); });
        announce(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), 2);
        QTRY_COMPARE(QApplication::palette().color(QPalette::Window), QColor(0xef, 0xf0, 0xf1));
    }

    // A KDE account whose settings name colours keeps them (a new one's name none: Breeze's, which the
    // Plasma run checks).
    void startingPaletteOfAKdeAccount()
    {
        qputenv("KDE_FULL_SESSION", "true");
        const auto plain = qScopeGuard([] { qunsetenv("KDE_FULL_SESSION"); });
        QFile globals(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/kdeglobals"));
        QVERIFY(globals.open(QIODevice::WriteOnly) && globals.write("[Colors:Window]\nBackgroundNormal=1,2,3\n") > 0);
        globals.close();
        QCOMPARE(ColorSchemeFollower::startingPalette(), QApplication::palette());
        globals.remove();
    }
};

TESSELLON_TEST(tst_ColorSchemeFollower)
#include "tst_ColorSchemeFollower.moc"
