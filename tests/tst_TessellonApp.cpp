#include "PrivateBus.h"
#include "TestHome.h"
#include "TestMain.h"

#include "app/TessellonApp.h"
#include "desktop/session/Autostart.h"
#include "desktop/session/SingleInstance.h"
#include "panel/MenuPanelView.h"
#include "widgets/BannerView.h"

// The running instance as the desktop reaches it: org.freedesktop.Application on a private session bus,
// called from another connection as a launcher or a second launch would.
class tst_TessellonApp : public QObject
{
    Q_OBJECT

private:
    PrivateBus m_bus{QStringLiteral("app-test")};
    std::unique_ptr<TessellonApp> m_app;
    std::unique_ptr<SingleInstance> m_instance;

    QDBusMessage call(const QString &method, const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(SingleInstance::busName(), SingleInstance::objectPath(),
                                                              QStringLiteral("org.freedesktop.Application"), method);
        message.setArguments(arguments);
        // Waiting with the event loop running: the instance answers from this same thread.
        return QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("launcher"))
            .call(message, QDBus::BlockWithGui);
    }

    QString banner() const
    {
        const auto *view = m_app->panel()->findChild<BannerView *>();
        return view && view->isVisible() ? view->message() : QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
        m_app = std::make_unique<TessellonApp>();
        m_instance = std::make_unique<SingleInstance>(m_bus.connection(), testHome.path());
        connect(m_instance.get(), &SingleInstance::activated, m_app.get(), &TessellonApp::activate);
        connect(m_instance.get(), &SingleInstance::actionRequested, m_app.get(), &TessellonApp::perform);
        QCOMPARE(m_instance->claim({}), SingleInstance::Outcome::primary);
        m_app->start();
    }

    // Each action: the tab the panel then shows, whether it shows, and which control has the focus.
    void actions_data()
    {
        // focus: accessible name
        columns<QString, QString, bool, QString, QString>("action", "parameter", "shown", "tab", "focus");
        testRow("show-tab glyphs", "show-tab", "glyphs", true, "glyphs", "Search glyphs");
        testRow("show-tab textTools", "show-tab", "textTools", true, "textTools", "Text");
        testRow("toggle closes", "toggle", "", false, "textTools", "");
        testRow("toggle opens", "toggle", "", true, "textTools", "Text");
        testRow("an unknown tab changes nothing", "show-tab", "nope", true, "textTools", "Text");
        testRow("pick-color, where nothing can pick", "pick-color", "", true, "color", "");
    }

    void actions()
    {
        auto [action, parameter, shown, tab, focus] =
            fetch<QString, QString, bool, QString, QString>("action", "parameter", "shown", "tab", "focus");
        const QVariantList arguments =
            parameter.isEmpty() ? QVariantList() : QVariantList{QVariant::fromValue(QDBusVariant(parameter))};
        const QDBusMessage reply =
            call(QStringLiteral("ActivateAction"), {action, QVariant::fromValue(arguments), QVariantMap()});
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
        QTRY_COMPARE(m_app->panel() && m_app->panel()->isVisible(), shown);
        QCOMPARE(MenuPanelView::rawValue(m_app->panel()->selectedTab()), tab);
        // The panel's focus child: the window system may be slow to make the window itself active.
        auto focused = [this] {
            QWidget *widget = m_app->panel()->focusWidget();
            return widget ? widget->accessibleName() : QString();
        };
        if (!focus.isEmpty())
            QTRY_COMPARE(focused(), focus);
        if (action == u"pick-color")
            QTRY_COMPARE(banner(), QStringLiteral("Can't pick colors here: this desktop offers no color picker"));
    }

    // The entry's Exec line survives both of its escape layers, whatever the install path holds, and the
    // desktop's own validator takes it.
    void execQuoting_data()
    {
        columns<QString, QByteArray>("path", "exec");
        QTest::newRow("plain") << "/usr/bin/tessellon" << QByteArray("Exec=\"/usr/bin/tessellon\"");
        QTest::newRow("dollar") << "/opt/a$b/tessellon" << QByteArray("Exec=\"/opt/a\\\\$b/tessellon\"");
        QTest::newRow("percent") << "/opt/50%/tessellon" << QByteArray("Exec=\"/opt/50%%/tessellon\"");
        QTest::newRow("backslash") << "/opt/a\\b/tessellon" << QByteArray("Exec=\"/opt/a\\\\\\\\b/tessellon\"");
        QTest::newRow("quote and backtick") << "/opt/q\"u`o/t" << QByteArray("Exec=\"/opt/q\\\\\"u\\\\`o/t\"");
    }

    void execQuoting()
    {
        auto [path, exec] = fetch<QString, QByteArray>("path", "exec");
        QCOMPARE(Autostart::setEnabled(true, path), std::nullopt);
        QFile entry(Autostart::entryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QVERIFY2(entry.readAll().split('\n').contains(exec), exec.constData());
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate is not installed");
        QProcess validate;
        validate.start(validator, {Autostart::entryPath()});
        QVERIFY(validate.waitForFinished());
        QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
        QCOMPARE(Autostart::setEnabled(false, path), std::nullopt);
    }

    // Start at login, twice through the tray menu's item: the entry appears, then goes. Where the autostart
    // folder cannot be written, the banner says so and no file is left half-written.
    void startAtLogin()
    {
        QAction *item = nullptr;
        for (QAction *action : m_app->trayMenu().actions()) {
            if (action->text() == u"Start at Login")
                item = action;
        }
        QVERIFY(item && item->isCheckable());
        // Without a tray (as here), the window's context menu holds the same item.
        m_app->openPanel();
        QVERIFY(m_app->panel()->actions().contains(item));
        QCOMPARE(m_app->panel()->contextMenuPolicy(), Qt::ActionsContextMenu);
        item->trigger();
        QFile entry(Autostart::entryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray content = entry.readAll();
        entry.close();
        QVERIFY(content.startsWith("[Desktop Entry]\nType=Application\n"));
        QVERIFY(content.contains("Exec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\"\n"));
        QVERIFY(Autostart::isEnabled());
        item->trigger();
        QVERIFY(!QFile::exists(Autostart::entryPath()));

        // A file where the folder should be: no one, root included, can write the entry there.
        const QString folder = QFileInfo(Autostart::entryPath()).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        item->trigger();
        QTRY_VERIFY(banner().startsWith(QStringLiteral("Couldn't start at login")));
        QVERIFY(!Autostart::isEnabled());
        QCOMPARE(QDir(QFileInfo(folder).absolutePath()).entryList({QStringLiteral("*.desktop*")}, QDir::Files),
                 QStringList());
        QFile::remove(folder);
    }
};

TESSELLON_TEST(tst_TessellonApp)
#include "tst_TessellonApp.moc"
