#pragma once
#include "TestMain.h"

// An object the portal exports for the caller to close (a request under way, a session): it counts the
// closes. Registered under the interface it stands for.
class FakeClosable : public QObject
{
    Q_OBJECT

public:
    int closes = 0;

public Q_SLOTS:
    void Close() { ++closes; }
};

// The desktop portal's way of answering, for the stand-ins of its interfaces: a call returns the path of a
// request made of the caller's unique name and its handle_token, and the answer comes a moment later as
// that request's Response signal.
namespace FakePortal {

inline QString requestPath(const QDBusMessage &call, const QVariantMap &options)
{
    QString sender = call.service().mid(1);
    sender.replace(u'.', u'_');
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
        .arg(sender, options.value(QStringLiteral("handle_token")).toString());
}

inline void respondLater(QObject *context, QDBusConnection bus, const QString &path, uint response,
                         const QVariantMap &results)
{
    QTimer::singleShot(0, context, [bus, path, response, results]() mutable {
        QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
        signal << response << results;
        bus.send(signal);
    });
}

} // namespace FakePortal
