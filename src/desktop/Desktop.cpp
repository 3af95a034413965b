#include "desktop/Desktop.h"

#include "desktop/PanelPlacement.h"
#include "desktop/session/Autostart.h"
#include "desktop/session/FileReveal.h"
#include "desktop/session/SingleInstance.h"
#include "desktop/session/Translations.h"
#include "desktop/x11/X11.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

Desktop::Desktop(QObject *parent) : QObject(parent)
{
    connect(&m_trays, &TrayWatch::availabilityChanged, this, &Desktop::trayAvailabilityChanged);
    connect(&m_shortcuts, &GlobalShortcuts::activated, this, &Desktop::shortcutActivated);
    connect(&m_presses, &OutsideClickWatch::pressed, this, &Desktop::pressedAnywhere);
}

bool Desktop::isWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void Desktop::placePanel(QWidget *panel, const QRect &icon)
{
    m_panel = panel;
    m_anchor = QRect();
    // On Wayland no window may place itself: the compositor does.
    if (isWayland())
        return;
    // Trays that speak StatusNotifierItem do not tell where the icon is; the click that opened the panel
    // was on it, so the pointer is as good.
    m_anchor = icon.isValid() ? icon : QRect(QCursor::pos(), QSize(1, 1));
    QScreen *screen = QGuiApplication::screenAt(m_anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    m_available = screen->availableGeometry();
    panel->adjustSize();
    panelResized(panel);
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

void Desktop::watchPresses(bool on)
{
    if (on)
        m_presses.start();
    else
        m_presses.stop();
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
