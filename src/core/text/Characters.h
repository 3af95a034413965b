#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// User-perceived characters (extended grapheme clusters), cut the same way wherever the program counts,
// strips or keeps them.
//
// Qt's grapheme finder tailors its clusters inside Indic and South-East Asian script runs (a conjunct stays
// one character), but the tailoring runs on over the common-script text that follows such a run and then
// splits surrogate pairs, flags and "\r\n". So the finder only ever sees one script's run: the text is cut
// first wherever a character must begin whatever the script (at a line break, and before a space,
// punctuation, an emoji or a flag that follows such a run), and no boundary is ever kept inside a
// surrogate pair or a "\r\n".
namespace Characters {

// Fills `ends` with the end offset of each character, in order (the last one is the text's size).
void ends(QStringView text, std::vector<qsizetype> &ends);

// The characters as views into the text.
std::vector<QStringView> split(QStringView text);

qsizetype count(QStringView text);

// Whether a character boundary lies at `at` (0 and the text's size always are).
bool isBoundary(QStringView text, qsizetype at);

// Whether a code point is a whole character next to any other such code point, whatever the script
// around it: then cutting a run of them needs no finder at all. Not so for marks and joiners, prepended
// signs, flags and jamo, "\r", nor for anything in the scripts whose clusters the finder tailors.
bool standsAlone(char32_t c);

// One code point as text. QString::fromUcs4 reads its input as a stream and so drops a leading U+FEFF as a
// byte-order mark; this never does.
QString fromCodePoint(char32_t c);

} // namespace Characters
