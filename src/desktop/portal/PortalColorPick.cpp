#include "desktop/portal/PortalColorPick.h"

#include "core/Logging.h"
#include "core/color/ColorSamplerService.h"
#include "desktop/portal/Portal.h"
#include "net/AsyncTask.h"

#include <QColor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusVariant>
#include <QTimer>

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
            conclude({PortalPick::Outcome::failed, {}});
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

void pickWithPortal(QObject *context, std::function<void(const PortalPick &)> done, int acceptMs)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        AsyncTask::reportLater(context, [done] { done({PortalPick::Outcome::unavailable, {}}); });
        return;
    }
    auto *request = new PortalRequest(context, std::move(done));
    // A portal that is still starting, or hung, would keep the call waiting for D-Bus's 25 s; the caller
    // hears much sooner that it is not answering. Should it take the request later after all, the
    // request is closed at once, so its picker never opens once the user has been told.
    auto *acceptance = new QTimer(request);
    acceptance->setSingleShot(true);
    QObject::connect(acceptance, &QTimer::timeout, request, [request] {
        qCInfo(lcPortal) << "PickColor was not taken in time";
        request->conclude({PortalPick::Outcome::notAnswering, {}});
    });
    acceptance->start(acceptMs);
    Portal::request(
        bus, QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("PickColor"), {QString()}, {}, request,
        SLOT(onResponse(uint, QVariantMap)),
        [request](const QDBusError &error) {
            qCInfo(lcPortal) << "PickColor failed:" << error.name() << error.message();
            request->conclude(
                {Portal::meansNoPortal(error) ? PortalPick::Outcome::unavailable : PortalPick::Outcome::failed, {}});
        },
        [acceptance] { acceptance->stop(); });
}

#include "PortalColorPick.moc"
