#include "picking/ScreenColorPicker.h"

#include "picking/LoupePicker.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace ScreenColorPicker {

namespace {

QString whyNot(PortalPick::Outcome portal)
{
    switch (portal) {
    case PortalPick::Outcome::failed:
        return QCoreApplication::translate("ScreenColorPicker", "Can't pick colors: the desktop's color picker failed");
    case PortalPick::Outcome::notAnswering:
        return QCoreApplication::translate("ScreenColorPicker",
                                           "Can't pick colors: the desktop's color picker is not answering");
    default:
        return QCoreApplication::translate("ScreenColorPicker",
                                           "Can't pick colors here: this desktop offers no color picker");
    }
}

} // namespace

void pick(QObject *context, PickCompletion completion)
{
    pickWithin(context, std::move(completion), kPortalAcceptMs);
}

void pickWithin(QObject *context, PickCompletion completion, int portalAcceptMs)
{
    QPointer<QObject> guard(context);
    const auto *shown = qobject_cast<const QWidget *>(context);
    // A pick from the command line starts with the panel closed; only one shown at the start can be closed.
    const bool startedShown = shown && shown->isVisible();
    pickWithPortal(
        context,
        [guard, completion, startedShown](const PortalPick &portal) {
            switch (portal.outcome) {
            case PortalPick::Outcome::picked:
                completion({PickResult::Outcome::picked, portal.hex, {}});
                return;
            case PortalPick::Outcome::cancelled:
                completion({PickResult::Outcome::cancelled, {}, {}});
                return;
            default:
                break;
            }
            if (!guard)
                return;
            const QString message = whyNot(portal.outcome);
            if (!LoupePicker::isAvailable()) {
                completion({PickResult::Outcome::failed, {}, message});
                return;
            }
            // The loupe covers the whole screen: it must never appear after the user closed the panel and
            // went on with something else, as they may while a portal fails slowly.
            const auto *window = qobject_cast<const QWidget *>(guard.data());
            if (window && startedShown && !window->isVisible()) {
                completion({PickResult::Outcome::abandoned, {}, message});
                return;
            }
            LoupePicker::start(guard, completion);
        },
        portalAcceptMs);
}

} // namespace ScreenColorPicker
