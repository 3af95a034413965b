// The tray as KDE and GNOME's AppIndicator extension run it: a StatusNotifierWatcher on the session bus.
// The real binary registers its item with our watcher on a private bus, and we click it over D-Bus as the
// desktop's panel does.

#include "PrivateBus.h"
#include "TestHome.h"
#include "TestMain.h"

// The desktop's side of the protocol: it takes registrations and says a host is there to show them.
class Watcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredItems)

public:
    // A bar registers its watcher first and its host a moment later.
    bool hostRegistered = true;
    mutable int hostQueries = 0;
    bool isHostRegistered() const
    {
        ++hostQueries;
        return hostRegistered;
    }
    // Plasma's watcher says so only when asked.
    void registerHost(bool announce)
    {
        hostRegistered = true;
        if (announce)
            Q_EMIT StatusNotifierHostRegistered();
    }
    int protocolVersion() const { return 0; }
    QStringList registeredItems() const { return m_items; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &serviceOrPath, const QDBusMessage &message)
    {
        // Items name either their bus name or their object path (then the sender is the service).
        const QString service = serviceOrPath.startsWith(QLatin1Char('/')) ? message.service() : serviceOrPath;
        m_items.append(service);
        Q_EMIT StatusNotifierItemRegistered(service);
    }
    void RegisterStatusNotifierHost(const QString &) {}

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString &service);
    void StatusNotifierHostRegistered();

private:
    QStringList m_items;
};

class tst_StatusNotifierTray : public QObject
{
    Q_OBJECT

    QProcess m_app;
    // An X server of the app's own: the test command's display may hold an XEmbed tray (another test's), and
    // with one there the app never lacks a tray. It does not reset when its last client goes (the app that
    // quits), which would refuse the next app's connection for a moment.
    QProcess m_display;
    QString m_displayName;
    std::unique_ptr<QDBusConnection> m_connection;
    QString m_item;

