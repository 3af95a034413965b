#pragma once

#include <QList>
#include <QString>

#include <optional>

// A glyph (one or more code points) written the way code needs it. Each form spells every code point of the
// glyph, so a glyph with a variation selector or a combining mark keeps it.
namespace GlyphForms {

// The forms a glyph is copied in: the glyph itself, then the four ways of writing it.
enum class Form { glyph, htmlEntity, escape, cssEscape, codePoints };
const QList<Form> &allForms();
// The glyph in that form, as copied.
QString write(const QString &glyph, Form form);

// The HTML5 name of exactly this text ("rarr" for "→"), if HTML5 names it.
std::optional<QString> entityName(const QString &text);

// The text an HTML5 name stands for ("rarr" gives "→"), among the names Tessellon copies.
std::optional<QString> textOfEntity(const QString &name);

// "&rarr;": the whole glyph's named reference where HTML5 has one, else each code point's, else "&#x2192;".
QString htmlEntity(const QString &glyph);
// "\u2192", a code point above U+FFFF as its surrogate pair ("\uD83D\uDE00"), as JavaScript, Java, C# and
// JSON read it.
QString escape(const QString &glyph);
// "\2192": CSS's escape, with a space after it only where the text `following` it would be read as part of
// it (a hexadecimal digit, or a space that would be swallowed): a glyph copied alone has none.
QString cssEscape(const QString &glyph, const QString &following = {});
// "U+2192", or each code point separated by spaces ("U+2714 U+FE0F").
QString codePoints(const QString &glyph);

} // namespace GlyphForms
