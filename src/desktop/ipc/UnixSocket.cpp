#include "desktop/ipc/UnixSocket.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The socket's address, or none where the path is too long for one.
bool addressOf(const QString &path, sockaddr_un &address)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path)
        return false;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

// Waits for `events` on `fd` until `deadline`, through interruptions.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd entry{fd, events, 0};
    int ready = 0;
    do {
        ready = ::poll(&entry, 1, int(deadline.remainingTime()));
    } while (ready < 0 && errno == EINTR);
    return ready > 0 && (entry.revents & (events | POLLHUP | POLLERR));
}

} // namespace

UnixSocket::~UnixSocket()
{
    close();
}

bool UnixSocket::connectTo(const QString &path, int timeoutMs)
{
    close();
    sockaddr_un address{};
    if (!addressOf(path, address))
        return false;
    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_fd < 0)
        return false;
    if (::connect(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
        return true;
    // A listener with a full backlog makes us wait for room.
    int error = 0;
    socklen_t length = sizeof error;
    if (errno == EAGAIN && waitFor(m_fd, POLLOUT, QDeadlineTimer(timeoutMs)) &&
        ::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0)
        return true;
    close();
    return false;
}

void UnixSocket::close()
{
    // Not deleted here: this may run inside the notifier's own signal.
    if (QSocketNotifier *notifier = std::exchange(m_notifier, nullptr)) {
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
}

bool UnixSocket::write(const QByteArray &data, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    qsizetype sent = 0;
    while (m_fd >= 0 && sent < data.size()) {
        const ssize_t written = ::send(m_fd, data.constData() + sent, size_t(data.size() - sent), MSG_NOSIGNAL);
        if (written > 0)
            sent += written;
        else if (written < 0 && errno == EINTR)
            continue;
        else if (written < 0 && errno == EAGAIN && waitFor(m_fd, POLLOUT, deadline))
            continue;
        else
            close();
    }
    return sent == data.size();
}

bool UnixSocket::drain()
{
    char chunk[4096];
    while (m_fd >= 0) {
        const ssize_t got = ::recv(m_fd, chunk, sizeof chunk, 0);
        if (got > 0)
            m_buffer.append(chunk, got);
        else if (got < 0 && errno == EINTR)
            continue;
        else
            return got < 0 && errno == EAGAIN;
    }
    return false;
}

bool UnixSocket::read(int timeoutMs)
{
    const qsizetype before = m_buffer.size();
    if (m_fd < 0 || !waitFor(m_fd, POLLIN, QDeadlineTimer(timeoutMs)))
        return false;
    if (!drain())
        close();
    return m_buffer.size() > before;
}

void UnixSocket::watch()
{
    if (m_fd < 0 || m_notifier)
        return;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        const qsizetype before = m_buffer.size();
        const bool open = drain();
        if (m_buffer.size() > before)
            Q_EMIT readyRead();
        if (!open && m_fd >= 0) {
            close();
            Q_EMIT ended();
        }
    });
}

UnixServer::~UnixServer()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(QFile::encodeName(m_path).constData());
    }
}

bool UnixServer::listen(const QString &path)
{
    sockaddr_un address{};
    if (!addressOf(path, address)) {
        m_error = QStringLiteral("the path is too long for a socket");
        return false;
    }
    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    ::unlink(address.sun_path);
    // Made for the user alone before it can be reached: the umask decides a new socket file's mode.
    const mode_t mask = ::umask(0077);
    const bool bound = m_fd >= 0 && ::bind(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(m_fd, 16) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        if (m_fd >= 0)
            ::close(std::exchange(m_fd, -1));
        return false;
    }
    m_path = path;
    auto *notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        int client = -1;
        while ((client = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
            auto *socket = new UnixSocket(client, this);
            socket->watch();
            Q_EMIT connected(socket);
        }
    });
    return true;
}
