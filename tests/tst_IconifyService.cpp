#include "IconifyFixture.h"
#include "TestHome.h"
#include "TestMain.h"

#include "net/Endpoints.h"
#include "net/HttpClient.h"
#include "net/IconifyService.h"
#include "net/ReplyCache.h"

Q_DECLARE_METATYPE(HttpFixture::Response)
Q_DECLARE_METATYPE(IconifyService::SearchQuery)

using namespace IconifyService;

namespace {

QString downloads()
{
    return testHome.path() + QStringLiteral("/Downloads");
}

// Every file under the test home, so a file written outside the Downloads folder would show too.
QStringList filesUnderHome()
{
    QStringList files;
    QDirIterator it(testHome.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(testHome.path()).relativeFilePath(it.next()));
    files.removeIf([](const QString &f) { return f.startsWith(QLatin1String(".config/")); });
    return files;
}

// Runs one call of the client to its end and gives its result.
template <typename T, typename Call>
Result<T> run(Call call)
{
    std::optional<Result<T>> result;
    QObject context;
    call(&context, [&result](const Result<T> &r) { result = r; });
    // Not QTest::qWaitFor, whose naps add up over a request's steps with the fixture in this same thread.
    const QDeadlineTimer deadline(20000);
    QTimer wake; // so that a wait for nothing still ends
    wake.start(100);
    while (!result && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return result.value_or(Result<T>(Failure{std::nullopt, QStringLiteral("no result")}));
}

Result<SearchPage> runSearch(const SearchQuery &query)
{
    return run<SearchPage>([&query](QObject *c, auto done) { search(query, c, done); });
}

Result<QString> runFetch(const IconID &icon)
{
    return run<QString>([&icon](QObject *c, auto done) { fetchSVG(icon, c, done); });
}

Result<DownloadsFolder::Saved> runDownload(const IconID &icon)
{
    return run<DownloadsFolder::Saved>([&icon](QObject *c, auto done) { download(icon, c, done); });
}

template <typename T>
QString errorText(const Result<T> &result)
{
    const auto *why = std::get_if<Failure>(&result);
    return why ? why->description() : QString();
}

QStringList ids(const Result<SearchPage> &result)
{
    QStringList list;
    if (const auto *page = std::get_if<SearchPage>(&result)) {
        for (const IconID &icon : page->icons)
            list.append(icon.prefix + u'|' + icon.name);
    }
    return list;
}

HttpFixture::Response json(const QByteArray &body, int status = 200)
{
    return {status, body, "application/json"};
}

} // namespace

class tst_IconifyService : public QObject
{
    Q_OBJECT

    IconifyFixture m_fixture;

private Q_SLOTS:
    void init()
    {
        Endpoints::overrideForTesting({{}, {}, {}, m_fixture.base()});
        m_fixture.requests.clear();
        m_fixture.clearRoutes();
        QDir(downloads()).removeRecursively();
        HttpClient::setInactivityTimeoutForTesting(60000);
        replyCache().clear();
    }

    // The exact request target, and the text a web server decodes from it.
    void searchRequestShape_data()
    {
        columns<SearchQuery, QByteArray>("query", "target");
        testRow("plain", SearchQuery{"home"}, QByteArray("/search?query=home&limit=48"));
        testRow("space", SearchQuery{"arrow down"}, QByteArray("/search?query=arrow%20down&limit=48"));
        testRow("plus, ampersand, hash", SearchQuery{"c++ & #1"},
                QByteArray("/search?query=c%2B%2B%20%26%20%231&limit=48"));
        testRow("non-ASCII", SearchQuery{"caf\u00E9 \U0001F600"},
                QByteArray("/search?query=caf%C3%A9%20%F0%9F%98%80&limit=48"));
        testRow("next page within a set", SearchQuery{"home", 96, "mdi-light"},
                QByteArray("/search?query=home&limit=48&start=96&prefix=mdi-light"));
        testRow("a set's name is encoded", SearchQuery{"home", 0, "a&b"},
                QByteArray("/search?query=home&limit=48&prefix=a%26b"));
    }

    void searchRequestShape()
    {
        auto [query, target] = fetch<SearchQuery, QByteArray>("query", "target");
        runSearch(query);
        QCOMPARE(m_fixture.requests, QList<QByteArray>{target});
        QCOMPARE(m_fixture.searches(), QStringList{query.text});
    }

