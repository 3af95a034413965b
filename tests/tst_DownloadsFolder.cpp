// How a download becomes a file: a free name, never through what is there, never outside the folder, and
// never half written.

#include "TestHome.h"
#include "TestMain.h"

#include "net/DownloadsFolder.h"

#include <csignal>
#include <sys/resource.h>

namespace {

QString downloads()
{
    return testHome.path() + QStringLiteral("/Downloads");
}

QStringList downloadedFiles()
{
    return QDir(downloads()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

class tst_DownloadsFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QDir(downloads()).removeRecursively();
        QVERIFY(QDir().mkpath(downloads()));
    }

    // What already sits at the wanted name (a file, a dangling link) is skipped, never written through; a
    // name's own "%N" stays literal; the bytes arrive unchanged.
    void freeNames_data()
    {
        // occupants: "name" a file, "name>" a link to nowhere
        columns<QString, QStringList, QString>("baseName", "occupants", "expected");
        QTest::newRow("free") << "icon" << QStringList{} << "icon.svg";
        QTest::newRow("taken twice") << "icon" << QStringList{"icon.svg", "icon-1.svg"} << "icon-2.svg";
        QTest::newRow("taken by a dangling link") << "icon" << QStringList{"icon.svg>"} << "icon-1.svg";
        QTest::newRow("percent sequences in the name") << "a%2b%1" << QStringList{"a%2b%1.svg"} << "a%2b%1-1.svg";
    }

    void freeNames()
    {
        auto [baseName, occupants, expected] =
            fetch<QString, QStringList, QString>("baseName", "occupants", "expected");
        const QString linkTarget = testHome.path() + QStringLiteral("/nowhere/target");
        for (const QString &occupant : std::as_const(occupants)) {
            if (occupant.endsWith(u'>')) {
                QVERIFY(QFile::link(linkTarget, downloads() + u'/' + occupant.chopped(1)));
            } else {
                QFile file(downloads() + u'/' + occupant);
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }
        const QByteArray data("<svg>\0\xff</svg>", 14);
        const auto result = DownloadsFolder::save(data, baseName, QStringLiteral("svg"));
        const auto *error = std::get_if<QString>(&result);
        QVERIFY2(!error, error ? qPrintable(*error) : "");
        const auto &saved = std::get<DownloadsFolder::Saved>(result);
        QCOMPARE(saved.fileName, expected);
        QCOMPARE(saved.filePath, downloads() + u'/' + expected);
        QFile file(saved.filePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), data);
        QVERIFY(!QFileInfo::exists(linkTarget));
    }

    // A name that could leave the folder or hide the file is refused, and nothing is written anywhere.
    void unsafeNamesAreRefused_data()
    {
        columns<QString, QString>("baseName", "extension");
        testRow("parent folder", "../outside", "svg");
        testRow("absolute", "/tmp/outside", "svg");
        testRow("hidden file", ".bashrc", "svg");
        testRow("slash in extension", "icon", "svg/../../x");
        testRow("line feed", "a\nb", "svg");
    }

    void unsafeNamesAreRefused()
    {
        auto [baseName, extension] = fetch<QString, QString>("baseName", "extension");
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

TESSELLON_TEST(tst_DownloadsFolder)
#include "tst_DownloadsFolder.moc"
