#include "services/GlyphCatalog.h"

#include <QGuiApplication>
#include <QRawFont>
#include <QSet>
#include <QTest>
#include <QTextLayout>

Q_DECLARE_METATYPE(GlyphCategory)

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
    void categories_data()
    {
        QTest::addColumn<GlyphCategory>("category");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("arrows") << GlyphCategory::arrows << "arrows" << 15 << "→"
                                << "↺";
        QTest::newRow("math") << GlyphCategory::math << "math" << 28 << "×"
                              << "∅";
        QTest::newRow("punctuation") << GlyphCategory::punctuation << "punctuation" << 23 << "—"
                                     << "¿";
        QTest::newRow("marks") << GlyphCategory::marks << "marks" << 22 << "✓"
                               << "⊗";
        QTest::newRow("box") << GlyphCategory::box << "box" << 22 << "─"
                             << "╬";
        QTest::newRow("currency") << GlyphCategory::currency << "currency" << 14 << "$"
                                  << "¤";
        QTest::newRow("legal") << GlyphCategory::legal << "legal" << 9 << "©"
                               << "☎";
    }

    void categories()
    {
        QFETCH(GlyphCategory, category);
        QFETCH(QString, raw);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const QList<Glyph> &glyphs = GlyphCatalog::glyphs(category);
        QCOMPARE(glyphs.size(), count);
        QCOMPARE(glyphs.first().character, first);
        QCOMPARE(glyphs.last().character, last);
        QCOMPARE(rawValue(category), raw);
        QCOMPARE(glyphCategoryFromRawValue(raw), category);
        // Built once: every call hands out the same list.
        QCOMPARE(&GlyphCatalog::glyphs(category), &glyphs);
    }

    void wholeCatalogue()
    {
        const QList<Glyph> &all = GlyphCatalog::all();
        QCOMPARE(all.size(), 133);
        QList<Glyph> joined;
        for (GlyphCategory category : allGlyphCategories())
            joined += GlyphCatalog::glyphs(category);
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

    void spotChecks_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("keywords");
        QTest::newRow("U+21BB") << "\u21BB"
                                << "Clockwise open circle arrow"
                                << QStringList{"arrow", "refresh", "reload", "redo", "rotate"};
        QTest::newRow("U+00B1") << "\u00B1"
                                << "Plus-minus sign" << QStringList{"plus", "minus", "tolerance"};
        QTest::newRow("U+201E") << "\u201E"
                                << "Double low-9 quotation mark" << QStringList{"quote", "low", "german"};
        QTest::newRow("U+25B6") << "\u25B6"
                                << "Right-pointing triangle" << QStringList{"play", "triangle", "right", "next"};
        QTest::newRow("U+256C") << "\u256C"
                                << "Box double vertical and horizontal"
                                << QStringList{"box", "cross", "double", "intersection"};
        QTest::newRow("U+0E3F") << "\u0E3F"
                                << "Thai baht sign" << QStringList{"baht", "thb", "money"};
        QTest::newRow("U+2120") << "\u2120"
                                << "Service mark" << QStringList{"servicemark", "sm", "legal"};
    }

    void spotChecks()
    {
        QFETCH(QString, character);
        QFETCH(QString, name);
        QFETCH(QStringList, keywords);
        const auto found = std::find_if(GlyphCatalog::all().begin(), GlyphCatalog::all().end(),
                                        [&](const Glyph &g) { return g.character == character; });
        QVERIFY(found != GlyphCatalog::all().end());
        QCOMPARE(found->name, name);
        QCOMPARE(found->keywords, keywords);
        QCOMPARE(GlyphCatalog::name(character), name);
    }

    void search_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("spaces and newlines") << "  \n\t "
                                             << "";
        QTest::newRow("ARROW padded, any case") << "  ARROW \n" << chars(GlyphCatalog::arrows());
        QTest::newRow("glyph typed itself") << "→"
                                            << "→";
        QTest::newRow("keyword before name order") << "pi"
                                                   << "∏π¶";
        QTest::newRow("keyword money") << "money" << chars(GlyphCatalog::currency());
        QTest::newRow("quote: only the quotation marks") << "quote"
                                                         << "«»‹›“”‘’„";
        QTest::newRow("two words as one substring") << "box double"
                                                    << "═║╔╗╚╝╠╣╦╩╬";
        QTest::newRow("words in another order") << "double box"
                                                << "";
        QTest::newRow("tm") << "tm"
                            << "™";
        QTest::newRow("deg") << "deg"
                             << "°℃℉";
        QTest::newRow("check") << "check"
                               << "✓✔☑☐";
        QTest::newRow("no match") << "xyz"
                                  << "";
        QTest::newRow("hyphen in name") << "plus-minus"
                                        << "±";
        QTest::newRow("upper-case glyph is lower-cased first") << "Σ"
                                                               << "";
    }

    void search()
    {
        QFETCH(QString, query);
        QFETCH(QString, expected);
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

QTEST_MAIN(tst_GlyphCatalog)
#include "tst_GlyphCatalog.moc"