    // A self-hosted API's address: what becomes the base, and what is refused leaving the base as it was.
    void selfHostedAddress_data()
    {
        columns<QString, QString>("address", "base");
        testRow("https host", QStringLiteral("https://icons.example"), QStringLiteral("https://icons.example/"));
        testRow("path, port", QStringLiteral(" http://10.0.0.5:3000/api "),
                QStringLiteral("http://10.0.0.5:3000/api/"));
        testRow("other scheme", QStringLiteral("file:///etc/"), QString());
        testRow("no host", QStringLiteral("https:///search"), QString());
        testRow("query", QStringLiteral("https://icons.example/?x=1"), QString());
        testRow("credentials", QStringLiteral("https://u:p@icons.example/"), QString());
        testRow("not a URL", QStringLiteral("icons example"), QString());
    }

    void selfHostedAddress()
    {
        auto [address, base] = fetch<QString, QString>("address", "base");
        QCOMPARE(Endpoints::useIconify(address), !base.isEmpty());
        QCOMPARE(Endpoints::current().iconify, base.isEmpty() ? m_fixture.base() : base);
    }

    // The entries of a reply and the icons made of them ("prefix|name"); its count, when believable (-1:
    // none); its sets ("prefix=name").
    void searchEntries_data()
    {
        columns<QByteArray, QStringList, int, QStringList>("reply", "icons", "total", "sets");
        testRow("in order", QByteArray(R"({"icons":["mdi:home","lucide:house","mdi:home"]})"),
                QStringList{"mdi|home", "lucide|house", "mdi|home"}, -1, QStringList{});
        testRow("empty", QByteArray(R"({"icons":[],"total":0})"), QStringList{}, 0, QStringList{});
        testRow("count and sets",
                QByteArray(R"({"total":1204,"icons":["a:b"],"collections":{"a":{"name":" Set  A "},"c":{},)"
                           R"("":{"name":"x"},"d:e":{"name":"y"},"f":3},"limit":48})"),
                QStringList{"a|b"}, 1204, QStringList{"a=Set A", "c=c", "f=f"});
        testRow("count as text", QByteArray(R"({"icons":[],"total":"12"})"), QStringList{}, -1, QStringList{});
        testRow("absurd count", QByteArray(R"({"icons":[],"total":1e300})"), QStringList{}, -1, QStringList{});
        testRow("collections not an object", QByteArray(R"({"icons":[],"collections":["a"]})"), QStringList{}, -1,
                QStringList{});
        testRow("malformed skipped", QByteArray(R"({"icons":["nocolon","mdi:",":home","","::","x:y"]})"),
                QStringList{"x|y"}, -1, QStringList{});
        testRow("leading colons skipped", QByteArray(R"({"icons":["::mdi:home"]})"), QStringList{"mdi|home"}, -1,
                QStringList{});
        testRow("further colons stay in the name", QByteArray(R"({"icons":["a:b:c","a::b"]})"),
                QStringList{"a|b:c", "a|:b"}, -1, QStringList{});
        testRow("unicode", QByteArray(R"({"icons":["s\u00E9t:na\u00EFve"]})"), QStringList{"s\u00E9t|na\u00EFve"}, -1,
                QStringList{});
    }

    void searchEntries()
    {
        auto [reply, icons, total, sets] =
            fetch<QByteArray, QStringList, int, QStringList>("reply", "icons", "total", "sets");
        m_fixture.route("/search", json(reply));
        const auto result = runSearch({QStringLiteral("home")});
        QCOMPARE(errorText(result), QString());
        QCOMPARE(ids(result), icons);
        const SearchPage &page = std::get<SearchPage>(result);
        QCOMPARE(page.total.value_or(-1), total);
        QStringList named;
        for (const IconSet &set : page.sets)
            named.append(set.prefix + u'=' + set.name);
        QCOMPARE(named, sets);
    }

