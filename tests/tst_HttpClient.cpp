// The one HTTP client every service uses, against a server on loopback: the status rule, redirects, the
// transport's failures and the size limit. (A request whose owner goes is the task contract's test.)

#include "HttpFixture.h"
#include "TestMain.h"

#include "net/AsyncTask.h"
#include "net/HttpClient.h"

Q_DECLARE_METATYPE(HttpFixture::Response)

using Outcome = HttpClient::Reply::Outcome;

class tst_HttpClient : public QObject
{
    Q_OBJECT

    HttpFixture m_fixture;

    std::optional<HttpClient::Reply> get(const QString &path, qint64 maximumBytes = HttpClient::kDefaultMaximumBytes)
    {
        return get(QUrl(m_fixture.base() + path), maximumBytes);
    }

    static std::optional<HttpClient::Reply> get(const QUrl &url, qint64 maximumBytes = HttpClient::kDefaultMaximumBytes)
    {
        std::optional<HttpClient::Reply> reply;
        QObject context;
        HttpClient::get(
            url, &context, [&reply](const HttpClient::Reply &r) { reply = r; }, maximumBytes);
        (void)QTest::qWaitFor([&reply] { return reply.has_value(); }, 20000);
        return reply;
    }

private Q_SLOTS:
    void init()
    {
        m_fixture.clearRoutes();
        HttpClient::setInactivityTimeoutForTesting(60000);
    }

    // Only 200…299 is a success; a redirect is followed and the final reply decides; the body stays intact.
    void statusRule_data()
    {
        columns<int, bool, int>("status", "redirected", "outcome");
        for (int status : {199, 300, 304, 404, 410, 500})
            QTest::addRow("%d", status) << status << false << int(Outcome::badStatus);
        for (int status : {200, 299})
            QTest::addRow("%d", status) << status << false << int(Outcome::ok);
        QTest::newRow("302 to 200") << 200 << true << int(Outcome::ok);
        QTest::newRow("302 to 410") << 410 << true << int(Outcome::badStatus);
    }

    void statusRule()
    {
        auto [status, redirected, outcome] = fetch<int, bool, int>("status", "redirected", "outcome");
        const QByteArray body = QByteArray("GIF89a\0\x01", 8);
        m_fixture.route("/final", {status, body, "image/gif"});
        m_fixture.redirect("/start", "/final");
        const auto reply = get(redirected ? QStringLiteral("start") : QStringLiteral("final"));
        QVERIFY(reply);
        QCOMPARE(int(reply->outcome), outcome);
        QCOMPARE(reply->status, std::optional<int>(status));
        QCOMPARE(HttpClient::isSuccessStatus(status), outcome == int(Outcome::ok));
        if (outcome == int(Outcome::ok))
            QCOMPARE(reply->body, body);
    }

    // A refused connection and a server that never answers each fail with the transport's own words.
    void transportFailures()
    {
        QString refused;
        {
            QTcpServer closed; // a port that was just free: nothing listens there any more
            QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
            refused = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
        }
        auto reply = get(QUrl(refused));
        QVERIFY(reply);
        QCOMPARE(reply->outcome, Outcome::failed);
        QCOMPARE(reply->error, QStringLiteral("Connection refused"));

        m_fixture.route("/stall", {.stall = true});
        HttpClient::setInactivityTimeoutForTesting(300);
        reply = get(QStringLiteral("stall"));
        QVERIFY(reply);
        QCOMPARE(reply->outcome, Outcome::failed);
        QCOMPARE(reply->error, QStringLiteral("The request timed out."));
    }

    // A reply past the size limit is refused before it fills memory, announced or not.
    void oversizedRepliesAreRefused_data()
    {
        QTest::addColumn<bool>("announced");
        QTest::newRow("Content-Length too large") << true;
        QTest::newRow("no length, too long a body") << false;
    }

    void oversizedRepliesAreRefused()
    {
        QFETCH(bool, announced);
        HttpFixture::Response big{200, QByteArray(256 * 1024, 'x'), "image/png"};
        big.announceLength = announced;
        m_fixture.route("/big", big);
        const auto reply = get(QStringLiteral("big"), 64 * 1024);
        QVERIFY(reply);
        QCOMPARE(reply->outcome, Outcome::failed);
        QCOMPARE(reply->error, QStringLiteral("The reply is larger than 64 kB, so it was not read."));
        QVERIFY(reply->body.isEmpty());
    }
};

TESSELLON_TEST(tst_HttpClient)
#include "tst_HttpClient.moc"
