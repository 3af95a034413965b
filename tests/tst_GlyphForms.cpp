#include "TestMain.h"
#include "core/glyphs/GlyphForms.h"

using GlyphForms::Form;

class tst_GlyphForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void forms_data()
    {
        columns<QString, QString, QString, QString, QString>("glyph", "entity", "escape", "css", "codePoints");
        testRow("an arrow HTML names", "→", "&rarr;", "\\u2192", "\\2192", "U+2192");
        // Two names for it; HTML 4's is the one people know.
        testRow("the ellipsis, by its HTML 4 name", "…", "&hellip;", "\\u2026", "\\2026", "U+2026");
        testRow("lower case before upper", "©", "&copy;", "\\u00A9", "\\A9", "U+00A9");
        testRow("no name: a number", "₿", "&#x20BF;", "\\u20BF", "\\20BF", "U+20BF");
        testRow("beyond U+FFFF: a surrogate pair for the escape", "😀", "&#x1F600;", "\\uD83D\\uDE00", "\\1F600",
                "U+1F600");
        testRow("a variation selector is kept", "✔\uFE0F", "&#x2714;&#xFE0F;", "\\u2714\\uFE0F", "\\2714\\FE0F",
                "U+2714 U+FE0F");
        testRow("a combining mark keeps its own code point", "e\u0301", "&#x65;&#x301;", "\\u0065\\u0301", "\\65\\301",
                "U+0065 U+0301");
        testRow("a sequence HTML names as a whole", "\u2242\u0338", "&nesim;", "\\u2242\\u0338", "\\2242\\338",
                "U+2242 U+0338");
        testRow("markup's own characters", "&", "&amp;", "\\u0026", "\\26", "U+0026");
    }

    void forms()
    {
        auto [glyph, entity, escape, css, codePoints] =
            fetch<QString, QString, QString, QString, QString>("glyph", "entity", "escape", "css", "codePoints");
        QCOMPARE(GlyphForms::write(glyph, Form::htmlEntity), entity);
        QCOMPARE(GlyphForms::write(glyph, Form::escape), escape);
        QCOMPARE(GlyphForms::write(glyph, Form::cssEscape), css);
        QCOMPARE(GlyphForms::write(glyph, Form::codePoints), codePoints);
        QCOMPARE(GlyphForms::write(glyph, Form::glyph), glyph);
    }

    void cssEscapeEndsWhereItMust_data()
    {
        columns<QString, QString>("following", "expected");
        QTest::newRow("nothing after it") << QString() << "\\2192";
        testRow("a hex digit would run on", "a", "\\2192 ");
        testRow("a digit would run on", "0", "\\2192 ");
        testRow("a space would be swallowed", " ", "\\2192 ");
        testRow("a letter past F reads apart", "g", "\\2192");
        testRow("another escape reads apart", "\\2190", "\\2192");
    }

    void cssEscapeEndsWhereItMust()
    {
        auto [following, expected] = fetch<QString, QString>("following", "expected");
        QCOMPARE(GlyphForms::cssEscape(QStringLiteral("→"), following), expected);
    }
};

TESSELLON_TEST(tst_GlyphForms)
#include "tst_GlyphForms.moc"
