#pragma once

#include "app/ColorSchemeFollower.h"
#include "stores/RecentColorsStore.h"
#include "stores/RecentGlyphsStore.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <memory>

class MenuPanelView;

// The running program: the two recent-item stores, the tray icon and the panel it opens.
class TessellonApp : public QObject
{
    Q_OBJECT

public:
    explicit TessellonApp(QObject *parent = nullptr);
    ~TessellonApp() override;

    // Asks an already running Tessellon of this user to open its panel. True when one answered, in which
    // case this process has nothing left to do.
    static bool openRunningInstance();

    // Shows the tray icon (or, with no tray, the panel as an ordinary window) and starts answering later
    // launches.
    void start();

    RecentColorsStore &recentColors() { return m_recentColors; }
    RecentGlyphsStore &recentGlyphs() { return m_recentGlyphs; }

    void openPanel();
    void togglePanel();
    void hidePanel();

private:
    enum class PanelMode { TrayPanel, OrdinaryWindow };

    void ensurePanel(PanelMode mode);
    PanelMode currentMode() const;
    void watchForTray();
    void placePanel();
    bool eventFilter(QObject *watched, QEvent *event) override;

    RecentColorsStore m_recentColors;
    RecentGlyphsStore m_recentGlyphs;
    ColorSchemeFollower m_colorScheme;

    std::unique_ptr<MenuPanelView> m_panel;
    PanelMode m_panelMode = PanelMode::OrdinaryWindow;
    QElapsedTimer m_hiddenByDeactivation;
    bool m_hidingPanel = false;

    QSystemTrayIcon m_tray;
    QMenu m_trayMenu;
    QTimer m_trayWatch;
    QLocalServer m_instanceServer;
};
