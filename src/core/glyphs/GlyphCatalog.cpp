#include "core/glyphs/GlyphCatalog.h"

#include <QCoreApplication>

#include <algorithm>
#include <initializer_list>
#include <span>
#include <vector>

namespace {

struct GlyphEntry {
    char32_t codePoint;
    const char *name;
    std::initializer_list<const char *> keywords;
};

const GlyphEntry kArrows[] = {
    {0x2192, QT_TRANSLATE_NOOP("GlyphCatalog", "Rightwards arrow"), {"arrow", "right", "east"}},
    {0x2190, QT_TRANSLATE_NOOP("GlyphCatalog", "Leftwards arrow"), {"arrow", "left", "west"}},
    {0x2191, QT_TRANSLATE_NOOP("GlyphCatalog", "Upwards arrow"), {"arrow", "up", "north"}},
    {0x2193, QT_TRANSLATE_NOOP("GlyphCatalog", "Downwards arrow"), {"arrow", "down", "south"}},
    {0x2194, QT_TRANSLATE_NOOP("GlyphCatalog", "Left right arrow"), {"arrow", "horizontal", "both"}},
    {0x2195, QT_TRANSLATE_NOOP("GlyphCatalog", "Up down arrow"), {"arrow", "vertical", "both"}},
    {0x21D2, QT_TRANSLATE_NOOP("GlyphCatalog", "Rightwards double arrow"), {"arrow", "implies", "right", "double"}},
    {0x21D0, QT_TRANSLATE_NOOP("GlyphCatalog", "Leftwards double arrow"), {"arrow", "left", "double"}},
    {0x21D4, QT_TRANSLATE_NOOP("GlyphCatalog", "Left right double arrow"), {"arrow", "iff", "equivalent", "double"}},
    {0x21A9, QT_TRANSLATE_NOOP("GlyphCatalog", "Leftwards arrow with hook"), {"arrow", "return", "enter", "hook"}},
    {0x21AA, QT_TRANSLATE_NOOP("GlyphCatalog", "Rightwards arrow with hook"), {"arrow", "redirect", "hook"}},
    {0x2934, QT_TRANSLATE_NOOP("GlyphCatalog", "Arrow pointing up then right"), {"arrow", "up", "curve"}},
    {0x2935, QT_TRANSLATE_NOOP("GlyphCatalog", "Arrow pointing down then right"), {"arrow", "down", "curve"}},
    {0x21BB,
     QT_TRANSLATE_NOOP("GlyphCatalog", "Clockwise open circle arrow"),
     {"arrow", "refresh", "reload", "redo", "rotate"}},
    {0x21BA, QT_TRANSLATE_NOOP("GlyphCatalog", "Anticlockwise open circle arrow"), {"arrow", "undo", "rotate"}},
};
const GlyphEntry kMath[] = {
    {0x00D7, QT_TRANSLATE_NOOP("GlyphCatalog", "Multiplication sign"), {"times", "multiply", "cross"}},
    {0x00F7, QT_TRANSLATE_NOOP("GlyphCatalog", "Division sign"), {"divide", "division", "obelus"}},
    {0x00B1, QT_TRANSLATE_NOOP("GlyphCatalog", "Plus-minus sign"), {"plus", "minus", "tolerance"}},
    {0x2213, QT_TRANSLATE_NOOP("GlyphCatalog", "Minus-plus sign"), {"minus", "plus"}},
    {0x2264, QT_TRANSLATE_NOOP("GlyphCatalog", "Less-than or equal to"), {"less", "equal", "lte"}},
    {0x2265, QT_TRANSLATE_NOOP("GlyphCatalog", "Greater-than or equal to"), {"greater", "equal", "gte"}},
    {0x2260, QT_TRANSLATE_NOOP("GlyphCatalog", "Not equal to"), {"not", "equal", "neq", "different"}},
    {0x2248, QT_TRANSLATE_NOOP("GlyphCatalog", "Almost equal to"), {"approximately", "approx", "about"}},
    {0x2261, QT_TRANSLATE_NOOP("GlyphCatalog", "Identical to"), {"equivalent", "congruent", "identical"}},
    {0x221E, QT_TRANSLATE_NOOP("GlyphCatalog", "Infinity"), {"infinity", "endless"}},
    {0x221A, QT_TRANSLATE_NOOP("GlyphCatalog", "Square root"), {"root", "sqrt", "radical"}},
    {0x2211, QT_TRANSLATE_NOOP("GlyphCatalog", "N-ary summation"), {"sum", "sigma", "total"}},
    {0x220F, QT_TRANSLATE_NOOP("GlyphCatalog", "N-ary product"), {"product", "pi"}},
    {0x222B, QT_TRANSLATE_NOOP("GlyphCatalog", "Integral"), {"integral", "calculus"}},
    {0x2202, QT_TRANSLATE_NOOP("GlyphCatalog", "Partial differential"), {"partial", "derivative", "delta"}},
    {0x03C0, QT_TRANSLATE_NOOP("GlyphCatalog", "Greek small letter pi"), {"pi", "circle"}},
    {0x00B5, QT_TRANSLATE_NOOP("GlyphCatalog", "Micro sign"), {"micro", "mu", "micron"}},
    {0x00B0, QT_TRANSLATE_NOOP("GlyphCatalog", "Degree sign"), {"degree", "angle", "temperature"}},
    {0x2030, QT_TRANSLATE_NOOP("GlyphCatalog", "Per mille sign"), {"permille", "per", "thousand"}},
    {0x221D, QT_TRANSLATE_NOOP("GlyphCatalog", "Proportional to"), {"proportional", "varies"}},
    {0x2208, QT_TRANSLATE_NOOP("GlyphCatalog", "Element of"), {"element", "member", "in", "set"}},
    {0x2209, QT_TRANSLATE_NOOP("GlyphCatalog", "Not an element of"), {"not", "element", "member", "set"}},
    {0x2282, QT_TRANSLATE_NOOP("GlyphCatalog", "Subset of"), {"subset", "set"}},
    {0x2286, QT_TRANSLATE_NOOP("GlyphCatalog", "Subset of or equal to"), {"subset", "equal", "set"}},
    {0x2200, QT_TRANSLATE_NOOP("GlyphCatalog", "For all"), {"forall", "every", "universal"}},
    {0x2203, QT_TRANSLATE_NOOP("GlyphCatalog", "There exists"), {"exists", "existential"}},
    {0x2207, QT_TRANSLATE_NOOP("GlyphCatalog", "Nabla"), {"nabla", "del", "gradient"}},
    {0x2205, QT_TRANSLATE_NOOP("GlyphCatalog", "Empty set"), {"empty", "set", "null", "void"}},
};
const GlyphEntry kPunctuation[] = {
    {0x2014, QT_TRANSLATE_NOOP("GlyphCatalog", "Em dash"), {"dash", "em", "punctuation"}},
    {0x2013, QT_TRANSLATE_NOOP("GlyphCatalog", "En dash"), {"dash", "en", "range"}},
    {0x2012, QT_TRANSLATE_NOOP("GlyphCatalog", "Figure dash"), {"dash", "figure"}},
    {0x2026, QT_TRANSLATE_NOOP("GlyphCatalog", "Horizontal ellipsis"), {"ellipsis", "dots", "etc"}},
    {0x2022, QT_TRANSLATE_NOOP("GlyphCatalog", "Bullet"), {"bullet", "dot", "list"}},
    {0x00B7, QT_TRANSLATE_NOOP("GlyphCatalog", "Middle dot"), {"dot", "middle", "interpunct"}},
    {0x00A7, QT_TRANSLATE_NOOP("GlyphCatalog", "Section sign"), {"section", "legal", "clause"}},
    {0x00B6, QT_TRANSLATE_NOOP("GlyphCatalog", "Pilcrow"), {"paragraph", "pilcrow"}},
    {0x2020, QT_TRANSLATE_NOOP("GlyphCatalog", "Dagger"), {"dagger", "footnote", "cross"}},
    {0x2021, QT_TRANSLATE_NOOP("GlyphCatalog", "Double dagger"), {"dagger", "double", "footnote"}},
    {0x2032, QT_TRANSLATE_NOOP("GlyphCatalog", "Prime"), {"prime", "feet", "minutes"}},
    {0x2033, QT_TRANSLATE_NOOP("GlyphCatalog", "Double prime"), {"prime", "inches", "seconds", "double"}},
    {0x00AB, QT_TRANSLATE_NOOP("GlyphCatalog", "Left double angle quote"), {"quote", "guillemet", "left"}},
    {0x00BB, QT_TRANSLATE_NOOP("GlyphCatalog", "Right double angle quote"), {"quote", "guillemet", "right"}},
    {0x2039, QT_TRANSLATE_NOOP("GlyphCatalog", "Single left angle quote"), {"quote", "guillemet", "left", "single"}},
    {0x203A, QT_TRANSLATE_NOOP("GlyphCatalog", "Single right angle quote"), {"quote", "guillemet", "right", "single"}},
    {0x201C, QT_TRANSLATE_NOOP("GlyphCatalog", "Left double quotation mark"), {"quote", "curly", "open", "smart"}},
    {0x201D, QT_TRANSLATE_NOOP("GlyphCatalog", "Right double quotation mark"), {"quote", "curly", "close", "smart"}},
    {0x2018, QT_TRANSLATE_NOOP("GlyphCatalog", "Left single quotation mark"), {"quote", "curly", "open", "single"}},
    {0x2019,
     QT_TRANSLATE_NOOP("GlyphCatalog", "Right single quotation mark"),
     {"quote", "apostrophe", "curly", "single"}},
    {0x201E, QT_TRANSLATE_NOOP("GlyphCatalog", "Double low-9 quotation mark"), {"quote", "low", "german"}},
    {0x00A1, QT_TRANSLATE_NOOP("GlyphCatalog", "Inverted exclamation mark"), {"exclamation", "inverted", "spanish"}},
    {0x00BF, QT_TRANSLATE_NOOP("GlyphCatalog", "Inverted question mark"), {"question", "inverted", "spanish"}},
};
const GlyphEntry kMarks[] = {
    {0x2713, QT_TRANSLATE_NOOP("GlyphCatalog", "Check mark"), {"check", "tick", "yes", "done", "ok"}},
    {0x2714, QT_TRANSLATE_NOOP("GlyphCatalog", "Heavy check mark"), {"check", "tick", "yes", "done", "bold"}},
    {0x2717, QT_TRANSLATE_NOOP("GlyphCatalog", "Ballot X"), {"cross", "no", "wrong", "fail"}},
    {0x2718, QT_TRANSLATE_NOOP("GlyphCatalog", "Heavy ballot X"), {"cross", "no", "wrong", "bold"}},
    {0x2611, QT_TRANSLATE_NOOP("GlyphCatalog", "Ballot box with check"), {"checkbox", "checked", "done"}},
    {0x2610, QT_TRANSLATE_NOOP("GlyphCatalog", "Ballot box"), {"checkbox", "empty", "todo"}},
    {0x2605, QT_TRANSLATE_NOOP("GlyphCatalog", "Black star"), {"star", "favorite", "filled", "rating"}},
    {0x2606, QT_TRANSLATE_NOOP("GlyphCatalog", "White star"), {"star", "favorite", "empty", "rating"}},
    {0x25CF, QT_TRANSLATE_NOOP("GlyphCatalog", "Black circle"), {"circle", "dot", "filled", "bullet"}},
    {0x25CB, QT_TRANSLATE_NOOP("GlyphCatalog", "White circle"), {"circle", "dot", "empty", "ring"}},
    {0x25C6, QT_TRANSLATE_NOOP("GlyphCatalog", "Black diamond"), {"diamond", "filled"}},
    {0x25C7, QT_TRANSLATE_NOOP("GlyphCatalog", "White diamond"), {"diamond", "empty"}},
    {0x25A0, QT_TRANSLATE_NOOP("GlyphCatalog", "Black square"), {"square", "filled", "stop"}},
    {0x25A1, QT_TRANSLATE_NOOP("GlyphCatalog", "White square"), {"square", "empty"}},
    {0x25B6, QT_TRANSLATE_NOOP("GlyphCatalog", "Right-pointing triangle"), {"play", "triangle", "right", "next"}},
    {0x25C0, QT_TRANSLATE_NOOP("GlyphCatalog", "Left-pointing triangle"), {"triangle", "left", "previous", "rewind"}},
    {0x25B2, QT_TRANSLATE_NOOP("GlyphCatalog", "Up-pointing triangle"), {"triangle", "up", "increase"}},
    {0x25BC, QT_TRANSLATE_NOOP("GlyphCatalog", "Down-pointing triangle"), {"triangle", "down", "decrease"}},
    {0x26A0, QT_TRANSLATE_NOOP("GlyphCatalog", "Warning sign"), {"warning", "caution", "alert"}},
    {0x26A1, QT_TRANSLATE_NOOP("GlyphCatalog", "High voltage sign"), {"lightning", "bolt", "power", "zap"}},
    {0x2295, QT_TRANSLATE_NOOP("GlyphCatalog", "Circled plus"), {"plus", "circle", "add", "xor"}},
    {0x2297, QT_TRANSLATE_NOOP("GlyphCatalog", "Circled times"), {"times", "circle", "cross", "tensor"}},
};
const GlyphEntry kBox[] = {
    {0x2500, QT_TRANSLATE_NOOP("GlyphCatalog", "Box light horizontal"), {"box", "line", "horizontal"}},
    {0x2502, QT_TRANSLATE_NOOP("GlyphCatalog", "Box light vertical"), {"box", "line", "vertical"}},
    {0x250C, QT_TRANSLATE_NOOP("GlyphCatalog", "Box light down and right"), {"box", "corner", "top", "left"}},
    {0x2510, QT_TRANSLATE_NOOP("GlyphCatalog", "Box light down and left"), {"box", "corner", "top", "right"}},
    {0x2514, QT_TRANSLATE_NOOP("GlyphCatalog", "Box light up and right"), {"box", "corner", "bottom", "left"}},
    {0x2518, QT_TRANSLATE_NOOP("GlyphCatalog", "Box light up and left"), {"box", "corner", "bottom", "right"}},
    {0x251C, QT_TRANSLATE_NOOP("GlyphCatalog", "Box light vertical and right"), {"box", "tee", "left", "branch"}},
    {0x2524, QT_TRANSLATE_NOOP("GlyphCatalog", "Box light vertical and left"), {"box", "tee", "right"}},
    {0x252C, QT_TRANSLATE_NOOP("GlyphCatalog", "Box light down and horizontal"), {"box", "tee", "top"}},
    {0x2534, QT_TRANSLATE_NOOP("GlyphCatalog", "Box light up and horizontal"), {"box", "tee", "bottom"}},
    {0x253C,
     QT_TRANSLATE_NOOP("GlyphCatalog", "Box light vertical and horizontal"),
     {"box", "cross", "plus", "intersection"}},
    {0x2550, QT_TRANSLATE_NOOP("GlyphCatalog", "Box double horizontal"), {"box", "line", "double", "horizontal"}},
    {0x2551, QT_TRANSLATE_NOOP("GlyphCatalog", "Box double vertical"), {"box", "line", "double", "vertical"}},
    {0x2554,
     QT_TRANSLATE_NOOP("GlyphCatalog", "Box double down and right"),
     {"box", "corner", "double", "top", "left"}},
    {0x2557,
     QT_TRANSLATE_NOOP("GlyphCatalog", "Box double down and left"),
     {"box", "corner", "double", "top", "right"}},
    {0x255A,
     QT_TRANSLATE_NOOP("GlyphCatalog", "Box double up and right"),
     {"box", "corner", "double", "bottom", "left"}},
    {0x255D,
     QT_TRANSLATE_NOOP("GlyphCatalog", "Box double up and left"),
     {"box", "corner", "double", "bottom", "right"}},
    {0x2560, QT_TRANSLATE_NOOP("GlyphCatalog", "Box double vertical and right"), {"box", "tee", "double", "left"}},
    {0x2563, QT_TRANSLATE_NOOP("GlyphCatalog", "Box double vertical and left"), {"box", "tee", "double", "right"}},
    {0x2566, QT_TRANSLATE_NOOP("GlyphCatalog", "Box double down and horizontal"), {"box", "tee", "double", "top"}},
    {0x2569, QT_TRANSLATE_NOOP("GlyphCatalog", "Box double up and horizontal"), {"box", "tee", "double", "bottom"}},
    {0x256C,
     QT_TRANSLATE_NOOP("GlyphCatalog", "Box double vertical and horizontal"),
     {"box", "cross", "double", "intersection"}},
};
const GlyphEntry kCurrency[] = {
    {0x0024, QT_TRANSLATE_NOOP("GlyphCatalog", "Dollar sign"), {"dollar", "usd", "money"}},
    {0x00A2, QT_TRANSLATE_NOOP("GlyphCatalog", "Cent sign"), {"cent", "money"}},
    {0x20AC, QT_TRANSLATE_NOOP("GlyphCatalog", "Euro sign"), {"euro", "eur", "money"}},
    {0x00A3, QT_TRANSLATE_NOOP("GlyphCatalog", "Pound sign"), {"pound", "gbp", "sterling", "money"}},
    {0x00A5, QT_TRANSLATE_NOOP("GlyphCatalog", "Yen sign"), {"yen", "yuan", "jpy", "cny", "money"}},
    {0x20BF, QT_TRANSLATE_NOOP("GlyphCatalog", "Bitcoin sign"), {"bitcoin", "btc", "crypto", "money"}},
    {0x20B9, QT_TRANSLATE_NOOP("GlyphCatalog", "Indian rupee sign"), {"rupee", "inr", "money"}},
    {0x20A9, QT_TRANSLATE_NOOP("GlyphCatalog", "Won sign"), {"won", "krw", "money"}},
    {0x20BD, QT_TRANSLATE_NOOP("GlyphCatalog", "Ruble sign"), {"ruble", "rub", "money"}},
    {0x20BA, QT_TRANSLATE_NOOP("GlyphCatalog", "Turkish lira sign"), {"lira", "try", "money"}},
    {0x20B4, QT_TRANSLATE_NOOP("GlyphCatalog", "Hryvnia sign"), {"hryvnia", "uah", "money"}},
    {0x20AA, QT_TRANSLATE_NOOP("GlyphCatalog", "New shekel sign"), {"shekel", "ils", "money"}},
    {0x0E3F, QT_TRANSLATE_NOOP("GlyphCatalog", "Thai baht sign"), {"baht", "thb", "money"}},
    {0x00A4, QT_TRANSLATE_NOOP("GlyphCatalog", "Generic currency sign"), {"currency", "money", "generic"}},
};
const GlyphEntry kLegal[] = {
    {0x00A9, QT_TRANSLATE_NOOP("GlyphCatalog", "Copyright sign"), {"copyright", "legal"}},
    {0x00AE, QT_TRANSLATE_NOOP("GlyphCatalog", "Registered sign"), {"registered", "trademark", "legal"}},
    {0x2122, QT_TRANSLATE_NOOP("GlyphCatalog", "Trade mark sign"), {"trademark", "tm", "legal"}},
    {0x2120, QT_TRANSLATE_NOOP("GlyphCatalog", "Service mark"), {"servicemark", "sm", "legal"}},
    {0x2116, QT_TRANSLATE_NOOP("GlyphCatalog", "Numero sign"), {"number", "numero", "no"}},
    {0x2103, QT_TRANSLATE_NOOP("GlyphCatalog", "Degree Celsius"), {"celsius", "temperature", "degree"}},
    {0x2109, QT_TRANSLATE_NOOP("GlyphCatalog", "Degree Fahrenheit"), {"fahrenheit", "temperature", "degree"}},
    {0x2709, QT_TRANSLATE_NOOP("GlyphCatalog", "Envelope"), {"mail", "email", "envelope", "message"}},
    {0x260E, QT_TRANSLATE_NOOP("GlyphCatalog", "Black telephone"), {"phone", "telephone", "call"}},
};

QList<Glyph> build(std::span<const GlyphEntry> entries)
{
    QList<Glyph> list;
    list.reserve(qsizetype(entries.size()));
    for (const GlyphEntry &entry : entries) {
        Glyph glyph;
        glyph.character = QString::fromUcs4(&entry.codePoint, 1);
        // In the user's language where a translation is installed: it is shown and searched.
        glyph.name = QCoreApplication::translate("GlyphCatalog", entry.name);
        for (const char *keyword : entry.keywords)
            glyph.keywords.append(QString::fromLatin1(keyword));
        list.append(glyph);
    }
    return list;
}

struct CategoryInfo {
    GlyphCategory category;
    const char *raw;
    const char *symbol;
    std::span<const GlyphEntry> entries;
};

const CategoryInfo kCategories[] = {
    {GlyphCategory::arrows, "arrows", "arrow.right", kArrows},
    {GlyphCategory::math, "math", "function", kMath},
    {GlyphCategory::punctuation, "punctuation", "text.quote", kPunctuation},
    {GlyphCategory::marks, "marks", "checkmark", kMarks},
    {GlyphCategory::box, "box", "tablecells", kBox},
    {GlyphCategory::currency, "currency", "dollarsign", kCurrency},
    {GlyphCategory::legal, "legal", "c.circle", kLegal},
};

const CategoryInfo &info(GlyphCategory category)
{
    for (const CategoryInfo &entry : kCategories) {
        if (entry.category == category)
            return entry;
    }
    Q_UNREACHABLE();
}

} // namespace

