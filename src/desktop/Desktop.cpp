#include "desktop/Desktop.h"

#include "core/Logging.h"
#include "core/Session.h"
#include "desktop/ClickShield.h"
#include "desktop/PanelPlacement.h"
#include "desktop/session/Autostart.h"
#include "desktop/session/FileReveal.h"
#include "desktop/session/SingleInstance.h"
#include "desktop/session/Translations.h"
#include "desktop/x11/X11.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcessEnvironment>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <QWindow>

// QtDBus's hook for incoming calls, run before they are delivered. QSystemTrayIcon drops the position a tray
// host passes with a click, and through XWayland nothing else can tell it; QtDBus exports the hook (since
// Qt 4) without declaring it in a public header.
using QDBusSpyHook = void (*)(const QDBusMessage &);
void qDBusAddSpyHook(QDBusSpyHook);

namespace {

struct HostClick {
    QPoint at;
    QElapsedTimer when;
};

HostClick &lastHostClick()
{
    static HostClick click;
    return click;
}

void noteHostClick(const QDBusMessage &call)
{
    static const QStringList clicks{QStringLiteral("Activate"), QStringLiteral("SecondaryActivate"),
                                    QStringLiteral("ContextMenu")};
    if (call.interface() != QLatin1String("org.kde.StatusNotifierItem") || !clicks.contains(call.member()) ||
        call.arguments().size() != 2)
        return;
    const QPoint at(call.arguments().at(0).toInt(), call.arguments().at(1).toInt());
    // Some hosts send 0, 0 for "no position", which the corner it names would not be.
    if (!at.isNull()) {
        lastHostClick().at = at;
        lastHostClick().when.start();
    }
}

bool throughXWayland()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") && Session::isWayland();
}

} // namespace

Desktop::Desktop(QObject *parent) : QObject(parent)
{
    static const bool watchingClicks = [] {
        if (throughXWayland())
            qDBusAddSpyHook(noteHostClick);
        return true;
    }();
    Q_UNUSED(watchingClicks);
    connect(&m_trays, &TrayWatch::availabilityChanged, this, &Desktop::trayAvailabilityChanged);
    connect(&m_shortcuts, &GlobalShortcuts::activated, this, &Desktop::shortcutActivated);
    connect(&m_presses, &OutsideClickWatch::pressed, this, &Desktop::pressedAnywhere);
}

std::function<bool()> Desktop::copyFocus()
{
    if (!Session::isWayland())
        return {};
    if (!throughXWayland())
        return [] { return QGuiApplication::focusWindow() != nullptr; };
    // Through XWayland the focus reaches us a moment before the compositor counts our window active, and
    // KWin drops a clipboard taken in between (the copy is announced, and nothing can paste it). The
    // compositor names its active window on the root; one that names none at all is taken at its focus.
    return [] {
        const QWindow *focused = QGuiApplication::focusWindow();
        const std::optional<unsigned long> active = focused ? X11::activeWindow() : std::nullopt;
        return focused && (!active || *active == focused->winId());
    };
}

bool Desktop::isWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QByteArray Desktop::chosenPlatform()
{
    QByteArray platform = Session::chosenPlatform(QProcessEnvironment::systemEnvironment());
    if (platform == "xcb" && !X11::reachable()) {
        qCWarning(lcDesktop) << "XWayland refused a connection: the panel is an ordinary Wayland window";
        return {};
    }
    return platform;
}

void Desktop::placePanel(QWidget *panel, const QRect &icon)
{
    m_panel = panel;
    m_anchor = QRect();
    // On Wayland no window may place itself: the compositor does.
    if (isWayland())
        return;
    // KDE's window manager lists a tool window in the task bar and Alt+Tab unless the window says otherwise;
    // GNOME's leaves it out by its type, and moves a window that says so below where it asked to be.
    if (!panel->isVisible() && Session::isKde())
        X11::keepOutOfTaskList(panel->winId());
    // Trays that speak StatusNotifierItem do not tell where the icon is; the click that opened the panel
    // was on it, so that is as good.
    m_anchor = icon.isValid() ? icon : clickedAt();
    QScreen *screen = m_anchor.isValid() ? QGuiApplication::screenAt(m_anchor.center()) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    m_available = screen->availableGeometry();
    if (!m_anchor.isValid())
        m_anchor = trayEndOfBar(screen->geometry(), m_available);
    panel->adjustSize();
    panelResized(panel);
}

