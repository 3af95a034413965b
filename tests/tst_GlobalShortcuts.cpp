#include "FakePortal.h"
#include "PrivateBus.h"
#include "TestHome.h"
#include "TestMain.h"

#include "desktop/portal/GlobalShortcuts.h"

// Stands in for the portal's GlobalShortcuts interface, on a connection of its own: answers CreateSession and
// BindShortcuts on the request paths the caller asked for, and can fire Activated and end the session.
class FakeShortcutsPortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")

public:
    explicit FakeShortcutsPortal(QDBusConnection bus) : m_bus(std::move(bus)) { PortalShortcut::registerTypes(); }

    QString session = QStringLiteral("/org/freedesktop/portal/desktop/session/1_2/tessellon");
    QStringList bound; // "id: description (trigger)"
    int sessions = 0;
    FakeClosable sessionObject;

    void closeSession()
    {
        QDBusMessage signal = QDBusMessage::createSignal(session, QStringLiteral("org.freedesktop.portal.Session"),
                                                         QStringLiteral("Closed"));
        signal << QVariantMap();
        m_bus.send(signal);
    }

    void activate(const QString &sessionPath, const QString &id)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                         QStringLiteral("org.freedesktop.portal.GlobalShortcuts"),
                                                         QStringLiteral("Activated"));
        signal << QVariant::fromValue(QDBusObjectPath(sessionPath)) << id << qulonglong(0) << QVariantMap();
        m_bus.send(signal);
    }

public Q_SLOTS:
    QDBusObjectPath CreateSession(const QVariantMap &options)
    {
        if (sessions++ == 0)
            m_bus.registerObject(session, QStringLiteral("org.freedesktop.portal.Session"), &sessionObject,
                                 QDBusConnection::ExportAllSlots);
        return respond(options, {{QStringLiteral("session_handle"), session}});
    }

    QDBusObjectPath BindShortcuts(const QDBusObjectPath &, const QList<PortalShortcut> &shortcuts, const QString &,
                                  const QVariantMap &options)
    {
        for (const PortalShortcut &entry : shortcuts)
            bound.append(QStringLiteral("%1: %2 (%3)")
                             .arg(entry.id, entry.properties.value(QStringLiteral("description")).toString(),
                                  entry.properties.value(QStringLiteral("preferred_trigger")).toString()));
        return respond(options, {});
    }

private:
    QDBusObjectPath respond(const QVariantMap &options, const QVariantMap &results)
    {
        const QString path = FakePortal::requestPath(message(), options);
        FakePortal::respondLater(this, m_bus, path, 0, results);
        return QDBusObjectPath(path);
    }

    QDBusConnection m_bus;
};

class tst_GlobalShortcuts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // With a portal: a session, both shortcuts bound with their suggestions, and Activated of our session
    // (only) reported; a session the portal ends is asked for again and bound anew, and the one open when the
    // program ends is closed. Without a portal: nothing bound, nothing reported, nothing broken.
    void bindAndActivate_data()
    {
        QTest::addColumn<bool>("portal");
        QTest::newRow("a portal with global shortcuts") << true;
        QTest::newRow("no portal") << false;
    }

    void bindAndActivate()
    {
        QFETCH(bool, portal);
        PrivateBus bus(QStringLiteral("portal-side"));
        QVERIFY(bus.start());
        FakeShortcutsPortal fake(bus.connection());
        if (portal) {
            QVERIFY(bus.connection().registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
            QVERIFY(bus.connection().registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &fake,
                                                    QDBusConnection::ExportAllSlots));
        }
        QDBusConnection app = QDBusConnection::connectToBus(bus.address(), QStringLiteral("app-side"));
        {
            GlobalShortcuts shortcuts(app);
            QSignalSpy bound(&shortcuts, &GlobalShortcuts::boundChanged);
            QSignalSpy activated(&shortcuts, &GlobalShortcuts::activated);
            shortcuts.start(
                {{QStringLiteral("open"), QStringLiteral("Open Tessellon"), QStringLiteral("CTRL+ALT+T")},
                 {QStringLiteral("pick-color"), QStringLiteral("Pick Color"), QStringLiteral("CTRL+ALT+C")}});
            if (portal) {
                QVERIFY(bound.wait());
                QVERIFY(shortcuts.isBound());
                QCOMPARE(fake.bound,
                         (QStringList{"open: Open Tessellon (CTRL+ALT+T)", "pick-color: Pick Color (CTRL+ALT+C)"}));
                fake.activate(QStringLiteral("/org/freedesktop/portal/desktop/session/other"), QStringLiteral("open"));
                fake.activate(fake.session, QStringLiteral("pick-color"));
                QVERIFY(activated.wait());
                QCOMPARE(activated.takeFirst().at(0).toString(), QStringLiteral("pick-color"));
                QVERIFY(activated.isEmpty());
                fake.closeSession();
                QVERIFY(bound.wait());
                QVERIFY(!shortcuts.isBound());
                QTRY_VERIFY_WITH_TIMEOUT(shortcuts.isBound(), 10000);
                QCOMPARE(fake.sessions, 2);
                QCOMPARE(fake.bound.size(), 4);
            } else {
                // The failed call is answered at once by the bus; give it the event loop to land in.
                QVERIFY(!bound.wait(250));
                QVERIFY(!shortcuts.isBound());
            }
        }
        QTRY_COMPARE(fake.sessionObject.closes, portal ? 1 : 0);
        QDBusConnection::disconnectFromBus(QStringLiteral("app-side"));
    }
};

TESSELLON_TEST(tst_GlobalShortcuts)
#include "tst_GlobalShortcuts.moc"
