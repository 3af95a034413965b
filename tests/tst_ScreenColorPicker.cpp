#include "PrivateBus.h"
#include "TestHome.h"

#include "picking/ScreenColorPicker.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTest>
#include <QTimer>

static TestHome testHome;

// Stands in for the desktop portal's Screenshot interface: answers PickColor on the request path the caller
// asked for, with a scripted response.
class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    explicit FakePortal(QDBusConnection bus) : m_bus(std::move(bus)) {}

    uint response = 0;
    double rgb[3] = {0, 0, 0};
    int calls = 0;

public Q_SLOTS:
    QDBusObjectPath PickColor(const QString &, const QVariantMap &options)
    {
        ++calls;
        QString sender = message().service().mid(1);
        sender.replace(u'.', u'_');
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                 .arg(sender, options.value(QStringLiteral("handle_token")).toString());
        QTimer::singleShot(0, this, [this, path] {
            QDBusArgument color;
            color.beginStructure();
            color << rgb[0] << rgb[1] << rgb[2];
            color.endStructure();
            QVariantMap results;
            if (response == 0)
                results.insert(QStringLiteral("color"), QVariant::fromValue(color));
            QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"),
                                                             QStringLiteral("Response"));
            signal << response << results;
            m_bus.send(signal);
        });
        return QDBusObjectPath(path);
    }

private:
    QDBusConnection m_bus;
};

Q_DECLARE_METATYPE(ScreenColorPicker::PickResult::Outcome)

class tst_ScreenColorPicker : public QObject
{
    Q_OBJECT

    PrivateBus m_bus{QStringLiteral("portal")};
    std::unique_ptr<FakePortal> m_portal;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
        // Before anything opens the session bus: the picker must find our portal there.
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.address().toUtf8());
        m_portal = std::make_unique<FakePortal>(m_bus.connection());
        QVERIFY(m_bus.connection().registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), m_portal.get(),
                                                  QDBusConnection::ExportAllSlots));
    }

    void portal_data()
    {
        QTest::addColumn<bool>("portalPresent");
        QTest::addColumn<uint>("response");
        QTest::addColumn<ScreenColorPicker::PickResult::Outcome>("outcome");
        QTest::addColumn<QString>("hex");
        QTest::newRow("a colour") << true << 0u << ScreenColorPicker::PickResult::Outcome::picked << "#1A334D";
        QTest::newRow("cancelled") << true << 1u << ScreenColorPicker::PickResult::Outcome::cancelled << "";
        // With no portal, or one that cannot pick, the loupe would be next; this session (offscreen) has no
        // screen to grab, so the pick fails with a sentence for the banner.
        QTest::newRow("portal fails") << true << 2u << ScreenColorPicker::PickResult::Outcome::failed << "";
        QTest::newRow("no portal") << false << 0u << ScreenColorPicker::PickResult::Outcome::failed << "";
    }

    void portal()
    {
        QFETCH(bool, portalPresent);
        QFETCH(uint, response);
        QFETCH(ScreenColorPicker::PickResult::Outcome, outcome);
        QFETCH(QString, hex);
        QDBusConnection bus = m_bus.connection();
        if (portalPresent)
            QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        else
            bus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        m_portal->response = response;
        m_portal->rgb[0] = 0.1;
        m_portal->rgb[1] = 0.2;
        m_portal->rgb[2] = 0.3;

        QObject context;
        QList<ScreenColorPicker::PickResult> results;
        ScreenColorPicker::pick(&context,
                                [&results](const ScreenColorPicker::PickResult &pick) { results.append(pick); });
        QTRY_COMPARE(results.size(), 1);
        QCOMPARE(results.first().outcome, outcome);
        QCOMPARE(results.first().hex, hex);
        if (outcome == ScreenColorPicker::PickResult::Outcome::failed)
            QCOMPARE(results.first().message,
                     QStringLiteral("Can't pick colors here: this desktop offers no color picker"));
    }
};

QTEST_MAIN(tst_ScreenColorPicker)
#include "tst_ScreenColorPicker.moc"