    // What is asked again is answered from memory, within the bound, the oldest going first; failures are
    // not kept.
    void repeatsComeFromMemory()
    {
        QCOMPARE(ids(runSearch({QStringLiteral("home")})), ids(runSearch({QStringLiteral("home")})));
        QCOMPARE(m_fixture.requests.size(), 1);
        m_fixture.route("/x/gone.svg", {404, "no", "text/plain"});
        runFetch({QStringLiteral("x"), QStringLiteral("gone")});
        runFetch({QStringLiteral("x"), QStringLiteral("gone")});
        QCOMPARE(m_fixture.requests.size(), 3);

        const qint64 bound = 20000;
        replyCache().setCapacity(bound);
        const auto restore = qScopeGuard([] { replyCache().setCapacity(kCacheBytes); });
        m_fixture.fallback = [](const QByteArray &target) {
            return HttpFixture::Response{200, "<svg>" + target.repeated(8) + "</svg>", "image/svg+xml"};
        };
        const auto icon = [](int i) { return IconID{QStringLiteral("x"), QStringLiteral("i%1").arg(i)}; };
        for (int i = 0; i < 200; ++i) {
            QCOMPARE(errorText(runFetch(icon(i))), QString());
            QVERIFY(replyCache().bytes() <= bound);
        }
        m_fixture.requests.clear();
        runFetch(icon(199));
        QCOMPARE(m_fixture.requests.size(), 0);
        runFetch(icon(0));
        QCOMPARE(m_fixture.requests, QList<QByteArray>{"/x/i0.svg"});
    }

    // Replies that are not a usable list end the search with a readable reason.
    void searchFailures_data()
    {
        columns<HttpFixture::Response, QString>("reply", "error");
        QTest::newRow("no icons key") << json(R"({"total":0})") << "The search reply has no \u201Cicons\u201D list.";
        QTest::newRow("icons not a list")
            << json(R"({"icons":"mdi:home"})") << "The search reply\u2019s \u201Cicons\u201D is not a list.";
        QTest::newRow("non-text entry") << json(R"({"icons":["mdi:home",3]})")
                                        << "The search reply\u2019s \u201Cicons\u201D holds something other than text.";
        QTest::newRow("malformed JSON") << json(R"({"icons":["mdi:home")")
                                        << "The search reply is not valid JSON (unterminated string at byte 20).";
    }

    void searchFailures()
    {
        auto [reply, error] = fetch<HttpFixture::Response, QString>("reply", "error");
        m_fixture.route("/search", reply);
        QCOMPARE(errorText(runSearch({QStringLiteral("home")})), error);
    }

    // The status rule is the client's own; every call here turns a bad status into one sentence and saves
    // nothing.
    void badStatus()
    {
        m_fixture.route("/search", json(R"({"icons":["mdi:home"]})", 404));
        m_fixture.route("/mdi/home.svg", {404, m_fixture.svg("mdi", "home"), "image/svg+xml"});
        const QString error = QStringLiteral("Iconify returned HTTP 404.");
        QCOMPARE(errorText(runSearch({QStringLiteral("home")})), error);
        QCOMPARE(errorText(runFetch({QStringLiteral("mdi"), QStringLiteral("home")})), error);
        QCOMPARE(errorText(runDownload({QStringLiteral("mdi"), QStringLiteral("home")})), error);
        QCOMPARE(filesUnderHome(), QStringList());
    }

    // What an SVG reply must be: UTF-8 holding "<svg"; it comes back unchanged.
    void fetchSVG_data()
    {
        columns<QByteArray, QString>("body", "error");
        const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 1 1\"/>";
        QTest::newRow("svg") << svg << QString();
        QTest::newRow("untrimmed, unrewritten") << "\n  <?xml version=\"1.0\"?>" + svg + " \n" << QString();
        QTest::newRow("empty") << QByteArray() << "Iconify returned no usable data.";
        QTest::newRow("upper case") << QByteArray("<SVG viewBox=\"0 0 1 1\"/>") << "Iconify returned no usable data.";
        QTest::newRow("not UTF-8") << QByteArray("<svg>\xff\xfe</svg>") << "Iconify returned no usable data.";
    }

    void fetchSVG()
    {
        auto [body, error] = fetch<QByteArray, QString>("body", "error");
        m_fixture.route("/x/y.svg", {200, body, "image/svg+xml"});
        const auto result = runFetch({QStringLiteral("x"), QStringLiteral("y")});
        QCOMPARE(errorText(result), error);
        if (error.isEmpty())
            QCOMPARE(std::get<QString>(result).toUtf8(), body);
        QCOMPARE(m_fixture.requests, QList<QByteArray>{"/x/y.svg"});
    }

