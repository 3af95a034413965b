#include "app/TessellonApp.h"

#include "core/Logging.h"
#include "desktop/Desktop.h"
#include "panel/MenuPanelView.h"
#include "sections/color/ColorSection.h"
#include "widgets/Layout.h"
#include "widgets/SymbolIcons.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QScopeGuard>
#include <QTimer>

#include <algorithm>

namespace {

// A click on the tray icon takes the activation from the open panel, which hides; the click itself arrives
// right after and must not open it again.
constexpr int kReopenGuardMs = 250;

// The installed symbolic icon, which trays that look icons up by name draw in their own text colour.
const QString kSymbolicIconName = QStringLiteral("tessellon-symbolic");

// The tray bar may be light or dark whatever our own palette is, so the symbol sits on an accent badge,
// drawn afresh at each size a tray asks for (a 22-pixel icon on a 2x screen is a 44-pixel drawing, not a
// blown-up bitmap). To a tray that reads the icon's name (a StatusNotifierItem host) it also names the
// symbolic icon, when one is installed.
class TrayIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal side = qMin(rect.width(), rect.height());
        const QRectF frame =
            QRectF(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side)
                .adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath badge;
        badge.addRoundedRect(frame, side * 0.22, side * 0.22);
        painter->fillPath(badge, Style::brandAccent());
        const qreal inset = side * 0.17;
        SymbolIcons::paint(*painter, frame.adjusted(inset, inset, -inset, -inset),
                           QStringLiteral("square.on.square.dashed"), Qt::white);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        }
        pixmap.setDevicePixelRatio(scale > 0 ? scale : 1.0);
        return pixmap;
    }

    // The sizes trays ask for at 1x and 2x, for hosts that take a list of bitmaps.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : {16, 22, 24, 32, 44, 48, 64, 96})
            sizes.append(QSize(side, side));
        return sizes;
    }

    QString iconName() override { return QIcon::hasThemeIcon(kSymbolicIconName) ? kSymbolicIconName : QString(); }
    QIconEngine *clone() const override { return new TrayIconEngine; }
    QString key() const override { return QStringLiteral("TessellonTray"); }
};

QIcon trayIcon()
{
    return QIcon(new TrayIconEngine);
}

} // namespace

TessellonApp::TessellonApp(QObject *parent) : QObject(parent)
{
    m_clock.start();
    // Some tray hosts never send a left click, so the menu offers the panel too.
    QAction *open = m_trayMenu.addAction(tr("Open Tessellon"));
    // From the menu the panel hangs where the click on the icon was, not from the item under the pointer now.
    connect(open, &QAction::triggered, this, [this] { openPanelAt(m_menuAskedAt); });
    m_startAtLogin = m_trayMenu.addAction(tr("Start at Login"));
    m_startAtLogin->setCheckable(true);
    // The autostart entry is the state: read it each time the item is shown, as another tool may change it.
    connect(&m_trayMenu, &QMenu::aboutToShow, this, [this] {
        m_menuAskedAt = Desktop::clickedAt();
        m_startAtLogin->setChecked(Desktop::startsAtLogin());
    });
    connect(m_startAtLogin, &QAction::triggered, this, [this](bool on) { setStartAtLogin(on); });
    QAction *quit = m_trayMenu.addAction(tr("Quit Tessellon"));
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);

    connect(&m_desktop, &Desktop::shortcutActivated, this, [this](const QString &id) {
        perform({id == SingleInstance::Actions::pickColor ? id : QString(), {}}, {});
    });
    connect(&m_desktop, &Desktop::pressedAnywhere, this, &TessellonApp::onPressAnywhere);
    connect(&m_desktop, &Desktop::pressedOutside, this, [this] {
        if (m_panel && m_panel->isVisible() && m_panelMode == PanelMode::TrayPanel) {
            hidePanel();
            m_hiddenByDeactivation.start();
        }
    });
}

TessellonApp::~TessellonApp()
{
    // The panel goes first: hiding it on the way out still reaches the members that watch it.
    m_panel.reset();
}

