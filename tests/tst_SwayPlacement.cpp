// The panel kept beside the bar on sway, against a stand-in for the compositor's IPC socket: the real sway
// (in the Wayland end-to-end run) cannot be made to refuse a connection, which is what is tried here.

#include "TestHome.h"
#include "TestMain.h"

#include "desktop/wayland/SwayPlacement.h"

namespace {

// Answers i3's IPC as a compositor with one output, one focused workspace under a top bar, and our window
// floating at the pointer; records every command it is sent. It runs on a thread of its own, as the
// placement waits for answers without running the event loop.
class FakeCompositor : public QObject
{
public:
    // `refuseMoves`: stops listening once it has told where the workspace is, which is the last thing a
    // placement asks before its first move.
    explicit FakeCompositor(const QString &path, bool refuseMoves) : m_path(path), m_refuseMoves(refuseMoves)
    {
        moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            this,
            [this, path] {
                m_server = new QLocalServer(this);
                QLocalServer::removeServer(path);
                connect(m_server, &QLocalServer::newConnection, this, [this] {
                    while (QLocalSocket *client = m_server->nextPendingConnection())
                        connect(client, &QLocalSocket::readyRead, this, [this, client] { serve(client); });
                });
                m_listening = m_server->listen(path);
            },
            Qt::BlockingQueuedConnection);
    }
    void listenAgain()
    {
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_refuseMoves = false;
                m_listening = m_server->listen(m_path);
            },
            Qt::BlockingQueuedConnection);
    }
    ~FakeCompositor() override
    {
        QMetaObject::invokeMethod(
            this, [this] { delete m_server; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    bool isListening() const { return m_listening; }
    QStringList commands() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_commands;
    }

private:
    void serve(QLocalSocket *client)
    {
        QByteArray &buffer = m_buffers[client];
        buffer += client->readAll();
        constexpr int header = 6 + 8;
        while (buffer.size() >= header) {
            const quint32 length = qFromUnaligned<quint32>(buffer.constData() + 6);
            const quint32 type = qFromUnaligned<quint32>(buffer.constData() + 10);
            if (buffer.size() < header + qsizetype(length))
                return;
            const QByteArray payload = buffer.mid(header, length);
            buffer.remove(0, header + length);
            QJsonDocument answer;
            const QJsonObject screen{{"x", 0}, {"y", 0}, {"width", 1280}, {"height", 800}};
            if (type == 0) {
                const QMutexLocker lock(&m_mutex);
                m_commands.append(QString::fromUtf8(payload).section(u' ', 1));
                answer = QJsonDocument(QJsonArray{QJsonObject{{"success", true}}});
            } else if (type == 4) {
                const QJsonObject ours{{"pid", QCoreApplication::applicationPid()},
                                       {"rect", QJsonObject{{"x", 1000}, {"y", 30}, {"width", 300}, {"height", 400}}}};
                answer = QJsonDocument(QJsonObject{{"floating_nodes", QJsonArray{ours}}});
            } else if (type == 3) {
                answer = QJsonDocument(QJsonArray{QJsonObject{{"rect", screen}}});
            } else {
                const QJsonObject free{{"x", 0}, {"y", 30}, {"width", 1280}, {"height", 770}};
                answer = QJsonDocument(QJsonArray{QJsonObject{{"focused", true}, {"rect", free}}});
            }
            const QByteArray body = answer.toJson(QJsonDocument::Compact);
            const quint32 fields[2] = {quint32(body.size()), type};
            // Closed before the answer goes out, so that no move can come in after it.
            if (type == 1 && m_refuseMoves)
                m_server->close();
            client->write(QByteArray("i3-ipc") + QByteArray(reinterpret_cast<const char *>(fields), 8) + body);
        }
    }

    QString m_path;
    bool m_refuseMoves;
    QThread m_thread;
    QLocalServer *m_server = nullptr;
    bool m_listening = false;
    mutable QMutex m_mutex;
    QStringList m_commands;
    QHash<QLocalSocket *, QByteArray> m_buffers;
};

} // namespace

class tst_SwayPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A move that could not be sent (no one listening on the compositor's socket a moment) is sent at the
    // next step, even when the panel's size has not changed since.
    void aMoveThatFailedIsSentAgain()
    {
        const QString path = testHome.path() + QStringLiteral("/runtime/sway-ipc.sock");
        qputenv("SWAYSOCK", path.toUtf8());
        FakeCompositor compositor(path, true);
        QVERIFY(compositor.isListening());
        SwayPlacement placement;
        QVERIFY(placement.attach(QSize(300, 400))); // its first move finds no one listening
        QCOMPARE(compositor.commands(), QStringList{QStringLiteral("move position cursor")});
        compositor.listenAgain();
        placement.follow(QSize(300, 400));
        QTRY_COMPARE(compositor.commands().size(), 2);
        QVERIFY2(compositor.commands().last().startsWith(QLatin1String("move absolute position")),
                 qPrintable(compositor.commands().last()));
    }
};

TESSELLON_TEST(tst_SwayPlacement)
#include "tst_SwayPlacement.moc"
