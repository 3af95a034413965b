#pragma once

#include "desktop/ipc/UnixSocket.h"
#include <QDBusConnection>

#include <QObject>
#include <QString>

// Makes this process the user's one Tessellon, or hands the launch over to the one already running.
//
// On the session bus the well-known name decides, which the bus daemon gives to exactly one of any number
// of launches however close together; the owner answers org.freedesktop.Application.Activate, as desktop
// launchers expect of an application. Where there is no session bus, a lock file in the runtime folder
// decides instead (an flock(), which the kernel drops with its holder), and the owner listens on a local
// socket beside it.
//
// Either way the launch's activation token (XDG_ACTIVATION_TOKEN on Wayland, DESKTOP_STARTUP_ID on X11) goes
// along, so that the compositor lets the running instance's panel take the focus.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        primary,   // this process is Tessellon now
        forwarded, // the running one was asked to open its panel
        failed,    // one runs, but did not answer
    };

    struct Activation {
        QString activationToken;
        QString startupId;
        // The launch's own, from its environment.
        static Activation fromEnvironment();
        bool operator==(const Activation &) const = default;
    };

    // The actions a launch or the desktop may ask for, by their ActivateAction names: "show-tab" takes the
    // tab's raw value; "pick-color" picks as Pick Color does, then shows the Color tab with its banner.
    struct Actions {
        static inline const QString toggle = QStringLiteral("toggle");
        static inline const QString showTab = QStringLiteral("show-tab");
        static inline const QString pickColor = QStringLiteral("pick-color");
        static inline const QString quit = QStringLiteral("quit");
    };

    // What a launch asks of the running instance: an action by name (with its parameter, if it takes one),
    // or, with no action, just the panel.
    struct Request {
        QString action;
        QString parameter;
        bool operator==(const Request &) const = default;
    };

    static const QString &busName();
    static const QString &objectPath();

    // `bus` may be disconnected: then the lock file and socket in `runtimeDir` serve.
    SingleInstance(QDBusConnection bus, QString runtimeDir, QObject *parent = nullptr);
    ~SingleInstance() override;

    Outcome claim(const Activation &launch, const Request &request = {});

Q_SIGNALS:
    // Another launch asked for the panel.
    void activated(const SingleInstance::Activation &launch);
    // Another launch (or the desktop, through ActivateAction) asked for an action.
    void actionRequested(const SingleInstance::Request &request, const SingleInstance::Activation &launch);

private:
    Outcome claimOnBus(const Activation &launch, const Request &request);
    Outcome claimWithLock(const Activation &launch, const Request &request);
    void answerSocket(UnixSocket *socket);
    QString socketPath() const;

    QDBusConnection m_bus;
    QString m_runtimeDir;
    int m_lockFd = -1;
    UnixServer m_server;
    bool m_objectRegistered = false;
    bool m_ownsName = false;
};
