#include "IconifyFixture.h"
#include "TestHome.h"
#include "TestMain.h"

#include "net/Endpoints.h"
#include "net/HttpClient.h"
#include "net/IconifyService.h"

Q_DECLARE_METATYPE(HttpFixture::Response)

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
    (void)QTest::qWaitFor([&result] { return result.has_value(); }, 20000);
    return result.value_or(Result<T>(Failure{std::nullopt, QStringLiteral("no result")}));
}

Result<QList<IconID>> runSearch(const QString &query)
{
    return run<QList<IconID>>([&query](QObject *c, auto done) { search(query, c, done); });
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

QStringList ids(const Result<QList<IconID>> &result)
{
    QStringList list;
    if (const auto *icons = std::get_if<QList<IconID>>(&result)) {
        for (const IconID &icon : *icons)
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
    }

    // The exact request target, and the text a web server decodes from it.
    void searchRequestShape_data()
    {
        columns<QString, QByteArray>("query", "target");
        QTest::newRow("plain") << "home" << QByteArray("/search?query=home&limit=48");
        QTest::newRow("space") << "arrow down" << QByteArray("/search?query=arrow%20down&limit=48");
        QTest::newRow("plus, ampersand, hash")
            << "c++ & #1" << QByteArray("/search?query=c%2B%2B%20%26%20%231&limit=48");
        QTest::newRow("non-ASCII") << "caf\u00E9 \U0001F600"
                                   << QByteArray("/search?query=caf%C3%A9%20%F0%9F%98%80&limit=48");
    }

    void searchRequestShape()
    {
        auto [query, target] = fetch<QString, QByteArray>("query", "target");
        runSearch(query);
        QCOMPARE(m_fixture.requests, QList<QByteArray>{target});
        QCOMPARE(m_fixture.searches(), QStringList{query});
    }

    // The entries of a reply, and the icons made of them ("prefix|name").
    void searchEntries_data()
    {
        columns<QByteArray, QStringList>("reply", "icons");
        QTest::newRow("in order") << QByteArray(R"({"icons":["mdi:home","lucide:house","mdi:home"]})")
                                  << QStringList{"mdi|home", "lucide|house", "mdi|home"};
        QTest::newRow("empty") << QByteArray(R"({"icons":[],"total":0})") << QStringList{};
        QTest::newRow("other keys ignored")
            << QByteArray(R"({"total":1,"icons":["a:b"],"collections":{"a":{}},"limit":48})") << QStringList{"a|b"};
        QTest::newRow("malformed skipped")
            << QByteArray(R"({"icons":["nocolon","mdi:",":home","","::","x:y"]})") << QStringList{"x|y"};
        QTest::newRow("leading colons skipped") << QByteArray(R"({"icons":["::mdi:home"]})") << QStringList{"mdi|home"};
        QTest::newRow("further colons stay in the name")
            << QByteArray(R"({"icons":["a:b:c","a::b"]})") << QStringList{"a|b:c", "a|:b"};
        QTest::newRow("unicode") << QByteArray(R"({"icons":["s\u00E9t:na\u00EFve"]})")
                                 << QStringList{"s\u00E9t|na\u00EFve"};
    }

    void searchEntries()
    {
        auto [reply, icons] = fetch<QByteArray, QStringList>("reply", "icons");
        m_fixture.route("/search", json(reply));
        const auto result = runSearch(QStringLiteral("home"));
        QCOMPARE(errorText(result), QString());
        QCOMPARE(ids(result), icons);
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
        QCOMPARE(errorText(runSearch(QStringLiteral("home"))), error);
    }

    // The status rule is the client's own; every call here turns a bad status into one sentence and saves
    // nothing.
    void badStatus()
    {
        m_fixture.route("/search", json(R"({"icons":["mdi:home"]})", 404));
        m_fixture.route("/mdi/home.svg", {404, m_fixture.svg("mdi", "home"), "image/svg+xml"});
        const QString error = QStringLiteral("Iconify returned HTTP 404.");
        QCOMPARE(errorText(runSearch(QStringLiteral("home"))), error);
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
        QList<double> savings;
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
            const qsizetype base64 = IconifyService::base64DataURI(QString::fromUtf8(markup)).size();
            savings.append(100.0 * double(base64 - uri.size()) / double(base64));
        }
        std::sort(savings.begin(), savings.end());
        qInfo("compact data URI against base64 over %d icons: median %.1f %% smaller (from %.1f to %.1f %%)",
              int(savings.size()), savings[savings.size() / 2], savings.first(), savings.last());
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
        const auto icons = std::get<QList<IconID>>(runSearch(QStringLiteral("x")));
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