void TessellonApp::start()
{
    m_desktop.offerShortcuts(
        {{QStringLiteral("open"), tr("Open Tessellon"), QStringLiteral("CTRL+ALT+SHIFT+T")},
         {SingleInstance::Actions::pickColor, tr("Pick Color"), QStringLiteral("CTRL+ALT+SHIFT+C")}});
    if (m_desktop.trayAvailable()) {
        showTray();
    } else {
        // No tray to click: show the panel straight away, and move to a tray that starts later.
        openPanel();
        connect(&m_desktop, &Desktop::trayAvailabilityChanged, this, [this](bool available) {
            if (available && !m_tray)
                showTray();
        });
    }
}

void TessellonApp::showTray()
{
    m_tray = std::make_unique<QSystemTrayIcon>(trayIcon());
    m_tray->setToolTip(QStringLiteral("Tessellon"));
    m_tray->setContextMenu(&m_trayMenu);
    connect(m_tray.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // The second of two quick clicks arrives as a double click alone; it toggles like any click.
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            togglePanel();
    });
    m_tray->show();
    // The window shown for want of a tray gives way to the icon; the panel opens from there from now on.
    if (m_panel && m_panel->isVisible() && m_panelMode == PanelMode::OrdinaryWindow)
        hidePanel();
}

TessellonApp::PanelMode TessellonApp::currentMode() const
{
    return m_tray && m_tray->isVisible() ? PanelMode::TrayPanel : PanelMode::OrdinaryWindow;
}

void TessellonApp::ensurePanel(PanelMode mode)
{
    if (!m_panel) {
        m_panel = std::make_unique<MenuPanelView>(m_recentColors, m_recentGlyphs, m_recentIcons);
        m_panel->setWindowIcon(QIcon(QStringLiteral(":/tessellon.svg")));
        m_panel->installEventFilter(this);
        connect(m_panel.get(), &MenuPanelView::dismissRequested, this, &TessellonApp::hidePanel);
        // Back through the one way in, which also restarts the outside-click watch and the placement.
        connect(m_panel.get(), &MenuPanelView::bringBackRequested, this, &TessellonApp::openPanel);
    } else if (mode == m_panelMode) {
        return;
    }
    m_panelMode = mode;
    switch (mode) {
    case PanelMode::TrayPanel:
        // A frameless window that hides itself when it loses activation, rather than a Qt::Popup: a popup
        // opened without a click (from a second launch, or the tray menu) could be closed again at once by
        // its own pointer grab, and it would fight the colour picker's and the dropdowns' grabs. It is also
        // what Wayland allows, where no parentless popup exists.
        m_panel->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        break;
    case PanelMode::OrdinaryWindow:
        // Its size is the content's: nothing to maximise (Qt's own Wayland frame would offer it all the same).
        m_panel->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        break;
    }
    // Without a tray menu, the window's own context menu offers Start at Login.
    if (mode == PanelMode::OrdinaryWindow) {
        m_panel->addAction(m_startAtLogin);
        m_panel->setContextMenuPolicy(Qt::ActionsContextMenu);
    } else {
        m_panel->removeAction(m_startAtLogin);
        m_panel->setContextMenuPolicy(Qt::DefaultContextMenu);
    }
}

void TessellonApp::openPanel()
{
    openPanelAt({});
}

void TessellonApp::openPanelAt(const QRect &anchor)
{
    m_startAtLogin->setChecked(Desktop::startsAtLogin());
    const PanelMode mode = currentMode();
    ensurePanel(mode);
    if (mode == PanelMode::TrayPanel)
        m_desktop.placePanel(m_panel.get(), m_tray && m_tray->geometry().isValid() ? m_tray->geometry() : anchor);
    m_panel->show();
    m_panel->raise();
    m_panel->activateWindow();
    m_panel->focusMainInput();
    if (mode == PanelMode::TrayPanel) {
        m_desktop.watchPresses(true);
        m_desktop.panelShown(m_panel.get());
    }
}

void TessellonApp::onPressAnywhere()
{
    if (!m_panel || !m_panel->isVisible() || m_panelMode != PanelMode::TrayPanel)
        return;
    const QPoint at = QCursor::pos();
    // A press on the panel (where it lies now or lay a moment ago), on one of its popups (a dropdown's list,
    // a menu) or on our own tray icon (which closes the panel itself) is not elsewhere.
    if (QApplication::topLevelAt(at) || wasOnPanel(at) || (m_tray && m_tray->geometry().contains(at)) ||
        QApplication::activePopupWidget())
        return;
    hidePanel();
    m_hiddenByDeactivation.start();
}

