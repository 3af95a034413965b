#include "services/TextToolsService.h"

#include <QCollator>
#include <QTest>

using TextToolsService::SortOrder;

namespace {

// Pinned collation: the machine's own locale is C.UTF-8, and the user's may be anything.
QCollator collator(const char *locale)
{
    QCollator c{QLocale(QString::fromLatin1(locale))};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setNumericMode(false);
    return c;
}

QString run(const QString &operation, const QString &text, const QString &argument)
{
    using namespace TextToolsService;
    if (operation == u"strip")
        return strip(text, argument);
    if (operation == u"trim")
        return trim(text);
    if (operation == u"removeBlankLines")
        return removeBlankLines(text);
    if (operation == u"dedupeLines")
        return dedupeLines(text);
    const auto order = sortOrderFromRawValue(operation);
    return sort(text, order.value(), collator(argument.isEmpty() ? "en_US" : argument.toLatin1().constData()));
}

} // namespace

class tst_TextToolsService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void operations_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("argument"); // strip: the characters; sorts: the locale
        QTest::addColumn<QString>("expected");

        // Line handling, shared by every line operation.
        QTest::newRow("trailing line feed dropped") << "alphabetical"
                                                    << "b\na\n"
                                                    << ""
                                                    << "a\nb";
        QTest::newRow("one of two trailing feeds dropped") << "trim"
                                                           << "a\n\n"
                                                           << ""
                                                           << "a\n";
        QTest::newRow("CRLF pairs become LF") << "dedupeLines"
                                              << "x\r\ny\r\n"
                                              << ""
                                              << "x\ny";
        QTest::newRow("lone CR stays in its line") << "dedupeLines"
                                                   << "a\rb\na\rb\nc"
                                                   << ""
                                                   << "a\rb\nc";
        QTest::newRow("empty text") << "dedupeLines"
                                    << ""
                                    << ""
                                    << "";
        QTest::newRow("only line feeds") << "dedupeLines"
                                         << "\n\n\n"
                                         << ""
                                         << "";
        QTest::newRow("only line feeds, trimmed") << "trim"
                                                  << "\n\n\n"
                                                  << ""
                                                  << "\n\n";
        QTest::newRow("only line feeds, blanks removed") << "removeBlankLines"
                                                         << "\n\n\n"
                                                         << ""
                                                         << "";

        // trim
        QTest::newRow("trim runs and tabs") << "trim"
                                            << "\t  foo   bar  \t"
                                            << ""
                                            << " foo bar";
        QTest::newRow("trim a line of spaces keeps the line") << "trim"
                                                              << "a\n    \nb"
                                                              << ""
                                                              << "a\n\nb";
        QTest::newRow("trim leaves other spaces") << "trim"
                                                  << "a\u00A0\u00A0b\u3000 "
                                                  << ""
                                                  << "a\u00A0\u00A0b\u3000";
        QTest::newRow("trim: a space before a lone CR stays") << "trim"
                                                              << "a \r"
                                                              << ""
                                                              << "a \r";
        QTest::newRow("trim each line") << "trim"
                                        << "a  b \r\nc\t\td\t\n"
                                        << ""
                                        << "a b\nc d";

        // removeBlankLines
        QTest::newRow("blank: spaces and tabs") << "removeBlankLines"
                                                << "a\n \t\nb"
                                                << ""
                                                << "a\nb";
        QTest::newRow("blank: no-break and ideographic spaces") << "removeBlankLines"
                                                                << "a\n\u00A0\u3000\u2003\nb"
                                                                << ""
                                                                << "a\nb";
        QTest::newRow("blank: a lone CR is not blank") << "removeBlankLines"
                                                       << "a\n\r\n\nb\n\r"
                                                       << ""
                                                       << "a\nb\n\r";
        QTest::newRow("blank: zero-width space is not whitespace") << "removeBlankLines"
                                                                   << "a\n\u200B\nb"
                                                                   << ""
                                                                   << "a\n\u200B\nb";
        QTest::newRow("blank: kept lines unchanged") << "removeBlankLines"
                                                     << "  a  \n\n"
                                                     << ""
                                                     << "  a  ";

        // dedupeLines
        QTest::newRow("dedupe is case-sensitive") << "dedupeLines"
                                                  << "a\nA\na"
                                                  << ""
                                                  << "a\nA";
        QTest::newRow("dedupe does not trim") << "dedupeLines"
                                              << "Apple\napple\nApple \nApple"
                                              << ""
                                              << "Apple\napple\nApple ";
        QTest::newRow("dedupe canonical equivalents, first spelling kept") << "dedupeLines"
                                                                           << "Jose\u0301\nJos\u00E9\n\u212B\n\u00C5"
                                                                           << ""
                                                                           << "Jose\u0301\n\u212B";
        QTest::newRow("dedupe empty lines too") << "dedupeLines"
                                                << "\na\n\nb\n"
                                                << ""
                                                << "\na\nb";
        QTest::newRow("dedupe emoji") << "dedupeLines"
                                      << "👍🏽\n👍\n👍🏽"
                                      << ""
                                      << "👍🏽\n👍";

        // sort
        QTest::newRow("A→Z case-insensitive, stable") << "alphabetical"
                                                      << "banana\nApple\napple\nCherry"
                                                      << ""
                                                      << "Apple\napple\nbanana\nCherry";
        QTest::newRow("Z→A keeps equal lines in input order") << "reverseAlphabetical"
                                                              << "b\nB\na"
                                                              << ""
                                                              << "b\nB\na";
        QTest::newRow("digits compare as characters") << "alphabetical"
                                                      << "item9\nitem10\nitem1"
                                                      << ""
                                                      << "item1\nitem10\nitem9";
        QTest::newRow("empty line first") << "alphabetical"
                                          << "b\n\na"
                                          << ""
                                          << "\na\nb";
        QTest::newRow("accents sort by the locale") << "alphabetical"
                                                    << "zebra\nétude\neclair"
                                                    << ""
                                                    << "eclair\nétude\nzebra";
        QTest::newRow("C locale: case-insensitive, stable") << "alphabetical"
                                                            << "b\nB\nA\na"
                                                            << "C"
                                                            << "A\na\nb\nB";
        QTest::newRow("C locale descending") << "reverseAlphabetical"
                                             << "a\nC\nb\nc"
                                             << "C"
                                             << "C\nc\nb\na";
        QTest::newRow("by length, ties in input order") << "byLength"
                                                        << "ccc\na\nbb\nd"
                                                        << ""
                                                        << "a\nd\nbb\nccc";
        QTest::newRow("by length counts characters") << "byLength"
                                                     << "abc\ne\u0301\u0301\n🇫🇷🇫🇷\n👍🏽"
                                                     << ""
                                                     << "e\u0301\u0301\n👍🏽\n🇫🇷🇫🇷\nabc";
        QTest::newRow("by length: empty lines first") << "byLength"
                                                      << "a\n\nbb\n"
                                                      << ""
                                                      << "\na\nbb";

        // strip
        QTest::newRow("strip punctuation everywhere, line breaks untouched") << "strip"
                                                                             << "a,b.c;\r\nd;;\n"
                                                                             << ",.;"
                                                                             << "abc\r\nd\n";
        QTest::newRow("strip nothing keeps everything exactly") << "strip"
                                                                << "a,\r\nb\n"
                                                                << ""
                                                                << "a,\r\nb\n";
        QTest::newRow("strip is case-sensitive") << "strip"
                                                 << "Banana"
                                                 << "a"
                                                 << "Bnn";
        QTest::newRow("strip repeats in the set do not matter") << "strip"
                                                                << "a-b-c"
                                                                << "--"
                                                                << "abc";
        QTest::newRow("strip leaves a letter carrying a mark") << "strip"
                                                               << "e\u0301 e"
                                                               << "e"
                                                               << "e\u0301 ";
        QTest::newRow("strip a decomposed letter by its composed form") << "strip"
                                                                        << "Jose\u0301 José"
                                                                        << "\u00E9"
                                                                        << "Jos Jos";
        QTest::newRow("strip an emoji with its skin tone only whole") << "strip"
                                                                      << "👍🏽👍x"
                                                                      << "👍"
                                                                      << "👍🏽x";
        QTest::newRow("strip the skin-toned emoji") << "strip"
                                                    << "a👍🏽b👍c"
                                                    << "👍🏽"
                                                    << "ab👍c";
        QTest::newRow("strip CRLF is one character, LF alone does not match it") << "strip"
                                                                                 << "a\r\nb\nc"
                                                                                 << "\n"
                                                                                 << "a\r\nbc";
        QTest::newRow("strip a lone CR leaves CRLF") << "strip"
                                                     << "a\rb\r\nc"
                                                     << "\r"
                                                     << "ab\r\nc";
        QTest::newRow("strip a variation selector only where it stands alone") << "strip"
                                                                               << "\uFE0Fa\n❤\uFE0F"
                                                                               << "\uFE0F"
                                                                               << "a\n❤\uFE0F";
        QTest::newRow("strip next to non-ASCII neighbours") << "strip"
                                                            << "東,京;ü.x"
                                                            << ",.;"
                                                            << "東京üx";
        QTest::newRow("strip a flag") << "strip"
                                      << "🇫🇷🇩🇪🇫🇷"
                                      << "🇩🇪"
                                      << "🇫🇷🇫🇷";
        QTest::newRow("strip a lone combining mark") << "strip"
                                                     << "\u0301a\u0301"
                                                     << "\u0301"
                                                     << "a\u0301";
        QTest::newRow("strip spaces of several kinds") << "strip"
                                                       << "a b\u00A0c\td"
                                                       << " \u00A0"
                                                       << "abc\td";
    }

    void operations()
    {
        QFETCH(QString, operation);
        QFETCH(QString, text);
        QFETCH(QString, argument);
        QFETCH(QString, expected);
        QCOMPARE(run(operation, text, argument), expected);
    }

    // The C locale's sort must agree with the collator it stands in for.
    void cLocaleAgreesWithItsCollator()
    {
        const QStringList lines = {"b", "B", "a", "_x", "Zed", "zed", "ä", "Ä", "ß", "ss", "10", "9", "", "é"};
        const QCollator c = collator("C");
        const QStringList sorted = TextToolsService::sort(lines.join(u'\n'), SortOrder::alphabetical, c).split(u'\n');
        QCOMPARE(sorted.size(), lines.size());
        for (qsizetype i = 1; i < sorted.size(); ++i)
            QVERIFY2(c.compare(sorted[i - 1], sorted[i]) <= 0,
                     qPrintable(sorted[i - 1] + QStringLiteral(" / ") + sorted[i]));
    }

    // On a large mixed text the fast path of strip agrees with cutting every line into characters.
    void stripFastPathAgreesWithClusters()
    {
        QString text;
        const QStringList pieces = {"plain, ascii; line.",
                                    "Zoë; naïve, café.",
                                    "東京,大阪;",
                                    "👍🏽,👍.",
                                    "e\u0301,e;",
                                    "tab\t,\r\n",
                                    ",start",
                                    "end,",
                                    "🇫🇷,🇩🇪"};
        for (int i = 0; i < 2000; ++i)
            text += pieces[i % pieces.size()] + u'\n';
        const QString stripped = TextToolsService::strip(text, QStringLiteral(",.;"));
        QString expected = text;
        expected.remove(u',').remove(u'.').remove(u';');
        QCOMPARE(stripped, expected);
    }
};

QTEST_GUILESS_MAIN(tst_TextToolsService)
#include "tst_TextToolsService.moc"
