#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>

// A small HTTP/1.1 server on 127.0.0.1 that answers like an outside service, from a script: a reply per
// request target (path and query) or per path, with any status, headers and body, or no reply at all (a
// stall). It records every request target it receives, in order.
class HttpFixture : public QObject
{
public:
    struct Response {
        int status = 200;
        QByteArray body = {};
        QByteArray contentType = "application/octet-stream";
        QList<std::pair<QByteArray, QByteArray>> headers = {};
        // Accept the request and never answer.
        bool stall = false;
        // Without a Content-Length the body simply runs until the connection closes.
        bool announceLength = true;
        // Answer this much later, as a slow service would.
        int delayMs = 0;
    };

    HttpFixture()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }

    bool isListening() const { return m_server.isListening(); }
    // "http://127.0.0.1:PORT/"
    QString base() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort()); }

    // A reply for an exact target ("/thumbs/svg?seed=a") or, when no exact one matches, for its path.
    void route(const QByteArray &target, const Response &response) { m_routes.insert(target, response); }
    void clearRoutes() { m_routes.clear(); }
    void redirect(const QByteArray &target, const QByteArray &location)
    {
        route(target, {302, {}, "text/plain", {{"Location", location}}});
    }
    // Answers anything not routed (404 by default).
    std::function<Response(const QByteArray &target)> fallback = [](const QByteArray &) {
        return Response{404, "Not Found", "text/plain"};
    };

    QList<QByteArray> requests;

private:
    void serve(QTcpSocket *socket)
    {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QList<QByteArray> requestLine = buffer->left(buffer->indexOf("\r\n")).split(' ');
            buffer->clear();
            const QByteArray target = requestLine.value(1);
            requests.append(target);
            const Response response = responseFor(target);
            QTimer::singleShot(response.delayMs, socket, [socket, response] { respond(socket, response); });
        });
    }

    Response responseFor(const QByteArray &target) const
    {
        if (m_routes.contains(target))
            return m_routes.value(target);
        const QByteArray path = target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
        if (m_routes.contains(path))
            return m_routes.value(path);
        return fallback(target);
    }

    static void respond(QTcpSocket *socket, const Response &response)
    {
        if (response.stall)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Fixture\r\n";
        head += "Content-Type: " + response.contentType + "\r\n";
        if (response.announceLength)
            head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        for (const auto &[name, value] : response.headers)
            head += name + ": " + value + "\r\n";
        head += "Connection: close\r\n\r\n";
        socket->write(head + response.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QByteArray, Response> m_routes;
};
