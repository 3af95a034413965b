#pragma once

#include <QList>
#include <QString>

#include <optional>

// The names of every assigned character (the Unicode Character Database's names and aliases, and CLDR's
// English short names and keywords), for the glyph search beyond the catalogue. Built into the program in
// small compressed pieces; a search unpacks one piece at a time and lets it go, so the names take no memory
// between searches (a few milliseconds a search is the price).
namespace UnicodeNames {

struct Character {
    char32_t codePoint = 0;
    // "NO-BREAK SPACE", as Unicode spells it.
    QString name;
    // A short name a small tile can show ("NBSP"); empty where Unicode gives none.
    QString abbreviation;

    QString text() const { return QString::fromUcs4(&codePoint, 1); }
    bool operator==(const Character &) const = default;
};

// The characters a query finds, best first: the one it spells ("U+2192", "2192", "0x2192", "&rarr;", "&#8594;",
// "\u2192", or "→" itself), then those whose name or alias has every word of it as a whole word, then as
// the start of a word, then as part of the name, then those with a keyword for it. Surrogates, private
// use and unassigned code points are never found. Empty for a blank or unusable query.
QList<Character> search(const QString &query);

// The code point a query spells, assigned or not; none when it spells none or one beyond U+10FFFF.
std::optional<char32_t> spelledCodePoint(const QString &query);

// The character at a code point, when it is assigned and neither a surrogate nor for private use.
std::optional<Character> character(char32_t codePoint);

// Whether any of the names has been read yet.
bool isLoaded();

// What a tile shows instead of a character that is invisible (spaces, controls, format characters) or
// combining: its abbreviation, else the initials of its name. Empty for a character that draws itself.
QString standIn(const Character &character);

} // namespace UnicodeNames
