#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

class QDBusError;
class QDBusMessage;

// The desktop portal, for everything that talks to it (the colour pick, the global shortcuts, the colour
// scheme): where it is, the requests that answer through a Request object's Response signal, and a session
// of one of its interfaces, which the portal may close at any time.
class Portal : public QObject
{
    Q_OBJECT

public:
    static const QString &service();
    static const QString &path();

    // Calls `interface`.`method` of the portal with `arguments` and then `options` (a handle_token added),
    // and connects the Response (uint response, a{sv} results) to `receiver`'s `responseSlot`. It listens on
    // the request's predicted path before asking, so a quick answer cannot be missed, and on the path the
    // portal names if an older one picks its own. `failed` runs (on `receiver`, unless it goes first) if the
    // call itself fails, as it does where no portal or no such interface answers; `accepted`, when given,
    // runs once the portal has taken the request and the answer now waits on the user. A request accepted
    // after `receiver` has gone (a portal that answered too late) is closed at once, so no dialog shows up
    // for nobody.
    static void request(QDBusConnection bus, const QString &interface, const QString &method, QVariantList arguments,
                        QVariantMap options, QObject *receiver, const char *responseSlot,
                        std::function<void(const QDBusError &)> failed, std::function<void()> accepted = {});

    // Whether `error` says that no portal, or no such interface of it, is there to take a call (as opposed
    // to a portal that is there but failed).
    static bool meansNoPortal(const QDBusError &error);

    explicit Portal(QDBusConnection bus, QString interface, QObject *parent = nullptr);
    // Closes the session, if one is open: the portal keeps it (and what was bound in it) until then.
    ~Portal() override;

    QDBusConnection bus() const { return m_bus; }
    const QString &interface() const { return m_interface; }

    // Connects a signal of this interface on the portal's object to `slot` of this object.
    bool listen(const QString &signal, const char *slot);
    // A request of this interface, answered to `responseSlot` of this object.
    void request(const QString &method, QVariantList arguments, QVariantMap options, const char *responseSlot,
                 std::function<void(const QDBusError &)> failed);

    // Asks for a session of this interface (its CreateSession); `sessionOpened` or `sessionRefused` follows.
    void openSession();
    const QString &session() const { return m_session; }

Q_SIGNALS:
    void sessionOpened();
    void sessionRefused();
    // The portal ended the session (the user revoked it, the portal restarted): it is gone.
    void sessionClosed();

private Q_SLOTS:
    void onSessionResponse(uint response, const QVariantMap &results);
    void onSessionClosed(const QDBusMessage &message);

private:
    QDBusConnection m_bus;
    QString m_interface;
    QString m_session;
};