    // Every fixture icon, and markup with every character that needs care: the compact URI decodes to the
    // very bytes, and sits as one value in CSS's url("…") and in a double- or single-quoted HTML attribute.
    void compactDataURI()
    {
        QList<QByteArray> markups;
        for (const QString &id : m_fixture.allIcons())
            markups.append(m_fixture.svg(id.section(QLatin1Char(':'), 0, 0), id.section(QLatin1Char(':'), 1)));
        markups.append(QByteArrayLiteral("<svg><text x='1'>50% \"#1\" & \\ caf\xc3\xa9\n\ttab</text></svg>"));
        for (const QByteArray &markup : std::as_const(markups)) {
            const QString uri = IconifyService::compactDataURI(QString::fromUtf8(markup));
            QVERIFY(uri.startsWith(QLatin1String("data:image/svg+xml,")));
            const QString payload = uri.mid(int(qstrlen("data:image/svg+xml,")));
            QCOMPARE(QByteArray::fromPercentEncoding(payload.toLatin1()), markup);
            // What would end a CSS string or an attribute, start a fragment or a character reference, or
            // break a line: never there as itself.
            static const QRegularExpression unsafe(QStringLiteral("[\"'#&\\\\\\x00-\\x1f\\x7f-\\x{10ffff}]"));
            QVERIFY2(!unsafe.match(payload).hasMatch(), qPrintable(payload));
            static const QRegularExpression strayPercent(QStringLiteral("%(?![0-9A-F]{2})"));
            QVERIFY(!strayPercent.match(payload).hasMatch());
        }
    }

    void unformableURL()
    {
        const IconID spaced{QStringLiteral("my set"), QStringLiteral("home")};
        QCOMPARE(errorText(runFetch(spaced)), QStringLiteral("Couldn't build the Iconify request."));
        QCOMPARE(errorText(runDownload(spaced)), QStringLiteral("Couldn't build the Iconify request."));
        QVERIFY(m_fixture.requests.isEmpty());
        QVERIFY(filesUnderHome().isEmpty());
    }

    // A prefix or name from the network never names a file outside the Downloads folder (the folder's own
    // test has the other unsafe names).
    void hostileNames_data()
    {
        // outcome: the start of the error, or the saved file
        columns<QString, QString>("entry", "outcome");
        const QString refused = QStringLiteral("Refused to save under the unsafe file name");
        QTest::newRow("parent folders") << "mdi:../../../.bashrc" << refused;
        // Not even a valid URL, so nothing is fetched.
        QTest::newRow("backslash") << "a:b\\..\\c"
                                   << "Couldn't build the Iconify request.";
        QTest::newRow("dots inside are fine") << "a:b..c"
                                              << "Downloads/a-b..c.svg";
    }

    void hostileNames()
    {
        auto [entry, outcome] = fetch<QString, QString>("entry", "outcome");
        const QByteArray reply = QJsonDocument(QJsonObject{{"icons", QJsonArray{entry}}}).toJson();
        m_fixture.route("/search", json(reply));
        // This service answers every path with an SVG, whatever it was asked.
        const auto iconSets = std::exchange(m_fixture.fallback, [](const QByteArray &) {
            return HttpFixture::Response{200, "<svg viewBox=\"0 0 1 1\"/>", "image/svg+xml"};
        });
        const auto icons = std::get<SearchPage>(runSearch({QStringLiteral("x")})).icons;
        QCOMPARE(icons.size(), 1);
        const auto result = runDownload(icons[0]);
        m_fixture.fallback = iconSets;
        if (outcome.startsWith(QLatin1String("Downloads/"))) {
            QCOMPARE(errorText(result), QString());
            QCOMPARE(filesUnderHome(), QStringList{outcome});
        } else {
            QVERIFY2(errorText(result).startsWith(outcome), qPrintable(errorText(result)));
            QCOMPARE(filesUnderHome(), QStringList{});
        }
    }
};

TESSELLON_TEST(tst_IconifyService)
#include "tst_IconifyService.moc"