    QString xdotool(const QStringList &arguments, const QString &program = QStringLiteral("xdotool"))
    {
        QProcess xdotool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_displayName);
        xdotool.setProcessEnvironment(env);
        xdotool.start(program, arguments);
        xdotool.waitForFinished(5000);
        return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
    }

    // The panel's window, shown.
    QString panelWindow()
    {
        if (m_app.state() != QProcess::Running)
            return {};
        return xdotool(
            {"search", "--all", "--onlyvisible", "--pid", QString::number(m_app.processId()), "--name", "^Tessellon$"});
    }
    bool panelVisible() { return !panelWindow().isEmpty(); }

    QDBusMessage callItem(const QString &interface, const QString &method, const QVariantList &arguments,
                          const QString &path = QStringLiteral("/StatusNotifierItem"))
    {
        QDBusMessage call = QDBusMessage::createMethodCall(m_item, path, interface, method);
        call.setArguments(arguments);
        return m_connection->call(call, QDBus::Block, 5000);
    }

    QVariant itemProperty(const QString &name)
    {
        const QDBusMessage reply = callItem(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                            {QStringLiteral("org.kde.StatusNotifierItem"), name});
        if (reply.type() != QDBusMessage::ReplyMessage)
            return {};
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

private Q_SLOTS:
    static void serveWatcher(QDBusConnection bus, Watcher *watcher)
    {
        QVERIFY(bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), watcher,
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                       QDBusConnection::ExportAllProperties));
        QVERIFY(bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    }

    void startApp(const QString &busAddress, const QString &waylandDisplay = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!waylandDisplay.isEmpty()) {
            env.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay);
            env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("KDE"));
        }
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), m_displayName);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), testHome.path() + QStringLiteral("/runtime"));
        // The symbolic icon installed where the package puts it, beside the system's icon themes.
        const QString icons = testHome.path() + QStringLiteral("/share/icons/hicolor/symbolic/apps");
        QDir().mkpath(icons);
        QFile::copy(QStringLiteral(TESSELLON_SOURCE_DIR "/packaging/tessellon-symbolic.svg"),
                    icons + QStringLiteral("/tessellon-symbolic.svg"));
        env.insert(QStringLiteral("XDG_DATA_DIRS"), testHome.path() + QStringLiteral("/share:/usr/share"));
        m_app.setProcessEnvironment(env);
        m_app.setProcessChannelMode(QProcess::ForwardedChannels);
        m_app.start(QStringLiteral(TESSELLON_BINARY), {});
        QVERIFY(m_app.waitForStarted());
    }

    void initTestCase()
    {
        m_display.start(QStringLiteral("Xvfb"),
                        {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp", "-noreset"});
        QVERIFY2(m_display.waitForStarted(), "needs Xvfb");
        QTRY_VERIFY_WITH_TIMEOUT(m_display.canReadLine(), 20000);
        m_displayName = u':' + QString::fromLatin1(m_display.readLine().trimmed());
    }

    void cleanupTestCase()
    {
        const auto endDisplay = qScopeGuard([this] {
            m_display.kill();
            m_display.waitForFinished();
        });
        if (m_app.state() != QProcess::NotRunning) {
            m_app.kill();
            m_app.waitForFinished();
        }
    }

    // The bar starts after Tessellon, as at login (first as Plasma's, which does not announce its host), then
    // restarts: the icon reaches it each time, and the window shown meanwhile for want of a tray gives way to it.
    // Through XWayland, as on Plasma's Wayland, where the X server never sees the pointer on the bar: a click
    // on the icon hangs the panel from where the host says the click was, out of the task list.
    void aTrayThatComesLaterAndRestarts()
    {
        // A bus of our own, so no other test's tray and no desktop's watcher can answer.
        PrivateBus bus(QStringLiteral("late-tray"));
        QVERIFY(bus.start());
        startApp(bus.address(), QStringLiteral("wayland-tessellon-test"));
        QTRY_VERIFY_WITH_TIMEOUT(panelVisible(), 20000);

        const QDBusConnection desktop = bus.connection();
        m_connection = std::make_unique<QDBusConnection>(desktop);
        for (int start = 1; start <= 2; ++start) {
            Watcher watcher;
            watcher.hostRegistered = false;
            serveWatcher(desktop, &watcher);
            // The host comes once the program has seen the watcher without one.
            QTRY_VERIFY2_WITH_TIMEOUT(watcher.hostQueries > 0, qPrintable(QString::number(start)), 20000);
            watcher.registerHost(start == 2);
            QTRY_VERIFY2_WITH_TIMEOUT(!watcher.registeredItems().isEmpty(), qPrintable(QString::number(start)), 20000);
            QTRY_VERIFY_WITH_TIMEOUT(!panelVisible(), 10000);
            m_item = watcher.registeredItems().constFirst();
            // By name, the symbolic icon, which the host draws in its own text colour.
            QCOMPARE(itemProperty(QStringLiteral("IconName")).toString(), QStringLiteral("tessellon-symbolic"));
            if (start == 2) {
                QDBusMessage click = QDBusMessage::createMethodCall(
                    watcher.registeredItems().constFirst(), QStringLiteral("/StatusNotifierItem"),
                    QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Activate"));
                click.setArguments({600, 4});
                QDBusConnection(desktop).call(click, QDBus::Block, 5000);
                QTRY_VERIFY_WITH_TIMEOUT(panelVisible(), 10000);
                const QString geometry = xdotool({"getwindowgeometry", "--shell", panelWindow()});
                QVERIFY2(geometry.contains(QRegularExpression(QStringLiteral("\\bX=4[0-9][0-9]\\b.*\\bY=9\\b"),
                                                              QRegularExpression::DotMatchesEverythingOption)),
                         qPrintable(geometry));
                // KDE's window manager lists a tool window in the task bar unless told not to.
                QVERIFY(xdotool({"-id", panelWindow(), "_NET_WM_STATE"}, QStringLiteral("xprop"))
                            .contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
            }
            QDBusConnection(desktop).unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
            QVERIFY(QDBusConnection(desktop).unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher")));
        }
        m_app.kill();
        m_app.waitForFinished();
    }
};

TESSELLON_TEST(tst_StatusNotifierTray)
#include "tst_StatusNotifierTray.moc"
