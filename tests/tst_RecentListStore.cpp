#include "TestHome.h"
#include "TestMain.h"

#include "stores/RecentColorsStore.h"
#include "stores/RecentGlyphsStore.h"
#include "stores/RecentIconsStore.h"

#include <memory>
#include <sys/stat.h>

namespace {

const QString kColorsKey = QStringLiteral("recentColors");
const QString kGlyphsKey = QStringLiteral("recentGlyphs");
const QString kIconsKey = QStringLiteral("recentIcons");

std::unique_ptr<RecentListStore> makeStore(const QString &kind)
{
    if (kind == QLatin1String("colors"))
        return std::make_unique<RecentColorsStore>();
    if (kind == QLatin1String("icons"))
        return std::make_unique<RecentIconsStore>();
    return std::make_unique<RecentGlyphsStore>();
}

QString keyOf(const QString &kind)
{
    return kind == QLatin1String("colors") ? kColorsKey : kind == QLatin1String("icons") ? kIconsKey : kGlyphsKey;
}

// What is on disk, read through a copy of the file so that this process's settings cache cannot answer.
// Each copy has a name of its own: the cache knows a path it has read and may trust it again when its size
// and time stamp look unchanged.
QStringList listOnDisk(const QString &key)
{
    static int copies = 0;
    const QString copy = testHome.path() + QStringLiteral("/on-disk-copy-%1.conf").arg(++copies);
    if (!QFile::copy(testHome.settingsFile(), copy))
        return {QStringLiteral("<no settings file>")};
    return QSettings(copy, QSettings::IniFormat).value(key).toStringList();
}

// The program's own settings file, as a later launch finds it.
std::unique_ptr<QSettings> programSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("Tessellon"), QStringLiteral("Tessellon"));
}

// Writes the settings file by hand, as another program or a damaged disk would. Each write gets a time stamp
// of its own, so that this process's settings cache reads it again even when the size is unchanged.
void writeSettingsFile(const QByteArray &content)
{
    static int writes = 0;
    QDir().mkpath(QFileInfo(testHome.settingsFile()).path());
    QFile file(testHome.settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(
        file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 - ++writes), QFileDevice::FileModificationTime));
}

QStringList numbered(const QString &prefix, int from, int to)
{
    QStringList list;
    for (int i = from; i >= to; --i)
        list.append(prefix + QString::number(i));
    return list;
}

} // namespace

