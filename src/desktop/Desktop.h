#pragma once

#include "desktop/TrayWatch.h"
#include "desktop/portal/ColorSchemeFollower.h"
#include "desktop/portal/GlobalShortcuts.h"
#include "desktop/wayland/SwayPlacement.h"
#include "desktop/x11/OutsideClickWatch.h"

#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ClickShield;
class QWidget;
class SingleInstance;

// The one front through which the app reaches the desktop for what differs from one desktop to the next:
// whether there is a tray, where the panel goes, presses elsewhere, the launch's activation, light and
// dark, global shortcuts; and the session's services: one instance a session, start at login, the user's
// language, a saved file shown in the file manager. X11, sway, the portal and the session each sit behind it.
class Desktop : public QObject
{
    Q_OBJECT

public:
    explicit Desktop(QObject *parent = nullptr);
    ~Desktop() override;

    static bool isWayland();
    // The Qt platform to start on, or nothing for Qt's own choice: XWayland where a Wayland compositor would
    // leave the panel an ordinary window, as long as XWayland takes us.
    static QByteArray chosenPlatform();
    // Whether a copy made now reaches other programs, for a copy that has to wait for the focus (after a
    // pick). Empty where any copy does: on X11. On Wayland the compositor takes one only from the program
    // it has given the keyboard.
    static std::function<bool()> copyFocus();

    bool trayAvailable() const { return m_trays.isAvailable(); }

    // Suggests the global shortcuts; the desktop asks the user, who may choose other keys.
    void offerShortcuts(const QList<GlobalShortcuts::Shortcut> &shortcuts) { m_shortcuts.start(shortcuts); }

    // Hangs the tray panel from its icon (or, where the tray does not say where that is, from the click on it,
    // or else from the end of the bar where trays sit) before it shows, and keeps it there as its size changes: on X11
    // the panel moves itself; on sway the compositor moves it once it has a frame; other Wayland compositors decide
    // alone.
    void placePanel(QWidget *panel, const QRect &icon);
    // Where the click on the tray icon was, or nothing where no one can tell (see placePanel).
    static QRect clickedAt();
    void panelShown(QWidget *panel);
    void panelResized(QWidget *panel);

    // Presses anywhere on the screen, for as long as the tray panel is up: on X11 any press, which the app
    // weighs (pressedAnywhere); through XWayland a press outside the panel (pressedOutside).
    void watchPresses(bool on);

    // Passes a launch's activation on to the panel before it shows, so the desktop lets it take the focus: on
    // X11 the startup id goes on the window itself; on Wayland the token goes where Qt reads it at the next
    // activation, and is dropped once used (a spent token must not reach programs started later).
    static void handOverActivation(WId panel, const QString &startupId, const QString &activationToken);
    static void activationUsed();

    // The session's one instance of the program: on the session bus where there is one, else a lock file
    // and a socket in the user's runtime folder.
    static std::unique_ptr<SingleInstance> singleInstance();
    // Whether the desktop starts Tessellon at login, and the change, with the reason when it failed.
    static bool startsAtLogin();
    static std::optional<QString> setStartAtLogin(bool enabled);
    // The program's texts in the user's language, where a translation is installed.
    static void useTranslations(const QLocale &locale = QLocale());
    // The palette to start with: the platform's, or Breeze's where a new KDE account names no colours.
    static QPalette startingPalette() { return ColorSchemeFollower::startingPalette(); }
    // Shows a saved file in the user's file manager (or its folder, where none answers).
    static void reveal(const QString &filePath);

Q_SIGNALS:
    void trayAvailabilityChanged(bool available);
    void shortcutActivated(const QString &id);
    void pressedAnywhere();
    void pressedOutside();

private:
    void attachOnSway(int triesLeft);

    TrayWatch m_trays{QDBusConnection::sessionBus()};
    OutsideClickWatch m_presses;
    std::vector<std::unique_ptr<ClickShield>> m_shields;
    SwayPlacement m_sway;
    GlobalShortcuts m_shortcuts{QDBusConnection::sessionBus()};
    ColorSchemeFollower m_colorScheme;
    QPointer<QWidget> m_panel;
    // Where the open tray panel hangs from, kept while it is open: the panel follows it as a tab changes its
    // size.
    QRect m_anchor;
    QRect m_available;
};
