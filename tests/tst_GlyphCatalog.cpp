#include "TestMain.h"
#include "core/glyphs/GlyphCatalog.h"

namespace {

QString chars(const QList<Glyph> &glyphs)
{
    QString text;
    for (const Glyph &glyph : glyphs)
        text += glyph.character;
    return text;
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