class tst_RecentListStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QFile::remove(testHome.settingsFile());
        programSettings()->sync();
    }

    void operations_data()
    {
        // stored: what an earlier launch left
        columns<QString, QStringList, QStringList, QStringList>("kind", "stored", "ops", "expected");

        const QStringList none;
        testRow("colour is upper-cased", "colors", none, QStringList{"add #1a2b3c"}, QStringList{"#1A2B3C"});
        testRow("eleventh colour drops the oldest", "colors", numbered(QStringLiteral("#00000"), 9, 0),
                QStringList{"add #ABCDEF"}, QStringList{"#ABCDEF"} + numbered(QStringLiteral("#00000"), 9, 1));
        // The swatch of a hand-written lower-case entry removes that entry, not its upper-case twin.
        testRow("remove stored lower case twin", "colors", QStringList{"#abcdef", "#ABCDEF"},
                QStringList{"remove #abcdef"}, QStringList{"#ABCDEF"});
        testRow("stored lower case is not matched by add", "colors", QStringList{"#1a2b3c"}, QStringList{"add #1a2b3c"},
                QStringList{"#1A2B3C", "#1a2b3c"});
        testRow("long stored list is cut at next add", "colors",
                numbered(QStringLiteral("#C0000"), 9, 0) + numbered(QStringLiteral("#D0000"), 9, 5),
                QStringList{"add #FFFFFF"}, QStringList{"#FFFFFF"} + numbered(QStringLiteral("#C0000"), 9, 1));
        testRow("clear then add", "colors", QStringList{"#ABCDEF"}, QStringList{"clear", "add #fedcba"},
                QStringList{"#FEDCBA"});

        testRow("glyph keeps its case", "glyphs", none, QStringList{"add ß", "add ẞ"}, QStringList{"ẞ", "ß"});
        testRow("thirteenth glyph drops the oldest", "glyphs", numbered(QStringLiteral("g"), 12, 1),
                QStringList{"add g13"}, numbered(QStringLiteral("g"), 13, 2));
        testRow("canonically equal glyph is one entry", "glyphs",
                QStringList{QStringLiteral("e\u0301"), QStringLiteral("→")}, QStringList{QStringLiteral("add \u00e9")},
                QStringList{QStringLiteral("\u00e9"), QStringLiteral("→")});

        testRow("copied icon moves to the front", "icons", numbered(QStringLiteral("x:i"), 12, 1),
                QStringList{"add x:i5", "remove x:i12"},
                QStringList{"x:i5", "x:i11", "x:i10", "x:i9", "x:i8", "x:i7", "x:i6", "x:i4", "x:i3", "x:i2", "x:i1"});
        testRow("thirteenth icon drops the oldest", "icons", numbered(QStringLiteral("x:i"), 12, 1),
                QStringList{"add x:i13"}, numbered(QStringLiteral("x:i"), 13, 2));
        testRow("malformed stored icons are dropped, the others kept", "icons",
                QStringList{"mdi:home", "nocolon", ":lead", "trail:", "lucide:a:b", "bad\n:x"}, QStringList{"add t:x"},
                QStringList{"t:x", "mdi:home", "lucide:a:b"});
    }

    void operations()
    {
        auto [kind, stored, ops, expected] =
            fetch<QString, QStringList, QStringList, QStringList>("kind", "stored", "ops", "expected");

        if (!stored.isEmpty()) {
            auto settings = programSettings();
            settings->setValue(keyOf(kind), stored);
            settings->sync();
        }

        auto store = makeStore(kind);
        QStringList loaded = stored;
        if (kind == QLatin1String("icons"))
            loaded.removeIf([](const QString &entry) { return !RecentIconsStore::isIconName(entry); });
        QCOMPARE(store->items(), loaded);
        QSignalSpy changed(store.get(), &RecentListStore::changed);

        for (const QString &op : ops) {
            const QString verb = op.section(QLatin1Char(' '), 0, 0);
            const QString arg = op.section(QLatin1Char(' '), 1);
            if (verb == QLatin1String("add"))
                store->add(arg);
            else if (verb == QLatin1String("remove"))
                store->remove(arg);
            else
                static_cast<RecentColorsStore *>(store.get())->clear();
        }

        QCOMPARE(store->items(), expected);
        QCOMPARE(changed.count(), ops.size());
        // Every change is on disk at once, and a second store (the next launch) reads the same list back.
        QCOMPARE(listOnDisk(keyOf(kind)), expected);
        QCOMPARE(makeStore(kind)->items(), expected);
    }

    void storesDoNotTouchEachOther()
    {
        RecentColorsStore colors;
        RecentGlyphsStore glyphs;
        RecentIconsStore icons;
        colors.add(QStringLiteral("#abcdef"));
        glyphs.add(QStringLiteral("→"));
        icons.add(QStringLiteral("mdi:home"));
        icons.remove(QStringLiteral("mdi:home"));
        colors.clear();
        QCOMPARE(listOnDisk(kGlyphsKey), QStringList{QStringLiteral("→")});
        QCOMPARE(RecentGlyphsStore().glyphs(), QStringList{QStringLiteral("→")});
        QCOMPARE(RecentColorsStore().colors(), QStringList{});
    }

    void storedValueOfWrongShape_data()
    {
        // Its length comes from the literal itself: it holds a NUL, so strlen() would stop early.
        static const char kGarbage[] = "\x00\xff\xfe[[[=\x01\x02\n\x80\x81=@Variant(\\xff";
        columns<QByteArray, QStringList>("file", "expected");

        testRow("one entry is a plain string", QByteArray("[General]\nrecentColors=#ABCDEF\n"), QStringList{"#ABCDEF"});
        QTest::newRow("empty list") << QByteArray("[General]\nrecentColors=@Invalid()\n") << QStringList{};
        testRow("list", QByteArray("[General]\nrecentColors=#ABCDEF, #123456\n"), QStringList{"#ABCDEF", "#123456"});
        testRow("integer", QByteArray("[General]\nrecentColors=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"), QStringList{});
        QTest::newRow("binary garbage") << QByteArray(kGarbage, sizeof kGarbage - 1) << QStringList{};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }

    void storedValueOfWrongShape()
    {
        auto [file, expected] = fetch<QByteArray, QStringList>("file", "expected");
        writeSettingsFile(file);

        RecentColorsStore store;
        QCOMPARE(store.colors(), expected);
        // Whatever was there, the store goes on working and writes a readable list.
        store.add(QStringLiteral("#0a0b0c"));
        QCOMPARE(listOnDisk(kColorsKey), QStringList{"#0A0B0C"} + expected);
    }

    // A write goes to a new file that replaces the old one in one rename, so a crash mid-write leaves the
    // old list or the new one, never half of each.
    void writesReplaceTheFileWhole()
    {
        RecentGlyphsStore store;
        store.add(QStringLiteral("→"));
        struct stat before {
        };
        QCOMPARE(::stat(QFile::encodeName(testHome.settingsFile()).constData(), &before), 0);
        store.add(QStringLiteral("←"));
        struct stat after {
        };
        QCOMPARE(::stat(QFile::encodeName(testHome.settingsFile()).constData(), &after), 0);
        QVERIFY2(before.st_ino != after.st_ino, "the settings file was rewritten in place");
        const QStringList leftovers = QDir(QFileInfo(testHome.settingsFile()).path())
                                          .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        QCOMPARE(leftovers, QStringList{QStringLiteral("Tessellon.conf")});
    }
};

TESSELLON_TEST(tst_RecentListStore)
#include "tst_RecentListStore.moc"
