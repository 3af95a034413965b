#include "HttpFixture.h"
#include "TestMain.h"

#include "net/AsyncTask.h"
#include "net/HttpClient.h"

#include <memory>

// The contract every asynchronous path relies on, tried once here on the real HTTP path: a task goes with
// its context, stops its work when it goes, never reports inside the call that starts it, reports at most
// once, and leaves nothing behind.
class tst_AsyncTask : public QObject
{
    Q_OBJECT

    HttpFixture m_fixture;

    // The network's replies hang off the application object.
    static QList<QNetworkReply *> liveReplies() { return qApp->findChildren<QNetworkReply *>(); }

private Q_SLOTS:
    void contract_data()
    {
        // owner: what the owner does: wait, abort, destroy before, destroy during
        columns<QString, QString, int, int>("path", "owner", "reports", "outcome");
        const int ok = int(HttpClient::Reply::Outcome::ok);
        const int badStatus = int(HttpClient::Reply::Outcome::badStatus);
        const int failed = int(HttpClient::Reply::Outcome::failed);
        testRow("success", "/ok", "wait", 1, ok);
        testRow("error status", "/missing", "wait", 1, badStatus);
        QTest::newRow("transport error") << "bad://"
                                         << "wait" << 1 << failed;
        testRow("abort while waiting", "/stall", "abort", 0, -1);
        testRow("context destroyed before the reply", "/stall", "destroy before", 0, -1);
        testRow("context destroyed during the reply", "/large", "destroy during", 0, -1);
        testRow("abort after success arrived", "/ok", "abort after", 0, -1);
    }

    void contract()
    {
        auto [path, owner, reports, outcome] = fetch<QString, QString, int, int>("path", "owner", "reports", "outcome");
        m_fixture.requests.clear();
        m_fixture.route("/ok", {200, "body"});
        m_fixture.route("/stall", {200, {}, "text/plain", {}, true});
        m_fixture.route("/large", {200, QByteArray(8 * 1024 * 1024, 'x')});

        auto context = std::make_unique<QObject>();
        int reported = 0;
        int lastOutcome = -1;
        const QUrl url = path.startsWith(u'/') ? QUrl(m_fixture.base() + path.mid(1)) : QUrl(path);
        QPointer<AsyncTask> task = HttpClient::get(url, context.get(), [&](const HttpClient::Reply &reply) {
            ++reported;
            lastOutcome = int(reply.outcome);
        });
        QCOMPARE(reported, 0);
        QVERIFY(task);
        QCOMPARE(task->parent(), context.get());

        if (owner == QLatin1String("abort")) {
            QTRY_COMPARE(m_fixture.requests.size(), 1);
            task->abort();
        } else if (owner == QLatin1String("destroy before")) {
            QTRY_COMPARE(m_fixture.requests.size(), 1);
            context.reset();
        } else if (owner == QLatin1String("destroy during")) {
            QNetworkReply *reply = liveReplies().value(0);
            QVERIFY(reply);
            connect(reply, &QNetworkReply::readyRead, this, [&context] { context.reset(); });
        } else if (owner == QLatin1String("abort after")) {
            // The reply is in, its report queued: the owner changes its mind before the report runs.
            QNetworkReply *reply = liveReplies().value(0);
            QVERIFY(reply);
            connect(reply, &QNetworkReply::finished, this, [&task] {
                QVERIFY(task->isFinished());
                task->abort();
            });
        }

        // Nothing is left behind: no reply, no task, whatever happened.
        QTRY_VERIFY(liveReplies().isEmpty());
        QTRY_VERIFY(!task);
        QCoreApplication::processEvents();
        QCOMPARE(reported, reports);
        QCOMPARE(lastOutcome, outcome);
    }

    // An outcome known at once still arrives later, and not at all once its context is gone.
    void reportLater()
    {
        int reported = 0;
        auto context = std::make_unique<QObject>();
        AsyncTask::reportLater(context.get(), [&reported] { ++reported; });
        QCOMPARE(reported, 0);
        QTRY_COMPARE(reported, 1);
        AsyncTask::reportLater(context.get(), [&reported] { ++reported; });
        context.reset();
        QCoreApplication::processEvents();
        QCOMPARE(reported, 1);
    }
};

TESSELLON_TEST(tst_AsyncTask)
#include "tst_AsyncTask.moc"
