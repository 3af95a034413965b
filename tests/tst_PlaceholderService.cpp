#include "HttpFixture.h"
#include "TestHome.h"
#include "TestMain.h"

#include "net/Endpoints.h"
#include "net/HttpClient.h"
#include "net/PlaceholderService.h"

using namespace PlaceholderService;
Q_DECLARE_METATYPE(PlaceholderService::Source)
Q_DECLARE_METATYPE(PlaceholderService::Format)

namespace {

QString downloads()
{
    return testHome.path() + QStringLiteral("/Downloads");
}

QStringList downloadedFiles()
{
    return QDir(downloads()).entryList(QDir::Files, QDir::Name);
}

// Runs one download to its end and gives its result.
DownloadResult runDownload(const Request &request)
{
    std::optional<DownloadResult> result;
    QObject context;
    download(request, &context, [&result](const DownloadResult &r) { result = r; });
    (void)QTest::qWaitFor([&result] { return result.has_value(); }, 20000);
    return result.value_or(DownloadResult(DownloadError::other(QStringLiteral("no result"))));
}

QString errorText(const DownloadResult &result)
{
    const auto *error = std::get_if<DownloadError>(&result);
    return error ? error->description() : QString();
}

Request pngRequest(qint64 width = 400, qint64 height = 400)
{
    return {Source::placeholder, width, height, Format::png, QStringLiteral("Tessellon"), QStringLiteral("thumbs")};
}

} // namespace

class tst_PlaceholderService : public QObject
{
    Q_OBJECT

    HttpFixture m_fixture;

private Q_SLOTS:
    void init()
    {
        Endpoints::overrideForTesting({QStringLiteral("https://placehold.test/"),
                                       QStringLiteral("https://photos.test/"),
                                       QStringLiteral("https://avatars.test/9.x/"), QString()});
        QDir(downloads()).removeRecursively();
        HttpClient::setInactivityTimeoutForTesting(60000);
    }

    void urlAndFileName_data()
    {
        columns<Source, qint64, qint64, Format, QString, QString, QString, QString>(
            "source", "width", "height", "format", "seed", "style", "url", "baseName");

        // The sizes are qint64 in the table: plain literals would be ints.
        const auto add = [](const char *name, Source source, qint64 width, qint64 height, auto... rest) {
            testRow(name, source, width, height, rest...);
        };
        const Source ph = Source::placeholder, av = Source::avatar;
        add("placeholder png", ph, 400, 400, Format::png, "", "thumbs", "https://placehold.test/400x400.png",
            "placeholder-400x400");
        add("placeholder svg has no extension", ph, 400, 400, Format::svg, "", "thumbs",
            "https://placehold.test/400x400", "placeholder-400x400");
        add("photo ignores format and seed", Source::photo, 800, 600, Format::png, "seed", "thumbs",
            "https://photos.test/800/600", "photo-800x600");
        add("avatar png sends the width only", av, 512, 16, Format::png, "Tessellon", "pixel-art",
            "https://avatars.test/9.x/pixel-art/png?seed=Tessellon&size=512", "avatar-pixel-art-Tessellon");
        add("query punctuation passes, the rest is encoded", av, 64, 64, Format::svg,
            "a&b=c+d/e?f:g@h;i,j*k(l)'m$n~o.p_q-r", "thumbs",
            "https://avatars.test/9.x/thumbs/svg?seed=a&b=c+d/e?f:g@h;i,j*k(l)'m$n~o.p_q-r",
            "avatar-thumbs-abcdefghijklmnopq-r");
        add("characters outside the query set", av, 64, 64, Format::svg, "#%\"<>[]{}|\\^`", "thumbs",
            "https://avatars.test/9.x/thumbs/svg?seed=%23%25%22%3C%3E%5B%5D%7B%7D%7C%5C%5E%60", "avatar-thumbs-seed");
        add("non-ASCII letters of any script, emoji dropped", av, 64, 64, Format::svg, "Zoë 東京 😀", "thumbs",
            "https://avatars.test/9.x/thumbs/svg?seed=Zo%C3%AB%20%E6%9D%B1%E4%BA%AC%20%F0%9F%98%80",
            "avatar-thumbs-Zoë-東京-");
        add("combining mark stays with its letter, digits kept", av, 64, 64, Format::svg, "Jose\u0301 42\ttab\nline",
            "thumbs", "https://avatars.test/9.x/thumbs/svg?seed=Jose%CC%81%2042%09tab%0Aline",
            "avatar-thumbs-Jose\u0301-42tabline");
        // U+111C2 is a letter that joins what follows it into one character, a "/" too.
        add("a prepended letter cannot carry a slash in", av, 64, 64, Format::svg, "\U000111C2/x", "thumbs",
            "https://avatars.test/9.x/thumbs/svg?seed=%F0%91%87%82/x", "avatar-thumbs-x");
    }

    void urlAndFileName()
    {
        auto [source, width, height, format, seed, style, url, baseName] =
            fetch<Source, qint64, qint64, Format, QString, QString, QString, QString>(
                "source", "width", "height", "format", "seed", "style", "url", "baseName");
        const Request request{source, width, height, format, seed, style};
        QCOMPARE(PlaceholderService::url(request), url);
        QCOMPARE(baseFileName(request), baseName);
    }

    void parseDimension_data()
    {
        // value: 0: refused
        columns<QString, qint64>("text", "value");
        QTest::newRow("plain") << "300" << 300LL;
        QTest::newRow("largest 64-bit") << "9223372036854775807" << 9223372036854775807LL;
        QTest::newRow("past 64 bits") << "9223372036854775808" << 0LL;
        QTest::newRow("negative") << "-5" << 0LL;
        QTest::newRow("trailing line feed") << "300\n" << 0LL;
        QTest::newRow("empty") << "" << 0LL;
        QTest::newRow("Arabic-Indic digits") << "\u0663\u0660\u0660" << 0LL;
        QTest::newRow("full-width digits") << "\uFF13\uFF10" << 0LL;
    }

    void parseDimension()
    {
        auto [text, value] = fetch<QString, qint64>("text", "value");
        const std::optional<qint64> parsed = PlaceholderService::parseDimension(text);
        QCOMPARE(parsed.value_or(0), value);
    }

    // A download lands under the request's name, then a free one beside it, with the bytes unchanged; a
    // failure is a readable sentence and leaves no file. (The client and the folder have tests of their own.)
    void download()
    {
        const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(5000, '\x07');
        m_fixture.route("/400x400.png", {200, png, "image/png"});
        m_fixture.route("/404x404.png", {404, "an error page", "text/html"});
        Endpoints::overrideForTesting({m_fixture.base(), m_fixture.base(), m_fixture.base(), QString()});
        QStringList names;
        for (int i = 0; i < 2; ++i) {
            const DownloadResult result = runDownload(pngRequest());
            QVERIFY2(std::holds_alternative<DownloadsFolder::Saved>(result), qPrintable(errorText(result)));
            names.append(std::get<DownloadsFolder::Saved>(result).fileName);
        }
        QCOMPARE(names, (QStringList{"placeholder-400x400.png", "placeholder-400x400-1.png"}));
        QFile file(downloads() + QStringLiteral("/placeholder-400x400-1.png"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), png);
        QCOMPARE(errorText(runDownload(pngRequest(404, 404))), QStringLiteral("The image source returned HTTP 404."));
        names.sort();
        QCOMPARE(downloadedFiles(), names);
    }
};

TESSELLON_TEST(tst_PlaceholderService)
#include "tst_PlaceholderService.moc"
