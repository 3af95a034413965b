#include "desktop/session/SingleInstance.h"

#include "core/Logging.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// A running instance answers as soon as its event loop turns; one just starting (on a loaded machine, under a
// debugger or the sanitizers) may take seconds to get there.
constexpr int kAnswerTimeoutMs = 10000;
const QString kApplicationInterface = QStringLiteral("org.freedesktop.Application");

QVariantMap platformData(const SingleInstance::Activation &launch)
{
    QVariantMap data;
    if (!launch.activationToken.isEmpty())
        data.insert(QStringLiteral("activation-token"), launch.activationToken);
    if (!launch.startupId.isEmpty())
        data.insert(QStringLiteral("desktop-startup-id"), launch.startupId);
    return data;
}

SingleInstance::Activation fromPlatformData(const QVariantMap &data)
{
    return {data.value(QStringLiteral("activation-token")).toString(),
            data.value(QStringLiteral("desktop-startup-id")).toString()};
}

// One request line on the fallback socket, tab-separated: the action (empty for just the panel), its
// parameter and the two tokens. None holds a tab or a line break: actions and tab names are plain words,
// tokens opaque printable strings.
QByteArray socketRequest(const SingleInstance::Request &request, const SingleInstance::Activation &launch)
{
    return "request\t" + request.action.toUtf8() + '\t' + request.parameter.toUtf8() + '\t' +
           launch.activationToken.toUtf8() + '\t' + launch.startupId.toUtf8() + '\n';
}

} // namespace

// What the bus sees of the running instance: org.freedesktop.Application, whose every call opens the panel.
class ApplicationAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit ApplicationAdaptor(SingleInstance *instance) : QDBusAbstractAdaptor(instance), m_instance(instance) {}

public Q_SLOTS:
    void Activate(const QVariantMap &platformData) { Q_EMIT m_instance->activated(fromPlatformData(platformData)); }
    void Open(const QStringList &, const QVariantMap &platformData) { Activate(platformData); }
    void ActivateAction(const QString &action, const QVariantList &parameter, const QVariantMap &platformData)
    {
        QVariant value = parameter.isEmpty() ? QVariant() : parameter.first();
        if (value.metaType() == QMetaType::fromType<QDBusVariant>())
            value = value.value<QDBusVariant>().variant();
        Q_EMIT m_instance->actionRequested({action, value.toString()}, fromPlatformData(platformData));
    }

private:
    SingleInstance *m_instance;
};

SingleInstance::Activation SingleInstance::Activation::fromEnvironment()
{
    return {qEnvironmentVariable("XDG_ACTIVATION_TOKEN"), qEnvironmentVariable("DESKTOP_STARTUP_ID")};
}

const QString &SingleInstance::busName()
{
    static const QString name = QStringLiteral("io.github.tessellon.Tessellon");
    return name;
}

const QString &SingleInstance::objectPath()
{
    static const QString path = QStringLiteral("/io/github/tessellon/Tessellon");
    return path;
}

SingleInstance::SingleInstance(QDBusConnection bus, QString runtimeDir, QObject *parent)
    : QObject(parent), m_bus(std::move(bus)), m_runtimeDir(std::move(runtimeDir))
{
    connect(&m_server, &UnixServer::connected, this, &SingleInstance::answerSocket);
}

SingleInstance::~SingleInstance()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);
    if (m_ownsName)
        m_bus.unregisterService(busName());
    if (m_objectRegistered)
        m_bus.unregisterObject(objectPath());
}

SingleInstance::Outcome SingleInstance::claim(const Activation &launch, const Request &request)
{
    if (m_bus.isConnected())
        return claimOnBus(launch, request);
    qCInfo(lcInstance) << "No session bus; deciding by the lock file in" << m_runtimeDir;
    return claimWithLock(launch, request);
}

