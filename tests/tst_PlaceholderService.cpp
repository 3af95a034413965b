#include "HttpFixture.h"
#include "TestHome.h"

#include "services/Endpoints.h"
#include "services/HttpClient.h"
#include "services/PlaceholderService.h"

#include <QDir>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

static TestHome testHome;

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
        QTest::addColumn<Source>("source");
        QTest::addColumn<qint64>("width");
        QTest::addColumn<qint64>("height");
        QTest::addColumn<Format>("format");
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("baseName");

        const QString t = QStringLiteral("thumbs");
        QTest::newRow("placeholder png") << Source::placeholder << 400LL << 400LL << Format::png << "" << t
                                         << "https://placehold.test/400x400.png"
                                         << "placeholder-400x400";
        QTest::newRow("placeholder svg has no extension")
            << Source::placeholder << 400LL << 400LL << Format::svg << "" << t << "https://placehold.test/400x400"
            << "placeholder-400x400";
        QTest::newRow("placeholder jpg") << Source::placeholder << 1920LL << 1080LL << Format::jpg << "" << t
                                         << "https://placehold.test/1920x1080.jpg"
                                         << "placeholder-1920x1080";
        QTest::newRow("placeholder webp, huge") << Source::placeholder << 100000LL << 1LL << Format::webp << "" << t
                                                << "https://placehold.test/100000x1.webp"
                                                << "placeholder-100000x1";
        QTest::newRow("photo ignores format and seed")
            << Source::photo << 800LL << 600LL << Format::png << "seed" << t << "https://photos.test/800/600"
            << "photo-800x600";
        QTest::newRow("avatar svg") << Source::avatar << 400LL << 400LL << Format::svg << "Tessellon" << t
                                    << "https://avatars.test/9.x/thumbs/svg?seed=Tessellon"
                                    << "avatar-thumbs-Tessellon";
        QTest::newRow("avatar png sends the width only")
            << Source::avatar << 512LL << 16LL << Format::png << "Tessellon"
            << "pixel-art"
            << "https://avatars.test/9.x/pixel-art/png?seed=Tessellon&size=512"
            << "avatar-pixel-art-Tessellon";
        QTest::newRow("empty seed") << Source::avatar << 64LL << 64LL << Format::png << "" << t
                                    << "https://avatars.test/9.x/thumbs/png?seed=&size=64"
                                    << "avatar-thumbs-seed";
        QTest::newRow("spaces") << Source::avatar << 64LL << 64LL << Format::svg << "Jane Q Doe" << t
                                << "https://avatars.test/9.x/thumbs/svg?seed=Jane%20Q%20Doe"
                                << "avatar-thumbs-Jane-Q-Doe";
        QTest::newRow("two words and an exclamation mark")
            << Source::avatar << 64LL << 64LL << Format::svg << "hello world!" << t
            << "https://avatars.test/9.x/thumbs/svg?seed=hello%20world!"
            << "avatar-thumbs-hello-world";
        QTest::newRow("query punctuation passes, the rest is encoded")
            << Source::avatar << 64LL << 64LL << Format::svg << "a&b=c+d/e?f:g@h;i,j*k(l)'m$n~o.p_q-r" << t
            << "https://avatars.test/9.x/thumbs/svg?seed=a&b=c+d/e?f:g@h;i,j*k(l)'m$n~o.p_q-r"
            << "avatar-thumbs-abcdefghijklmnopq-r";
        QTest::newRow("characters outside the query set")
            << Source::avatar << 64LL << 64LL << Format::svg << "#%\"<>[]{}|\\^`" << t
            << "https://avatars.test/9.x/thumbs/svg?seed=%23%25%22%3C%3E%5B%5D%7B%7D%7C%5C%5E%60"
            << "avatar-thumbs-seed";
        QTest::newRow("non-ASCII letters of any script, emoji dropped")
            << Source::avatar << 64LL << 64LL << Format::svg << "Zoë 東京 😀" << t
            << "https://avatars.test/9.x/thumbs/svg?seed=Zo%C3%AB%20%E6%9D%B1%E4%BA%AC%20%F0%9F%98%80"
            << "avatar-thumbs-Zoë-東京-";
        QTest::newRow("combining mark stays with its letter, digits kept")
            << Source::avatar << 64LL << 64LL << Format::svg << "Jose\u0301 42\ttab\nline" << t
            << "https://avatars.test/9.x/thumbs/svg?seed=Jose%CC%81%2042%09tab%0Aline"
            << "avatar-thumbs-Jose\u0301-42tabline";
        // U+111C2 is a letter that joins what follows it into one character, a "/" too.
        QTest::newRow("a prepended letter cannot carry a slash in")
            << Source::avatar << 64LL << 64LL << Format::svg << "\U000111C2/x" << t
            << "https://avatars.test/9.x/thumbs/svg?seed=%F0%91%87%82/x"
            << "avatar-thumbs-x";
    }

    void urlAndFileName()
    {
        QFETCH(Source, source);
        QFETCH(qint64, width);
        QFETCH(qint64, height);
        QFETCH(Format, format);
        QFETCH(QString, seed);
        QFETCH(QString, style);
        QFETCH(QString, url);
        QFETCH(QString, baseName);
        const Request request{source, width, height, format, seed, style};
        QCOMPARE(PlaceholderService::url(request), url);
        QCOMPARE(baseFileName(request), baseName);
    }

    void parseDimension_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value"); // 0: refused
        QTest::newRow("plain") << "300" << 300LL;
        QTest::newRow("plus sign") << "+300" << 300LL;
        QTest::newRow("leading zeros") << "007" << 7LL;
        QTest::newRow("no upper limit") << "100000" << 100000LL;
        QTest::newRow("largest 64-bit") << "9223372036854775807" << 9223372036854775807LL;
        QTest::newRow("past 64 bits") << "9223372036854775808" << 0LL;
        QTest::newRow("zero") << "0" << 0LL;
        QTest::newRow("negative") << "-5" << 0LL;
        QTest::newRow("letters") << "abc" << 0LL;
        QTest::newRow("leading space") << " 12" << 0LL;
        QTest::newRow("trailing space") << "12 " << 0LL;
        QTest::newRow("trailing line feed") << "300\n" << 0LL;
        QTest::newRow("empty") << "" << 0LL;
        QTest::newRow("sign only") << "+" << 0LL;
        QTest::newRow("decimal point") << "12.0" << 0LL;
        QTest::newRow("Arabic-Indic digits") << "\u0663\u0660\u0660" << 0LL;
        QTest::newRow("full-width digits") << "\uFF13\uFF10" << 0LL;
    }

    void parseDimension()
    {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        const std::optional<qint64> parsed = PlaceholderService::parseDimension(text);
        QCOMPARE(parsed.value_or(0), value);
    }

    // Three downloads of one request: the plain name, then -1 and -2; the bytes arrive unchanged.
    void downloadsTakeFreeNames()
    {
        const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(5000, '\x07');
        m_fixture.route("/400x400.png", {200, png, "image/png"});
        Endpoints::overrideForTesting({m_fixture.base(), m_fixture.base(), m_fixture.base(), QString()});

        QStringList names;
        for (int i = 0; i < 3; ++i) {
            const DownloadResult result = runDownload(pngRequest());
            QVERIFY2(std::holds_alternative<DownloadsFolder::Saved>(result), qPrintable(errorText(result)));
            const auto &saved = std::get<DownloadsFolder::Saved>(result);
            QCOMPARE(QFileInfo(saved.filePath).absolutePath(), QFileInfo(downloads()).absoluteFilePath());
            names.append(saved.fileName);
        }
        QCOMPARE(names,
                 (QStringList{"placeholder-400x400.png", "placeholder-400x400-1.png", "placeholder-400x400-2.png"}));
        QFile file(downloads() + QStringLiteral("/placeholder-400x400-2.png"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), png);
        QCOMPARE(m_fixture.requests.last(), QByteArray("/400x400.png"));
    }

    // What already sits at the wanted name (a file, a dangling link) is skipped, never written through, and
    // a name's own "%N" stays literal.
    void freeNameSkipsWhatIsThere_data()
    {
        QTest::addColumn<QString>("baseName");
        QTest::addColumn<QString>("occupant"); // "file" or "dangling link"
        QTest::addColumn<QString>("expected");
        QTest::newRow("taken by a file") << "icon"
                                         << "file"
                                         << "icon-1.svg";
        QTest::newRow("taken by a dangling link") << "icon"
                                                  << "dangling link"
                                                  << "icon-1.svg";
        QTest::newRow("percent sequences in the name") << "a%2b%1"
                                                       << "file"
                                                       << "a%2b%1-1.svg";
    }

    void freeNameSkipsWhatIsThere()
    {
        QFETCH(QString, baseName);
        QFETCH(QString, occupant);
        QFETCH(QString, expected);
        QVERIFY(QDir().mkpath(downloads()));
        const QString taken = downloads() + u'/' + baseName + QStringLiteral(".svg");
        const QString linkTarget = testHome.path() + QStringLiteral("/nowhere/target");
        if (occupant == QLatin1String("file")) {
            QFile file(taken);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QFile::link(linkTarget, taken));
        }
        const auto result = DownloadsFolder::save("<svg/>", baseName, QStringLiteral("svg"));
        const auto *error = std::get_if<QString>(&result);
        QVERIFY2(!error, error ? qPrintable(*error) : "");
        QCOMPARE(std::get<DownloadsFolder::Saved>(result).fileName, expected);
        QVERIFY(!QFileInfo::exists(linkTarget));
    }

    // Every failure is a readable sentence, and none of them leaves a file behind.
    void failuresWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("404") << QByteArray("/404x404.png") << 404 << "The image source returned HTTP 404.";
        QTest::newRow("300 is no success")
            << QByteArray("/300x300.png") << 300 << "The image source returned HTTP 300.";
    }

    void failuresWriteNothing()
    {
        QFETCH(QByteArray, path);
        QFETCH(int, status);
        QFETCH(QString, message);
        m_fixture.route(path, {status, "an error page", "text/html"});
        Endpoints::overrideForTesting({m_fixture.base(), m_fixture.base(), m_fixture.base(), QString()});
        const qint64 side = path.mid(1, 3).toLongLong();
        QCOMPARE(errorText(runDownload(pngRequest(side, side))), message);
        QCOMPARE(downloadedFiles(), QStringList());
    }

    // A redirect is followed, and the final reply's status decides.
    void redirects()
    {
        m_fixture.route("/final-ok", {200, "GIF89a", "image/gif"});
        m_fixture.route("/final-gone", {410, "gone", "text/plain"});
        m_fixture.redirect("/800/600", "/final-ok");
        m_fixture.redirect("/32x32.jpg", "/final-gone");
        Endpoints::overrideForTesting({m_fixture.base(), m_fixture.base(), m_fixture.base(), QString()});

        const DownloadResult photo = runDownload({Source::photo, 800, 600, Format::jpg, {}, {}});
        QVERIFY2(std::holds_alternative<DownloadsFolder::Saved>(photo), qPrintable(errorText(photo)));
        QCOMPARE(std::get<DownloadsFolder::Saved>(photo).fileName, QStringLiteral("photo-800x600.jpg"));

        QCOMPARE(errorText(runDownload({Source::placeholder, 32, 32, Format::jpg, {}, {}})),
                 QStringLiteral("The image source returned HTTP 410."));
        QCOMPARE(downloadedFiles(), QStringList{QStringLiteral("photo-800x600.jpg")});
    }

    void transportFailures()
    {
        // A port that was just free: nothing listens there any more.
        QString refusedBase;
        {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
            refusedBase = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
        }
        Endpoints::overrideForTesting({refusedBase, refusedBase, refusedBase, QString()});
        QCOMPARE(errorText(runDownload(pngRequest())), QStringLiteral("Connection refused"));

        m_fixture.route("/64x64.png", {200, {}, {}, {}, true});
        Endpoints::overrideForTesting({m_fixture.base(), m_fixture.base(), m_fixture.base(), QString()});
        HttpClient::setInactivityTimeoutForTesting(300);
        QCOMPARE(errorText(runDownload(pngRequest(64, 64))), QStringLiteral("The request timed out."));
        QCOMPARE(downloadedFiles(), QStringList());
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
        std::optional<HttpClient::Reply> reply;
        QObject context;
        HttpClient::get(
            QUrl(m_fixture.base() + QStringLiteral("big")), &context,
            [&reply](const HttpClient::Reply &r) { reply = r; }, 64 * 1024);
        QTRY_VERIFY(reply.has_value());
        QCOMPARE(reply->outcome, HttpClient::Reply::Outcome::failed);
        QCOMPARE(reply->error, QStringLiteral("The reply is larger than 64 kB, so it was not read."));
        QVERIFY(reply->body.isEmpty());
    }

    void unsafeNamesAreRefused_data()
    {
        QTest::addColumn<QString>("baseName");
        QTest::addColumn<QString>("extension");
        QTest::newRow("parent folder") << "../outside"
                                       << "svg";
        QTest::newRow("absolute") << "/tmp/outside"
                                  << "svg";
        QTest::newRow("dot-dot alone") << ".."
                                       << "svg";
        QTest::newRow("hidden file") << ".bashrc"
                                     << "svg";
        QTest::newRow("slash inside") << "mdi/home"
                                      << "svg";
        QTest::newRow("slash in extension") << "icon"
                                            << "svg/../../x";
        QTest::newRow("line feed") << "a\nb"
                                   << "svg";
        QTest::newRow("empty") << ""
                               << "svg";
    }

    void unsafeNamesAreRefused()
    {
        QFETCH(QString, baseName);
        QFETCH(QString, extension);
        const QString before = QDir(testHome.path()).entryList(QDir::AllEntries | QDir::Hidden).join(u',');
        const auto result = DownloadsFolder::save("<svg/>", baseName, extension);
        QVERIFY(std::holds_alternative<QString>(result));
        QVERIFY(std::get<QString>(result).startsWith(QStringLiteral("Refused")));
        QCOMPARE(downloadedFiles(), QStringList());
        QCOMPARE(QDir(testHome.path()).entryList(QDir::AllEntries | QDir::Hidden).join(u','), before);
    }

    // A write that fails half-way (here: the process may not write files over 1 KiB) leaves no partial file
    // and gives the file system's own description.
    void failedWriteLeavesNoFile()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 1024;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto result =
            DownloadsFolder::save(QByteArray(64 * 1024, 'x'), QStringLiteral("big"), QStringLiteral("png"));
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(std::holds_alternative<QString>(result));
        QVERIFY(!std::get<QString>(result).isEmpty());
        QCOMPARE(downloadedFiles(), QStringList());
    }
};

QTEST_MAIN(tst_PlaceholderService)
#include "tst_PlaceholderService.moc"
