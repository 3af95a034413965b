#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One catalogue entry: the character that gets copied, its name (tooltip, searched) and lower-case keywords.
struct Glyph {
    QString character;
    QString name;
    QStringList keywords;

    QString id() const { return character; }
    bool operator==(const Glyph &) const = default;
};

enum class GlyphCategory { arrows, math, punctuation, marks, box, currency, legal };

QString rawValue(GlyphCategory category);
std::optional<GlyphCategory> glyphCategoryFromRawValue(const QString &raw);
const QList<GlyphCategory> &allGlyphCategories();
// The symbol that stands for the category in the picker.
QString pickerSymbol(GlyphCategory category);

// The fixed catalogue of 133 special characters in seven categories, built once on first use.
namespace GlyphCatalog {

const QList<Glyph> &glyphs(GlyphCategory category);
const QList<Glyph> &arrows();
const QList<Glyph> &math();
const QList<Glyph> &punctuation();
const QList<Glyph> &marks();
const QList<Glyph> &box();
const QList<Glyph> &currency();
const QList<Glyph> &legal();
// The seven lists one after the other, in category order.
const QList<Glyph> &all();

// The glyphs whose character is the query, or whose name or a keyword contains it, in catalogue order.
// The query is trimmed and lower-cased and matched as one substring, spaces included; an empty query finds
// nothing.
QList<Glyph> search(const QString &query);

// The catalogue name for a character, if it is in the catalogue.
std::optional<QString> name(const QString &character);

} // namespace GlyphCatalog