QRect Desktop::clickedAt()
{
    // On X11 the pointer is still where it clicked. Through XWayland the X server saw no pointer over the
    // desktop's bar (a Wayland surface): only the host's word counts, fresh, and a menu's item says nothing.
    constexpr qint64 kFreshMs = 2000;
    if (!throughXWayland())
        return {QCursor::pos(), QSize(1, 1)};
    const HostClick &click = lastHostClick();
    if (click.when.isValid() && click.when.elapsed() < kFreshMs)
        return {click.at, QSize(1, 1)};
    return {};
}

void Desktop::panelShown(QWidget *panel)
{
    m_panel = panel;
    if (SwayPlacement::isAvailable())
        QTimer::singleShot(0, this, [this] { attachOnSway(20); });
}

void Desktop::panelResized(QWidget *panel)
{
    // A tab that makes the panel wider or taller must not push it off the screen or over the bar.
    if (isWayland())
        m_sway.follow(panel->size());
    else if (m_anchor.isValid())
        panel->move(panelPosition(m_anchor, panel->size(), m_available));
}

void Desktop::attachOnSway(int triesLeft)
{
    // The compositor knows the window once it has drawn its first frame, which may take a moment.
    constexpr int kRetryMs = 50;
    if (!m_panel || !m_panel->isVisible() || m_sway.attach(m_panel->size()) || triesLeft == 0)
        return;
    QTimer::singleShot(kRetryMs, this, [this, triesLeft] { attachOnSway(triesLeft - 1); });
}

Desktop::~Desktop() = default;

void Desktop::watchPresses(bool on)
{
    if (!throughXWayland()) {
        if (on)
            m_presses.start();
        else
            m_presses.stop();
        return;
    }
    // KWin moves the focus for a press on its desktop too, and the panel closes when it loses the focus. A
    // shield there only got in the way: KWin stacked it over the panel whenever the panel was shown again (a
    // second launch, the end of a pick), and every click inside the panel then closed it.
    if (!on || !m_panel || Session::isKde()) {
        for (const auto &shield : m_shields)
            shield->hide();
        return;
    }
    // One a screen: a press on the desktop of another screen moves no focus either.
    const QList<QScreen *> screens = QGuiApplication::screens();
    while (m_shields.size() < size_t(screens.size())) {
        m_shields.push_back(std::make_unique<ClickShield>());
        connect(m_shields.back().get(), &ClickShield::pressed, this, &Desktop::pressedOutside);
    }
    for (size_t i = 0; i < m_shields.size(); ++i) {
        ClickShield &shield = *m_shields[i];
        if (i >= size_t(screens.size())) {
            shield.hide();
            continue;
        }
        shield.cover(screens[qsizetype(i)]->availableGeometry());
    }
    // The panel stays above it.
    m_panel->raise();
}

void Desktop::handOverActivation(WId panel, const QString &startupId, const QString &activationToken)
{
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    if (!startupId.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb"))
        X11::setStartupId(panel, startupId.toUtf8());
}

void Desktop::activationUsed()
{
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

std::unique_ptr<SingleInstance> Desktop::singleInstance()
{
    QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtimeDir.isEmpty())
        runtimeDir = QDir::tempPath();
    return std::make_unique<SingleInstance>(QDBusConnection::sessionBus(), runtimeDir);
}

bool Desktop::startsAtLogin()
{
    return Autostart::isEnabled();
}

std::optional<QString> Desktop::setStartAtLogin(bool enabled)
{
    return Autostart::setEnabled(enabled, QCoreApplication::applicationFilePath());
}

void Desktop::useTranslations(const QLocale &locale)
{
    Translations::install(locale);
}

void Desktop::reveal(const QString &filePath)
{
    FileReveal::reveal(filePath);
}
