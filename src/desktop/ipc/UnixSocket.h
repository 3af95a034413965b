#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// Stream sockets in the file system (AF_UNIX), on plain POSIX calls: the program speaks through them to the
// compositor and to its own later launches. QtNetwork would do it too, but it would sit in memory from the
// start for just that; now it is loaded with the first download.

// One connection. Reads land in a buffer of its own: by waiting (`read`), or as they arrive once `watch`ed.
class UnixSocket : public QObject
{
    Q_OBJECT

public:
    explicit UnixSocket(QObject *parent = nullptr) : QObject(parent) {}
    ~UnixSocket() override;

    // Connects to the socket at `path`, waiting at most `timeoutMs`.
    bool connectTo(const QString &path, int timeoutMs);
    bool isOpen() const { return m_fd >= 0; }
    void close();

    // Sends all of `data`, waiting at most `timeoutMs` for room; false (and closed) if it could not.
    bool write(const QByteArray &data, int timeoutMs);
    // Waits at most `timeoutMs` for more bytes and adds them to the buffer; false on a timeout or the end.
    bool read(int timeoutMs);
    // From now on reads what arrives as it arrives, while the event loop runs, and says so by `readyRead`.
    void watch();

    const QByteArray &buffer() const { return m_buffer; }
    QByteArray take() { return std::exchange(m_buffer, {}); }

Q_SIGNALS:
    void readyRead();
    // The other side closed the connection, or it failed.
    void ended();

private:
    friend class UnixServer;
    UnixSocket(int fd, QObject *parent) : QObject(parent), m_fd(fd) {}
    // Reads what is there without waiting; false at the end of the stream or on an error.
    bool drain();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_buffer;
};

// A listening socket in the file system, for the user alone.
class UnixServer : public QObject
{
    Q_OBJECT

public:
    explicit UnixServer(QObject *parent = nullptr) : QObject(parent) {}
    ~UnixServer() override;

    // Listens at `path`; a file left there (by an instance that crashed) is removed first.
    bool listen(const QString &path);
    const QString &errorString() const { return m_error; }

Q_SIGNALS:
    // A new connection, already watched, a child of the server: delete it when done with it.
    void connected(UnixSocket *socket);

private:
    int m_fd = -1;
    QString m_path;
    QString m_error;
};