SingleInstance::Outcome SingleInstance::claimOnBus(const Activation &launch, const Request &request)
{
    // The object first, so that a launch that finds the name taken always finds someone to answer.
    new ApplicationAdaptor(this);
    m_objectRegistered = m_bus.registerObject(objectPath(), this);
    if (!m_objectRegistered)
        qCWarning(lcInstance) << "Cannot register" << objectPath() << ":" << m_bus.lastError().message();
    // Twice: an owner may quit between our asking for the name and our calling it.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = m_bus.interface()->registerService(
            busName(), QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
        if (!reply.isValid()) {
            qCWarning(lcInstance) << "Cannot ask for" << busName() << ":" << reply.error().message();
            return claimWithLock(launch, request);
        }
        if (reply.value() == QDBusConnectionInterface::ServiceRegistered) {
            m_ownsName = true;
            return Outcome::primary;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(busName(), objectPath(), kApplicationInterface,
                                                           request.action.isEmpty() ? QStringLiteral("Activate")
                                                                                    : QStringLiteral("ActivateAction"));
        if (!request.action.isEmpty()) {
            const QVariantList parameter = request.parameter.isEmpty()
                                               ? QVariantList()
                                               : QVariantList{QVariant::fromValue(QDBusVariant(request.parameter))};
            call << request.action << QVariant::fromValue(parameter);
        }
        call << platformData(launch);
        // Waiting with the event loop running, so that an owner in this same thread could answer too.
        const QDBusMessage answer = m_bus.call(call, QDBus::BlockWithGui, kAnswerTimeoutMs);
        if (answer.type() == QDBusMessage::ReplyMessage)
            return Outcome::forwarded;
        qCWarning(lcInstance) << "The running instance did not answer:" << answer.errorMessage();
    }
    return Outcome::failed;
}

QString SingleInstance::socketPath() const
{
    return m_runtimeDir + QStringLiteral("/tessellon.socket");
}

SingleInstance::Outcome SingleInstance::claimWithLock(const Activation &launch, const Request &request)
{
    // An flock() on the lock file: atomic between launches, and the kernel lets go of it when its holder
    // ends however it ends, so a crashed instance never leaves a stale lock behind.
    const QByteArray lockPath = QFile::encodeName(m_runtimeDir + QStringLiteral("/tessellon.lock"));
    m_lockFd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd < 0) {
        qCWarning(lcInstance) << "Cannot open the lock file" << lockPath << ":" << qt_error_string(errno)
                              << "; running alone";
        return Outcome::primary;
    }
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) == 0) {
        // We hold the lock, so a socket file left there is a crashed instance's, and goes.
        if (!m_server.listen(socketPath()))
            qCWarning(lcInstance) << "Cannot listen for other launches at" << socketPath() << ":"
                                  << m_server.errorString();
        return Outcome::primary;
    }
    ::close(m_lockFd);
    m_lockFd = -1;
    // The owner may be a moment from listening: it takes the lock first.
    const QDeadlineTimer deadline(kAnswerTimeoutMs);
    while (!deadline.hasExpired()) {
        UnixSocket socket;
        if (socket.connectTo(socketPath(), int(deadline.remainingTime())) &&
            socket.write(socketRequest(request, launch), int(deadline.remainingTime())))
            return Outcome::forwarded;
        QThread::msleep(20);
    }
    qCWarning(lcInstance) << "The running instance did not answer at" << socketPath();
    return Outcome::failed;
}

void SingleInstance::answerSocket(UnixSocket *socket)
{
    connect(socket, &UnixSocket::ended, socket, &QObject::deleteLater);
    connect(socket, &UnixSocket::readyRead, this, [this, socket] {
        const qsizetype end = socket->buffer().indexOf('\n');
        if (end < 0)
            return;
        const QList<QByteArray> fields = socket->buffer().left(end).split('\t');
        socket->close();
        socket->deleteLater();
        if (fields.size() == 5 && fields[0] == "request") {
            const Activation launch{QString::fromUtf8(fields[3]), QString::fromUtf8(fields[4])};
            if (fields[1].isEmpty())
                Q_EMIT activated(launch);
            else
                Q_EMIT actionRequested({QString::fromUtf8(fields[1]), QString::fromUtf8(fields[2])}, launch);
        }
    });
}

#include "SingleInstance.moc"
