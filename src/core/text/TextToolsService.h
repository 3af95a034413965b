#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <vector>

class QCollator;

// Clean-up operations on pasted text: each takes the whole text and returns the whole new text. Every one
// is linear in the text (the sorts n log n), so a pasted 20 MB log stays workable.
//
// Lines: "\r\n" counts as "\n", one final line feed is dropped before splitting and none is added after
// joining; a lone "\r" stays inside its line. Characters are user-perceived characters (grapheme clusters),
// and two texts are equal when canonically equivalent.
namespace TextToolsService {

enum class SortOrder { alphabetical, reverseAlphabetical, byLength };

QString rawValue(SortOrder order);
std::optional<SortOrder> sortOrderFromRawValue(const QString &raw);
const QList<SortOrder> &allSortOrders();

// The four operations below never lengthen a text: given a text nobody else holds (moved in), they write
// the result into its own buffer instead of a second one as large.

// Removes every character (grapheme cluster) that also occurs in `characters`; an empty `characters`
// returns the text untouched.
QString strip(QString text, const QString &characters);
// Per line: runs of spaces and tabs become one space, then one trailing space goes.
QString trim(QString text);
// Drops lines that hold nothing but spaces, tabs and other horizontal whitespace.
QString removeBlankLines(QString text);
// Keeps the first of each set of equal lines (case-sensitive, canonically equivalent, untrimmed).
QString dedupeLines(QString text);
// A stable sort: alphabetical orders compare case-insensitively in the user's locale (digits as
// characters); by length counts characters.
QString sort(const QString &text, SortOrder order);
// The same with a given collation (for callers and tests that pin the locale).
QString sort(const QString &text, SortOrder order, const QCollator &collator);

// Natural order: runs of digits compare by their value ("file2" before "file10"), the rest as A→Z does,
// and lines equal so ("file2", "file02") by the A→Z rule; stable.
QString naturalSort(const QString &text, bool descending);

// The lines of a text, as views into it, by the rules above.
std::vector<QStringView> lines(QStringView text);

// Number of user-perceived characters.
qsizetype characterCount(QStringView text);

} // namespace TextToolsService
