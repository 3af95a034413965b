#include "FakePortal.h"
#include "PrivateBus.h"
#include "TestHome.h"
#include "TestMain.h"

#include "picking/ScreenColorPicker.h"

using Outcome = ScreenColorPicker::PickResult::Outcome;
Q_DECLARE_METATYPE(ScreenColorPicker::PickResult::Outcome)

// Stands in for the desktop portal's Screenshot interface: answers PickColor on the request path the caller
// asked for, with a scripted response, or (`hang`) keeps the call waiting until release().
class FakeScreenshotPortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    explicit FakeScreenshotPortal(QDBusConnection bus) : m_bus(std::move(bus)) {}

    uint response = 0;
    bool hang = false;
    FakeClosable request;

    // Takes the held call at last, as a portal that has finally started would.
    void release()
    {
        QVERIFY(m_bus.registerObject(m_heldPath, QStringLiteral("org.freedesktop.portal.Request"), &request,
                                     QDBusConnection::ExportAllSlots));
        m_bus.send(m_held.createReply(QVariant::fromValue(QDBusObjectPath(m_heldPath))));
    }

public Q_SLOTS:
    QDBusObjectPath PickColor(const QString &, const QVariantMap &options)
    {
        const QString path = FakePortal::requestPath(message(), options);
        if (hang) {
            setDelayedReply(true);
            m_held = message();
            m_heldPath = path;
            return {};
        }
        QDBusArgument color;
        color.beginStructure();
        color << 0.1 << 0.2 << 0.3;
        color.endStructure();
        QVariantMap results;
        if (response == 0)
            results.insert(QStringLiteral("color"), QVariant::fromValue(color));
        FakePortal::respondLater(this, m_bus, path, response, results);
        return QDBusObjectPath(path);
    }

private:
    QDBusConnection m_bus;
    QDBusMessage m_held;
    QString m_heldPath;
};

class tst_ScreenColorPicker : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<FakeScreenshotPortal> m_portal;
    QString m_activationMarker;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "needs the X server the test command starts");
        // A portal installed on the machine, as one is on most desktops: the test's bus must never start it.
        m_activationMarker = testHome.path() + QStringLiteral("/portal-was-started");
        const QString services = testHome.path() + QStringLiteral("/.local/share/dbus-1/services");
        QVERIFY(QDir().mkpath(services));
        QFile service(services + QStringLiteral("/org.freedesktop.portal.Desktop.service"));
        QVERIFY(service.open(QIODevice::WriteOnly));
        service.write("[D-BUS Service]\nName=org.freedesktop.portal.Desktop\nExec=/usr/bin/touch " +
                      m_activationMarker.toUtf8() + "\n");
        service.close();

        m_bus = std::make_unique<PrivateBus>(QStringLiteral("portal"));
        QVERIFY(m_bus->start());
        // Before anything opens the session bus: the picker must find our portal there.
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus->address().toUtf8());
        m_portal = std::make_unique<FakeScreenshotPortal>(m_bus->connection());
        QVERIFY(m_bus->connection().registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), m_portal.get(),
                                                   QDBusConnection::ExportAllSlots));
    }

    void cleanupTestCase()
    {
        m_portal.reset();
        m_bus.reset();
    }

    // The panel (context) is closed while the pick goes on, so no loupe may open: the outcome and the
    // banner's sentence say what the portal did.
    void portal_data()
    {
        columns<bool, uint, bool, Outcome, QString, QString>("portalPresent", "response", "hang", "outcome", "hex",
                                                             "message");
        testRow("a colour", true, 0u, false, Outcome::picked, "#1A334D", "");
        testRow("cancelled", true, 1u, false, Outcome::cancelled, "", "");
        testRow("portal fails", true, 2u, false, Outcome::abandoned, "",
                "Can't pick colors: the desktop's color picker failed");
        testRow("portal answers without a colour", true, 0u, false, Outcome::abandoned, "",
                "Can't pick colors: the desktop's color picker failed");
        testRow("portal does not take the call", true, 0u, true, Outcome::abandoned, "",
                "Can't pick colors: the desktop's color picker is not answering");
        testRow("no portal running, one installed", false, 0u, false, Outcome::abandoned, "",
                "Can't pick colors here: this desktop offers no color picker");
        // As the real portal answers when its backend has none (gtk's): no such interface.
        testRow("a portal without a color picker", true, 0u, false, Outcome::abandoned, "",
                "Can't pick colors here: this desktop offers no color picker");
    }

    void portal()
    {
        auto [portalPresent, response, hang, outcome, hex, message] =
            fetch<bool, uint, bool, Outcome, QString, QString>("portalPresent", "response", "hang", "outcome", "hex",
                                                               "message");
        QDBusConnection bus = m_bus->connection();
        if (portalPresent)
            QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        else
            bus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        m_portal->response = response;
        m_portal->hang = hang;
        // "answers without a colour": a success response whose results lack the colour.
        if (QByteArray(QTest::currentDataTag()) == "portal answers without a colour")
            m_portal->response = 3;
        const bool noPicker = QByteArray(QTest::currentDataTag()) == "a portal without a color picker";
        if (noPicker)
            bus.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        const auto restore = qScopeGuard([&] {
            if (noPicker)
                bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), m_portal.get(),
                                   QDBusConnection::ExportAllSlots);
        });

        QWidget closedPanel;
        closedPanel.show();
        QList<ScreenColorPicker::PickResult> results;
        ScreenColorPicker::pickWithin(
            &closedPanel, [&results](const ScreenColorPicker::PickResult &pick) { results.append(pick); }, 300);
        closedPanel.hide();
        QTRY_COMPARE(results.size(), 1);
        QCOMPARE(results.first().outcome, outcome);
        QCOMPARE(results.first().hex, hex);
        QCOMPARE(results.first().message, message);
        QVERIFY(!QFile::exists(m_activationMarker));

        if (hang) {
            // The portal takes the call after all, once the user was told: its picker must not appear.
            m_portal->release();
            QTRY_COMPARE(m_portal->request.closes, 1);
        }
        QCOMPARE(results.size(), 1);
    }
};

TESSELLON_TEST(tst_ScreenColorPicker)
#include "tst_ScreenColorPicker.moc"
