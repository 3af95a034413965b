#include "picking/PortalColorPick.h"

#include "services/AsyncTask.h"
#include "services/ColorSamplerService.h"
#include "services/Logging.h"

#include <QColor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QRandomGenerator>

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

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
    // Listen on the request's predicted path before asking, so a quick answer cannot be missed.
    const QString token = QStringLiteral("tessellon%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    const QString requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    bus.connect(kPortalService, requestPath, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"), request, SLOT(onResponse(uint, QVariantMap)));

    QDBusMessage call = QDBusMessage::createMethodCall(
        kPortalService, kPortalPath, QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("PickColor"));
    call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), request);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, request, [request, watcher, bus, requestPath] {
        watcher->deleteLater();
        QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            qCDebug(lcPortal) << "PickColor failed:" << reply.error().name() << reply.error().message();
            request->conclude({PortalPick::Outcome::unavailable, {}});
            return;
        }
        // An older portal may answer on a path of its own choosing.
        const QString actual = reply.value().path();
        if (actual != requestPath) {
            QDBusConnection(bus).connect(kPortalService, actual, QStringLiteral("org.freedesktop.portal.Request"),
                                         QStringLiteral("Response"), request, SLOT(onResponse(uint, QVariantMap)));
        }
    });
}

#include "PortalColorPick.moc"
