#include "desktop/wayland/SwayPlacement.h"

#include "core/Logging.h"
#include "desktop/PanelPlacement.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace {

// Message types of the IPC.
constexpr quint32 kRunCommand = 0;
constexpr quint32 kGetWorkspaces = 1;
constexpr quint32 kGetOutputs = 3;
constexpr quint32 kGetTree = 4;
constexpr int kAnswerMs = 1000;
const QByteArray kMagic = QByteArrayLiteral("i3-ipc");

QRect rectOf(const QJsonValue &value)
{
    const QJsonObject rect = value.toObject();
    return {rect.value(QLatin1String("x")).toInt(), rect.value(QLatin1String("y")).toInt(),
            rect.value(QLatin1String("width")).toInt(), rect.value(QLatin1String("height")).toInt()};
}

// Our window in the layout tree: the node of our process that holds a window. Floating windows hang off
// "floating_nodes", the others off "nodes".
QJsonObject findOurs(const QJsonObject &node, qint64 pid)
{
    if (node.value(QLatin1String("pid")).toInteger() == pid)
        return node;
    for (const char *children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue &child : node.value(QLatin1String(children)).toArray()) {
            const QJsonObject found = findOurs(child.toObject(), pid);
            if (!found.isEmpty())
                return found;
        }
    }
    return {};
}

} // namespace

bool SwayPlacement::isAvailable()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
           !qEnvironmentVariableIsEmpty("SWAYSOCK");
}

QString SwayPlacement::criteria() const
{
    return QStringLiteral("[pid=%1]").arg(QCoreApplication::applicationPid());
}

SwayPlacement::SwayPlacement()
{
    // The answers to moves are not waited for; they are read only to be dropped.
    QObject::connect(&m_moves, &UnixSocket::readyRead, &m_moves, [this] { m_moves.take(); });
}

QByteArray SwayPlacement::message(quint32 type, const QByteArray &payload)
{
    QByteArray message = kMagic;
    const quint32 header[2] = {quint32(payload.size()), type};
    message.append(reinterpret_cast<const char *>(header), sizeof header);
    message.append(payload);
    return message;
}

QJsonValue SwayPlacement::ask(quint32 type, const QByteArray &payload)
{
    UnixSocket socket;
    if (!socket.connectTo(qEnvironmentVariable("SWAYSOCK"), kAnswerMs) ||
        !socket.write(message(type, payload), kAnswerMs))
        return {};
    const qsizetype headerSize = kMagic.size() + qsizetype(2 * sizeof(quint32));
    quint32 length = 0;
    while (socket.buffer().size() < headerSize || socket.buffer().size() < headerSize + qsizetype(length)) {
        if (!socket.read(kAnswerMs))
            return {};
        if (socket.buffer().size() >= headerSize)
            length = qFromUnaligned<quint32>(socket.buffer().constData() + kMagic.size());
    }
    const QByteArray answer = socket.take();
    const QJsonDocument document = QJsonDocument::fromJson(answer.mid(headerSize, length));
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

bool SwayPlacement::run(const QString &command)
{
    const QJsonArray results = ask(kRunCommand, (criteria() + QLatin1Char(' ') + command).toUtf8()).toArray();
    const bool done = !results.isEmpty() && results.first().toObject().value(QLatin1String("success")).toBool();
    if (!done)
        qCInfo(lcPlacement) << "The compositor did not" << command << results;
    return done;
}

bool SwayPlacement::attach(const QSize &size)
{
    m_anchor = {};
    m_placedAt.reset();
    if (!run(QStringLiteral("move position cursor")))
        return false;
    const QJsonObject ours = findOurs(ask(kGetTree).toObject(), QCoreApplication::applicationPid());
    const QRect placed = rectOf(ours.value(QLatin1String("rect")));
    if (placed.isEmpty())
        return false;
    // Centred on the pointer, unless that would put it past the screen's edge: then the compositor has
    // pushed it against that edge, and the pointer was nearer the edge than the panel's middle.
    QPoint pointer = placed.center();
    for (const QJsonValue &output : ask(kGetOutputs).toArray()) {
        const QRect screen = rectOf(output.toObject().value(QLatin1String("rect")));
        if (!screen.contains(pointer))
            continue;
        if (placed.top() <= screen.top())
            pointer.setY(screen.top());
        else if (placed.bottom() >= screen.bottom())
            pointer.setY(screen.bottom());
        if (placed.left() <= screen.left())
            pointer.setX(screen.left());
        else if (placed.right() >= screen.right())
            pointer.setX(screen.right());
    }
    m_anchor = QRect(pointer, QSize(1, 1));
    m_frame = placed.size() - size;
    // The area the bars leave free is the workspace's where the panel has just opened, which has the focus.
    m_available = {};
    for (const QJsonValue &workspace : ask(kGetWorkspaces).toArray()) {
        if (workspace.toObject().value(QLatin1String("focused")).toBool())
            m_available = rectOf(workspace.toObject().value(QLatin1String("rect")));
    }
    if (m_available.isEmpty()) {
        m_anchor = {};
        return false;
    }
    follow(size);
    return true;
}

void SwayPlacement::follow(const QSize &size)
{
    if (!m_anchor.isValid())
        return;
    // Called at every step of a tab's resizing: only a new position is sent, and nothing waits for the
    // compositor, so the animation never stalls on it.
    const QPoint at = panelPosition(m_anchor, size + m_frame, m_available);
    if (at == m_placedAt)
        return;
    if (!m_moves.isOpen()) {
        if (!m_moves.connectTo(qEnvironmentVariable("SWAYSOCK"), kAnswerMs))
            return;
        m_moves.watch();
    }
    // Only a move that went out counts as placed: after a failed connection the next call tries again.
    if (m_moves.write(
            message(kRunCommand,
                    (criteria() + QStringLiteral(" move absolute position %1 %2").arg(at.x()).arg(at.y())).toUtf8()),
            kAnswerMs))
        m_placedAt = at;
}