QString rawValue(GlyphCategory category)
{
    return QString::fromLatin1(info(category).raw);
}

std::optional<GlyphCategory> glyphCategoryFromRawValue(const QString &raw)
{
    for (const CategoryInfo &entry : kCategories) {
        if (raw == QLatin1String(entry.raw))
            return entry.category;
    }
    return std::nullopt;
}

const QList<GlyphCategory> &allGlyphCategories()
{
    static const QList<GlyphCategory> categories = [] {
        QList<GlyphCategory> list;
        for (const CategoryInfo &entry : kCategories)
            list.append(entry.category);
        return list;
    }();
    return categories;
}

QString pickerSymbol(GlyphCategory category)
{
    return QString::fromLatin1(info(category).symbol);
}

namespace GlyphCatalog {

const QList<Glyph> &glyphs(GlyphCategory category)
{
    // Built once, on first use, safely even when two threads ask first together.
    static const std::vector<QList<Glyph>> lists = [] {
        std::vector<QList<Glyph>> built;
        for (const CategoryInfo &entry : kCategories)
            built.push_back(build(entry.entries));
        return built;
    }();
    return lists[size_t(&info(category) - kCategories)];
}

const QList<Glyph> &arrows()
{
    return glyphs(GlyphCategory::arrows);
}

const QList<Glyph> &math()
{
    return glyphs(GlyphCategory::math);
}

const QList<Glyph> &punctuation()
{
    return glyphs(GlyphCategory::punctuation);
}

const QList<Glyph> &marks()
{
    return glyphs(GlyphCategory::marks);
}

const QList<Glyph> &box()
{
    return glyphs(GlyphCategory::box);
}

const QList<Glyph> &currency()
{
    return glyphs(GlyphCategory::currency);
}

const QList<Glyph> &legal()
{
    return glyphs(GlyphCategory::legal);
}

const QList<Glyph> &all()
{
    static const QList<Glyph> list = [] {
        QList<Glyph> joined;
        for (GlyphCategory category : allGlyphCategories())
            joined.append(glyphs(category));
        return joined;
    }();
    return list;
}

QList<Glyph> search(const QString &query)
{
    const QString q = query.trimmed().toLower();
    if (q.isEmpty())
        return {};
    QList<Glyph> found;
    for (const Glyph &glyph : all()) {
        const bool matches = glyph.character == q || glyph.name.toLower().contains(q) ||
                             std::any_of(glyph.keywords.begin(), glyph.keywords.end(),
                                         [&q](const QString &keyword) { return keyword.toLower().contains(q); });
        if (matches)
            found.append(glyph);
    }
    return found;
}

std::optional<QString> name(const QString &character)
{
    for (const Glyph &glyph : all()) {
        if (glyph.character == character)
            return glyph.name;
    }
    return std::nullopt;
}

} // namespace GlyphCatalog