bool TessellonApp::wasOnPanel(const QPoint &at)
{
    // Long enough for a press to reach us on a loaded machine; a press elsewhere that lands where the panel
    // just was is rare, and only leaves the panel open.
    constexpr qint64 kRecentMs = 500;
    const qint64 now = m_clock.elapsed();
    m_pastGeometry.removeIf([now](const PastGeometry &past) { return now - past.until > kRecentMs; });
    return std::any_of(m_pastGeometry.cbegin(), m_pastGeometry.cend(),
                       [at](const PastGeometry &past) { return past.geometry.contains(at); });
}

void TessellonApp::activate(const SingleInstance::Activation &launch)
{
    perform({}, launch);
}

void TessellonApp::perform(const SingleInstance::Request &request, const SingleInstance::Activation &launch)
{
    if (!launch.startupId.isEmpty() || !launch.activationToken.isEmpty()) {
        ensurePanel(currentMode());
        Desktop::handOverActivation(m_panel->winId(), launch.startupId, launch.activationToken);
    }
    const auto used = qScopeGuard([] { Desktop::activationUsed(); });
    using Actions = SingleInstance::Actions;
    const QString &action = request.action;
    if (action.isEmpty()) {
        openPanel();
    } else if (action == Actions::toggle) {
        togglePanel();
    } else if (action == Actions::showTab) {
        if (const auto tab = MenuPanelView::tabFromRawValue(request.parameter)) {
            openPanel();
            m_panel->selectTab(*tab);
            m_panel->focusMainInput();
        } else {
            qCWarning(lcInstance) << "No tab called" << request.parameter;
        }
    } else if (action == Actions::pickColor) {
        // A closed panel stays closed while the user picks (over the screen it would hide what they pick
        // from); the section asks for it once there is a colour or a failure to show.
        const bool shown = m_panel && m_panel->isVisible();
        ensurePanel(currentMode());
        m_panel->selectTab(MenuPanelView::Tab::color);
        if (shown)
            openPanel();
        if (auto *colors = qobject_cast<ColorSection *>(m_panel->section()))
            colors->pick(!shown);
    } else if (action == Actions::quit) {
        QCoreApplication::quit();
    } else {
        qCWarning(lcInstance) << "No action called" << action;
    }
}

void TessellonApp::setStartAtLogin(bool enabled)
{
    if (const auto failure = Desktop::setStartAtLogin(enabled)) {
        openPanel();
        m_panel->showMessage(*failure);
    }
}

void TessellonApp::togglePanel()
{
    if (m_panel && m_panel->isVisible()) {
        hidePanel();
        return;
    }
    if (m_hiddenByDeactivation.isValid() && m_hiddenByDeactivation.elapsed() < kReopenGuardMs)
        return;
    openPanel();
}

void TessellonApp::hidePanel()
{
    // Closing the active panel deactivates it on the way; that is not the user clicking elsewhere.
    m_hidingPanel = true;
    m_panel->close();
    m_hidingPanel = false;
}

bool TessellonApp::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_panel || watched != m_panel.get())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::WindowDeactivate && !m_hidingPanel && m_panelMode == PanelMode::TrayPanel &&
        m_panel->isVisible()) {
        hidePanel();
        m_hiddenByDeactivation.start();
    }
    if ((event->type() == QEvent::Resize || event->type() == QEvent::Move) && m_panel->frameGeometry() != m_geometry) {
        if (m_geometry.isValid())
            m_pastGeometry.append({m_clock.elapsed(), m_geometry});
        m_geometry = m_panel->frameGeometry();
    }
    if (event->type() == QEvent::Resize && m_panelMode == PanelMode::TrayPanel) {
        m_desktop.panelResized(m_panel.get());
    } else if (event->type() == QEvent::Hide) {
        m_desktop.watchPresses(false);
        m_pastGeometry.clear();
        m_geometry = QRect();
    } else if (event->type() == QEvent::Close && !(m_tray && m_tray->isVisible())) {
        // Without a tray icon the window is all there is of Tessellon: closing it (Escape or the window
        // manager's button) must not leave an invisible process behind.
        QCoreApplication::quit();
    }
    return QObject::eventFilter(watched, event);
}
