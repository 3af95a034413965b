#include "picking/PortalColorPick.h"

#include "services/AsyncTask.h"
#include "services/ColorSamplerService.h"
#include "services/Logging.h"
#include "services/PortalCall.h"

#include <QColor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusVariant>

namespace {

// One PickColor request: receives the portal's Response signal and finishes the pick, as a task of its
// context.
class PortalRequest : public AsyncTask
{
    Q_OBJECT

public:
    PortalRequest(QObject *context, std::function<void(const PortalPick &)> done)
        : AsyncTask(context), m_done(std::move(done))
    {}

    void conclude(const PortalPick &pick)
    {
        finish([done = m_done, pick] { done(pick); });
    }

public Q_SLOTS:
    void onResponse(uint response, const QVariantMap &results)
    {
        if (response == 1) {
            conclude({PortalPick::Outcome::cancelled, {}});
            return;
        }
        const QVariant value = results.value(QStringLiteral("color"));
        double rgb[3] = {0, 0, 0};
        bool ok = response == 0 && value.canConvert<QDBusArgument>();
        if (ok) {
            const QDBusArgument argument = value.value<QDBusArgument>();
            argument.beginStructure();
            argument >> rgb[0] >> rgb[1] >> rgb[2];
            argument.endStructure();
        }
        if (!ok) {
            conclude({PortalPick::Outcome::unavailable, {}});
            return;
        }
        // The portal answers sRGB components from 0 to 1.
        conclude({PortalPick::Outcome::picked,
                  ColorSamplerService::hex(QColor::fromRgbF(float(rgb[0]), float(rgb[1]), float(rgb[2])))});
    }

private:
    std::function<void(const PortalPick &)> m_done;
};

} // namespace

void pickWithPortal(QObject *context, std::function<void(const PortalPick &)> done)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        AsyncTask::reportLater(context, [done] { done({PortalPick::Outcome::unavailable, {}}); });
        return;
    }
    auto *request = new PortalRequest(context, std::move(done));
    PortalCall::call(bus, QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("PickColor"), {QString()},
                     {}, request, SLOT(onResponse(uint, QVariantMap)), [request](const QDBusError &error) {
                         qCDebug(lcPortal) << "PickColor failed:" << error.name() << error.message();
                         request->conclude({PortalPick::Outcome::unavailable, {}});
                     });
}

#include "PortalColorPick.moc"
