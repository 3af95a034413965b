#include "TestMain.h"
#include "core/glyphs/GlyphCatalog.h"
#include "core/glyphs/UnicodeNames.h"

namespace {

QString chars(const QList<Glyph> &glyphs)
{
    QString text;
    for (const Glyph &glyph : glyphs)
        text += glyph.character;
    return text;
}

// What Unicode's own files say, rather than the table the program is built with: the code point of each name
// and alias, and whether a code point is assigned to a character one may find (not a surrogate, not for
// private use).
struct Sources {
    QHash<QString, uint> named;
    QList<std::pair<uint, uint>> findable; // ranges, first to last
};

const Sources &sources()
{
    static const Sources read = [] {
        Sources s;
        for (const char *source : {"/UnicodeData.txt", "/NameAliases.txt"}) {
            QFile file(QStringLiteral(TESSELLON_UNICODE_DATA) + QLatin1String(source));
            file.open(QIODevice::ReadOnly);
            while (!file.atEnd()) {
                const QList<QByteArray> fields = file.readLine().split(';');
                if (fields.size() < 3)
                    continue;
                const uint code = fields[0].toUInt(nullptr, 16);
                s.named.insert(QString::fromLatin1(fields[1]), code);
                if (fields.size() < 4 || fields[2] == "Cs" || fields[2] == "Co")
                    continue;
                if (fields[1].endsWith("Last>"))
                    s.findable.last().second = code;
                else
                    s.findable.append({code, code});
            }
        }
        return s;
    }();
    return read;
}

} // namespace

class tst_GlyphCatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeCatalogue()
    {
        const QList<Glyph> &all = GlyphCatalog::all();
        QCOMPARE(all.size(), 133);
        QList<Glyph> joined;
        for (GlyphCategory category : allGlyphCategories()) {
            joined += GlyphCatalog::glyphs(category);
            QCOMPARE(glyphCategoryFromRawValue(rawValue(category)), category);
            QCOMPARE(&GlyphCatalog::glyphs(category), &GlyphCatalog::glyphs(category)); // built once
        }
        QCOMPARE(all, joined);

        QSet<QString> seen;
        for (const Glyph &glyph : all) {
            QVERIFY2(!seen.contains(glyph.character), qPrintable(glyph.name));
            seen.insert(glyph.character);
            QCOMPARE(glyph.character.toUcs4().size(), 1);
            QCOMPARE(glyph.id(), glyph.character);
            QVERIFY(!glyph.keywords.isEmpty());
            for (const QString &keyword : glyph.keywords)
                QCOMPARE(keyword, keyword.toLower());
        }
        QCOMPARE(glyphCategoryFromRawValue(QStringLiteral("Arrows")), std::nullopt);
        QCOMPARE(glyphCategoryFromRawValue(QString()), std::nullopt);
    }

    void search_data()
    {
        columns<QString, QString>("query", "expected");
        testRow("empty", "", "");
        testRow("ARROW padded, any case", "  ARROW \n", chars(GlyphCatalog::arrows()));
        testRow("glyph typed itself", "→", "→");
        testRow("keyword before name order", "pi", "∏π¶");
        testRow("quote: only the quotation marks", "quote", "«»‹›“”‘’„");
        testRow("two words as one substring", "box double", "═║╔╗╚╝╠╣╦╩╬");
        testRow("words in another order", "double box", "");
        testRow("deg", "deg", "°℃℉");
        testRow("hyphen in name", "plus-minus", "±");
        testRow("upper-case glyph is lower-cased first", "Σ", "");
    }

    void search()
    {
        auto [query, expected] = fetch<QString, QString>("query", "expected");
        QCOMPARE(chars(GlyphCatalog::search(query)), expected);
    }

    // Beyond the catalogue: the first character a query finds (empty: none), by name, alias, CLDR short name
    // or keyword, and by every way of writing a code point. Never a surrogate, private or unassigned one.
    void unicodeSearch_data()
    {
        columns<QString, QString>("query", "first");
        testRow("whole name", "section sign", "SECTION SIGN");
        testRow("words that start the name's", "non-breaking space", "NO-BREAK SPACE");
        testRow("abbreviation", "nbsp", "NO-BREAK SPACE");
        testRow("alias", "bom", "ZERO WIDTH NO-BREAK SPACE");
        testRow("control name", "tab", "CHARACTER TABULATION");
        testRow("whole name before longer ones", "space", "SPACE");
        testRow("fewest other words", "arrow", "LEFTWARDS ARROW");
        testRow("start of a word", "pilcr", "PILCROW SIGN");
        testRow("inside a word", "ilcro", "PILCROW SIGN");
        testRow("CLDR short name", "person shrugging", "SHRUG");
        testRow("CLDR keyword", "silcrow", "SECTION SIGN");
        testRow("zero width joiner", "zero width joiner", "ZERO WIDTH JOINER");
        for (const char *form : {"U+2192", "u+2192", "2192", "0x2192", "&rarr;", "&#8594;", "&#x2192;", "\\u2192", "→"})
            testRow(form, form, "RIGHTWARDS ARROW");
        for (const char *form : {"\\u{1F600}", "\\uD83D\\uDE00", "\\U0001F600", "1F600", "😀"})
            testRow(form, form, "GRINNING FACE");
        testRow("named by its code point", "U+4E00", "CJK UNIFIED IDEOGRAPH-4E00");
        testRow("Hangul", "U+AC01", "HANGUL SYLLABLE GAG");
        const char *misses[] = {"",           "   ",    "́́",       "U+",     "0x",       "&#;",   "U+110000",
                                "&#1114112;", "U+E000", "U+D800", "U+0378", "&nosuch;", "qzqzqz"};
        for (const char *miss : misses)
            testRow(miss, miss, "");
        testRow("lone surrogate", QString(QChar(0xD800)), "");
        testRow("10,000 characters", QString(10000, u'a'), "");
    }

    void unicodeSearch()
    {
        auto [query, first] = fetch<QString, QString>("query", "first");
        const QList<UnicodeNames::Character> found = UnicodeNames::search(query);
        QCOMPARE(found.value(0).name, first);
        if (sources().named.contains(first))
            QCOMPARE(uint(found.first().codePoint), sources().named.value(first));
        for (const UnicodeNames::Character &c : found)
            QVERIFY(std::ranges::any_of(sources().findable, [&c](auto range) {
                return range.first <= c.codePoint && c.codePoint <= range.second;
            }));
    }

    // Every glyph must draw with a real glyph from some installed font, not the empty box of a missing one:
    // Qt's font fallback has to find a font that holds each character.
    void everyGlyphHasAFont()
    {
        QFont font;
        font.setPixelSize(20);
        QStringList missing;
        for (const Glyph &glyph : GlyphCatalog::all()) {
            QTextLayout layout(glyph.character, font);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            bool covered = false;
            for (const QGlyphRun &run : layout.glyphRuns()) {
                covered = run.rawFont().supportsCharacter(glyph.character.toUcs4().first()) &&
                          !run.glyphIndexes().contains(0);
            }
            if (!covered)
                missing.append(glyph.character + QLatin1Char(' ') + glyph.name);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }
};

TESSELLON_TEST(tst_GlyphCatalog)
#include "tst_GlyphCatalog.moc"
