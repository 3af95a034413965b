#pragma once

#include "desktop/Desktop.h"
#include "desktop/session/SingleInstance.h"
#include "stores/RecentColorsStore.h"
#include "stores/RecentGlyphsStore.h"
#include "stores/RecentIconsStore.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSystemTrayIcon>

#include <memory>

class MenuPanelView;

// The running program: the two recent-item stores, the tray icon and the panel it opens.
class TessellonApp : public QObject
{
    Q_OBJECT

public:
    explicit TessellonApp(QObject *parent = nullptr);
    ~TessellonApp() override;

    // Shows the tray icon (or, with no tray, the panel as an ordinary window).
    void start();

    RecentColorsStore &recentColors() { return m_recentColors; }
    RecentGlyphsStore &recentGlyphs() { return m_recentGlyphs; }

    void openPanel();
    // The same, hanging from `anchor` where the tray does not say where its icon is.
    void openPanelAt(const QRect &anchor);
    // Writes or removes the autostart entry; a failure shows in the panel's banner.
    void setStartAtLogin(bool enabled);
    QMenu &trayMenu() { return m_trayMenu; }
    MenuPanelView *panel() const { return m_panel.get(); }
    // Opens the panel for another launch, with the token that launch was given, so that the compositor lets
    // the panel take the focus.
    void activate(const SingleInstance::Activation &launch);
    // Carries out an action (SingleInstance::Actions) asked for by another launch or the desktop.
    void perform(const SingleInstance::Request &request, const SingleInstance::Activation &launch);
    void togglePanel();
    void hidePanel();

private:
    enum class PanelMode { TrayPanel, OrdinaryWindow };

    void ensurePanel(PanelMode mode);
    PanelMode currentMode() const;
    void showTray();
    void onPressAnywhere();
    bool eventFilter(QObject *watched, QEvent *event) override;

    RecentColorsStore m_recentColors;
    RecentGlyphsStore m_recentGlyphs;
    RecentIconsStore m_recentIcons;
    Desktop m_desktop;

    std::unique_ptr<MenuPanelView> m_panel;
    PanelMode m_panelMode = PanelMode::OrdinaryWindow;
    QElapsedTimer m_hiddenByDeactivation;
    // Where the panel lay until a moment ago: a press is read from the X server only after Qt has handled
    // it, and a tab it selected may have resized and moved the panel already.
    struct PastGeometry {
        qint64 until;
        QRect geometry;
    };
    QList<PastGeometry> m_pastGeometry;
    QRect m_geometry;
    QElapsedTimer m_clock;
    bool wasOnPanel(const QPoint &at);
    bool m_hidingPanel = false;

    // Made only once a tray is there.
    std::unique_ptr<QSystemTrayIcon> m_tray;
    QMenu m_trayMenu;
    // Where the click that asked for the tray menu was (on the icon), where that can be told.
    QRect m_menuAskedAt;
    QAction *m_startAtLogin = nullptr;
};
