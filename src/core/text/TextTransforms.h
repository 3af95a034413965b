#pragma once

#include <QList>
#include <QLocale>
#include <QString>

// The text tools' further operations, on the same terms as the first six (TextToolsService): the whole text
// in, the whole new text out; lines split as there ("\r\n" counts as "\n", one final line feed dropped) and
// joined with "\n"; characters are grapheme clusters.
namespace TextTransforms {

QString reverseLines(const QString &text);
// A fresh order each time.
QString shuffleLines(const QString &text);
// The lines joined by `separator` (which may be empty or hold line breaks).
QString joinLines(const QString &text, const QString &separator);
// Every occurrence of `separator` becomes a line break; an empty one changes nothing.
QString splitLines(const QString &text, const QString &separator);

enum class Case { upper, lower, title, camel, snake, kebab };
const QList<Case> &allCases();
// By the locale's full Unicode rules (ß → SS, a Turkish dotless i, a Greek final sigma). camel, snake and
// kebab join each line's words (letters and digits; "fooBar" is two) and drop what lies between them.
QString changeCase(QString text, Case to, const QLocale &locale = QLocale());

// What Clean invisibles changed, by kind.
struct Cleaned {
    QString text;
    int zeroWidthSpaces = 0;
    int joiners = 0; // zero width and word joiners outside emoji sequences and Indic conjuncts
    int softHyphens = 0;
    int byteOrderMarks = 0;
    int bidiControls = 0;
    int spaces = 0; // no-break and other spaces made plain
    int quotes = 0; // curly quotes made straight
    int total() const
    {
        return zeroWidthSpaces + joiners + softHyphens + byteOrderMarks + bidiControls + spaces + quotes;
    }
};
// Removes the invisible characters pasted text carries, makes every space a plain one and every curly
// quote straight. A joiner that holds an emoji sequence or a conjunct together stays, and so does every
// combining mark.
Cleaned cleanInvisibles(const QString &text);

struct Counts {
    qsizetype characters = 0; // grapheme clusters
    qsizetype words = 0;
    qsizetype lines = 0;
    qsizetype utf8Bytes = 0;
    bool operator==(const Counts &) const = default;
};
Counts count(QStringView text);

} // namespace TextTransforms
