#include "picking/LoupePicker.h"

#include "core/Session.h"
#include "picking/LoupeOverlay.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {

using Outcome = ScreenColorPicker::PickResult::Outcome;

} // namespace

bool LoupePicker::isAvailable()
{
    // Wayland keeps other windows' pixels from us, through XWayland too; only the portal can pick there.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || Session::isWayland())
        return false;
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen && !screen->grabWindow(0, 0, 0, 1, 1).isNull();
}

LoupePicker *LoupePicker::start(QObject *context, ScreenColorPicker::PickCompletion done)
{
    return new LoupePicker(context, std::move(done));
}

LoupePicker::LoupePicker(QObject *context, ScreenColorPicker::PickCompletion done)
    : AsyncTask(context), m_done(std::move(done))
{
    // Grab every screen first, then cover them: the grabs must not show our own overlays.
    QList<std::pair<QScreen *, QImage>> grabs;
    for (QScreen *screen : QGuiApplication::screens())
        grabs.append({screen, screen->grabWindow(0).toImage()});
    for (const auto &[screen, grab] : grabs) {
        auto *overlay = new LoupeOverlay(screen, grab);
        connect(overlay, &LoupeOverlay::picked, this, [this](const QString &hex) {
            conclude({Outcome::picked, hex, {}});
        });
        connect(overlay, &LoupeOverlay::pickedByKey, this, [this] {
            conclude({Outcome::picked, hexUnderPointer(), {}});
        });
        connect(overlay, &LoupeOverlay::cancelled, this, [this] { conclude({Outcome::cancelled, {}, {}}); });
        m_overlays.append(overlay);
        overlay->show();
        overlay->raise();
        overlay->requestActivate();
    }
    if (m_overlays.isEmpty())
        conclude(
            {Outcome::failed, {}, QCoreApplication::translate("ScreenColorPicker", "Can't pick colors: no screen")});
}

LoupePicker::~LoupePicker()
{
    closeOverlays();
}

QString LoupePicker::hexUnderPointer() const
{
    // The overlay of the monitor the pointer is on; off every monitor, the nearest edge of the first.
    const QPoint at = QCursor::pos();
    LoupeOverlay *chosen = nullptr;
    for (const QPointer<QWindow> &window : m_overlays) {
        auto *overlay = qobject_cast<LoupeOverlay *>(window.data());
        if (overlay && (!chosen || (overlay->screen() && overlay->screen()->geometry().contains(at))))
            chosen = overlay;
    }
    return chosen ? chosen->hexAt(chosen->mapFromGlobal(at)) : QString();
}

void LoupePicker::closeOverlays()
{
    // Full-screen windows on top of everything, taking every click: they must never outlive the pick. Not
    // deleted here: a click inside one of them may be what ended the pick.
    for (const QPointer<QWindow> &overlay : std::as_const(m_overlays)) {
        if (overlay) {
            overlay->hide();
            overlay->deleteLater();
        }
    }
    m_overlays.clear();
}

QList<QWindow *> LoupePicker::overlays() const
{
    QList<QWindow *> list;
    for (const QPointer<QWindow> &overlay : m_overlays) {
        if (overlay)
            list.append(overlay);
    }
    return list;
}

void LoupePicker::conclude(const ScreenColorPicker::PickResult &pick)
{
    closeOverlays();
    finish([done = m_done, pick] { done(pick); });
}
