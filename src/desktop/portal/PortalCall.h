#pragma once

#include <QDBusConnection>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

class QDBusError;
class QObject;

// The desktop portal, as every method that answers through a Request object's Response signal is called.
namespace PortalCall {

const QString &service();
const QString &path();

// Calls `interface`.`method` of the portal with `arguments` and then `options` (a handle_token added), and
// connects the Response (uint response, a{sv} results) to `receiver`'s `responseSlot`. It listens on the
// request's predicted path before asking, so a quick answer cannot be missed, and on the path the portal
// names if an older one picks its own. `failed` runs (on `receiver`, unless it goes first) if the call itself
// fails, as it does where no portal or no such interface answers; `accepted`, when given, runs once the
// portal has taken the request and the answer now waits on the user. A request accepted after `receiver`
// has gone (a portal that answered too late) is closed at once, so no dialog shows up for nobody.
void call(QDBusConnection bus, const QString &interface, const QString &method, QVariantList arguments,
          QVariantMap options, QObject *receiver, const char *responseSlot,
          std::function<void(const QDBusError &)> failed, std::function<void()> accepted = {});

// Whether `error` says that no portal, or no such interface of it, is there to take a call (as opposed to
// a portal that is there but failed).
bool meansNoPortal(const QDBusError &error);

} // namespace PortalCall
