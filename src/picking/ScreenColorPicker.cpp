#include "picking/ScreenColorPicker.h"

#include "picking/LoupePicker.h"
#include "picking/PortalColorPick.h"

#include <QPointer>

namespace ScreenColorPicker {

void pick(QObject *context, PickCompletion completion)
{
    QPointer<QObject> guard(context);
    pickWithPortal(context, [guard, completion](const PortalPick &portal) {
        switch (portal.outcome) {
        case PortalPick::Outcome::picked:
            completion({PickResult::Outcome::picked, portal.hex, {}});
            return;
        case PortalPick::Outcome::cancelled:
            completion({PickResult::Outcome::cancelled, {}, {}});
            return;
        case PortalPick::Outcome::unavailable:
            break;
        }
        if (!guard)
            return;
        if (!LoupePicker::isAvailable()) {
            completion({PickResult::Outcome::failed,
                        {},
                        QStringLiteral("Can't pick colors here: this desktop offers no color picker")});
            return;
        }
        LoupePicker::start(guard, completion);
    });
}

} // namespace ScreenColorPicker
