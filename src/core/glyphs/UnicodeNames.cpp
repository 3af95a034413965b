#include "core/glyphs/UnicodeNames.h"

#include "core/glyphs/GlyphForms.h"

#include <QRegularExpression>
#include <QResource>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string_view>
#include <vector>

namespace UnicodeNames {

namespace {

// The tab-separated fields of a generated line: code point, name, abbreviation, aliases, keywords.
enum Field { kCode, kName, kAbbreviation, kAliases, kKeywords, kFieldCount };
using Fields = std::array<std::string_view, kFieldCount>;

// A block whose names follow from the code point.
struct Block {
    char32_t first;
    char32_t last;
    QByteArray kind;
};

// A compressed piece of the names, in place in the program's data, and the code point of its first line.
struct Piece {
    char32_t first;
    QByteArrayView packed;
};

Fields fieldsOf(std::string_view line)
{
    Fields fields{};
    size_t from = 0;
    for (int i = 0; i < kFieldCount && from <= line.size(); ++i) {
        const size_t to = std::min(line.find('\t', from), line.size());
        fields[i] = line.substr(from, to - from);
        from = to + 1;
    }
    return fields;
}

std::vector<std::string_view> split(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find_first_of(separators, start), text.size());
        if (end > start)
            parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

char32_t hexValue(std::string_view digits)
{
    quint32 value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return char32_t(value);
}

bool loaded = false;

const std::vector<Piece> &pieces()
{
    static const std::vector<Piece> all = [] {
        std::vector<Piece> list;
        const QResource resource(QStringLiteral(":/unicode/names.bin"));
        // Read in place: a copy the resource system made would keep every name in memory.
        Q_ASSERT(resource.compressionAlgorithm() == QResource::NoCompression);
        const auto *data = reinterpret_cast<const char *>(resource.data());
        const auto word = [data](qint64 at) { return qFromLittleEndian<quint32>(data + at); };
        for (qint64 at = 0; at + 8 <= resource.size();) {
            const quint32 size = word(at + 4);
            list.push_back({char32_t(word(at)), QByteArrayView(data + at + 8, qsizetype(size))});
            at += 8 + size;
        }
        return list;
    }();
    return all;
}

const std::vector<Block> &blocks()
{
    static const std::vector<Block> all = [] {
        std::vector<Block> list;
        const QResource resource(QStringLiteral(":/unicode/blocks.txt"));
        for (const QByteArray &line : resource.uncompressedData().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() == 3)
                list.push_back(
                    {char32_t(fields[0].toUInt(nullptr, 16)), char32_t(fields[1].toUInt(nullptr, 16)), fields[2]});
        }
        return list;
    }();
    return all;
}

// Calls `each(codePoint, line)` for every line of a piece, unpacked for the call only.
template <typename Each>
void forEachLine(const Piece &piece, Each each)
{
    loaded = true;
    const QByteArray text = qUncompress(reinterpret_cast<const uchar *>(piece.packed.data()), piece.packed.size());
    const std::string_view all(text.constData(), size_t(text.size()));
    for (size_t start = 0; start < all.size();) {
        const size_t end = std::min(all.find('\n', start), all.size());
        const std::string_view line = all.substr(start, end - start);
        const size_t tab = line.find('\t');
        if (tab != std::string_view::npos && !each(hexValue(line.substr(0, tab)), line))
            return;
        start = end + 1;
    }
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The algorithmic names of Hangul syllables, from their jamo.
QString hangulName(char32_t codePoint)
{
    static const char *const leading[] = {"G",  "GG", "N", "D",  "DD", "R", "M", "B", "BB", "S",
                                          "SS", "",   "J", "JJ", "C",  "K", "T", "P", "H"};
    static const char *const vowels[] = {"A",  "AE", "YA", "YAE", "EO", "E",  "YEO", "YE", "O",  "WA", "WAE",
                                         "OE", "YO", "U",  "WEO", "WE", "WI", "YU",  "EU", "YI", "I"};
    static const char *const trailing[] = {"",   "G",  "GG", "GS", "N",  "NJ", "NH", "D", "L",  "LG",
                                           "LM", "LB", "LS", "LT", "LP", "LH", "M",  "B", "BS", "S",
                                           "SS", "NG", "J",  "C",  "K",  "T",  "P",  "H"};
    const int index = int(codePoint - 0xAC00);
    return QStringLiteral("HANGUL SYLLABLE ") + QLatin1String(leading[index / (21 * 28)]) +
           QLatin1String(vowels[index % (21 * 28) / 28]) + QLatin1String(trailing[index % 28]);
}

Character fromFields(char32_t codePoint, const Fields &fields)
{
    return {codePoint, toQString(fields[kName]), toQString(fields[kAbbreviation])};
}

constexpr int kNoMatch = std::numeric_limits<int>::max();

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// How well one name answers the query's words: 0 each a whole word of it, 1 each the start of a word, 2 each
// somewhere inside it, 3 a word of it starts each, covering half of it at least ("NO-BREAK" for
// "non-breaking"); the worst word counts.
int nameLevel(std::string_view name, const std::vector<std::string> &query, int &extraWords)
{
    const std::vector<std::string_view> words = split(name, " -");
    int worst = 0;
    for (const std::string &wanted : query) {
        int best = kNoMatch;
        for (std::string_view word : words) {
            if (word == wanted)
                best = 0;
            else if (startsWith(word, wanted))
                best = std::min(best, 1);
            else if (word.size() >= 2 && word.size() * 2 >= wanted.size() && startsWith(wanted, word))
                best = std::min(best, 3);
        }
        if (best > 2 && name.find(wanted) != std::string_view::npos)
            best = 2;
        if (best == kNoMatch)
            return kNoMatch;
        worst = std::max(worst, best);
    }
    extraWords = int(words.size()) - int(query.size());
    return worst;
}

// 4 when every word of the query starts a word of one of the keywords.
int keywordLevel(std::string_view keywords, const std::vector<std::string> &query)
{
    const std::vector<std::string_view> words = split(keywords, " -|");
    for (const std::string &wanted : query) {
        if (std::none_of(words.begin(), words.end(), [&wanted](std::string_view w) { return startsWith(w, wanted); }))
            return kNoMatch;
    }
    return 4;
}

std::optional<char32_t> hexNumber(QStringView digits, int maxDigits)
{
    if (digits.isEmpty() || digits.size() > maxDigits)
        return std::nullopt;
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    if (!ok || value > 0x10FFFF)
        return std::nullopt;
    return char32_t(value);
}

} // namespace

std::optional<char32_t> spelledCodePoint(const QString &query)
{
    const QString q = query.trimmed();
    const QList<uint> points = q.toUcs4();
    // A lone surrogate comes out as U+FFFD: it spells nothing.
    if (points.contains(0xFFFD) && !q.contains(QChar(0xFFFD)))
        return std::nullopt;
    // The character itself, with or without an emoji presentation selector.
    if ((points.size() == 1 || (points.size() == 2 && points[1] == 0xFE0F)) && !QChar::isSurrogate(points[0]))
        return char32_t(points[0]);
    if (q.startsWith(QLatin1String("U+"), Qt::CaseInsensitive) ||
        q.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return hexNumber(QStringView(q).mid(2), 6);
    if (q.startsWith(QLatin1String("\\u{")) && q.endsWith(QLatin1Char('}')))
        return hexNumber(QStringView(q).mid(3).chopped(1), 6);
    if (q.startsWith(QLatin1String("\\U")) && q.size() == 10)
        return hexNumber(QStringView(q).mid(2), 8);
    if (q.startsWith(QLatin1String("\\u"))) {
        // "\uD83D\uDE00": a surrogate pair as JavaScript writes a code point above U+FFFF.
        const auto high = hexNumber(QStringView(q).mid(2, 4), 4);
        if (q.size() == 6)
            return high;
        if (high && q.size() == 12 && q.mid(6, 2) == QLatin1String("\\u")) {
            const auto low = hexNumber(QStringView(q).mid(8), 4);
            if (QChar::isHighSurrogate(*high) && low && QChar::isLowSurrogate(*low))
                return QChar::surrogateToUcs4(char16_t(*high), char16_t(*low));
        }
        return std::nullopt;
    }
    if (q.startsWith(QLatin1String("&#")) && q.endsWith(QLatin1Char(';'))) {
        const QStringView number = QStringView(q).mid(2).chopped(1);
        if (number.startsWith(QLatin1Char('x'), Qt::CaseInsensitive))
            return hexNumber(number.mid(1), 6);
        bool ok = false;
        const uint value = number.size() <= 7 ? number.toUInt(&ok) : 0;
        return ok && value <= 0x10FFFF ? std::optional<char32_t>(value) : std::nullopt;
    }
    if (q.startsWith(QLatin1Char('&')) && q.endsWith(QLatin1Char(';'))) {
        const auto text = GlyphForms::textOfEntity(q.mid(1).chopped(1));
        const QList<uint> entity = text ? text->toUcs4() : QList<uint>();
        return entity.size() == 1 ? std::optional<char32_t>(entity[0]) : std::nullopt;
    }
    // Bare hexadecimal, as a code point chart prints it: four to six digits, at least one of them a decimal
    // one, so that words such as "face" stay words.
    if (q.size() >= 4 && q.size() <= 6 && std::any_of(q.begin(), q.end(), [](QChar c) { return c.isDigit(); }))
        return hexNumber(q, 6);
    return std::nullopt;
}

std::optional<Character> character(char32_t codePoint)
{
    const std::vector<Piece> &all = pieces();
    const auto after =
        std::upper_bound(all.begin(), all.end(), codePoint, [](char32_t c, const Piece &p) { return c < p.first; });
    std::optional<Character> found;
    if (after != all.begin()) {
        forEachLine(*std::prev(after), [&](char32_t code, std::string_view line) {
            if (code == codePoint)
                found = fromFields(code, fieldsOf(line));
            return code < codePoint;
        });
    }
    if (found)
        return found;
    for (const Block &block : blocks()) {
        if (codePoint < block.first || codePoint > block.last)
            continue;
        const QString hex = QString::number(codePoint, 16).toUpper();
        if (block.kind == "HANGUL")
            return Character{codePoint, hangulName(codePoint), {}};
        return Character{
            codePoint,
            (block.kind == "CJK" ? QStringLiteral("CJK UNIFIED IDEOGRAPH-") : QStringLiteral("TANGUT IDEOGRAPH-")) +
                hex,
            {}};
    }
    return std::nullopt;
}

QList<Character> search(const QString &query)
{
    const QString trimmed = query.trimmed();
    // Longer than any name: nothing to find, and no reason to scan for it.
    if (trimmed.isEmpty() || trimmed.size() > 200)
        return {};
    // Marks with nothing to sit on are no query (and no character to paste on its own).
    const QList<uint> points = trimmed.toUcs4();
    if (std::all_of(points.begin(), points.end(), [](uint c) { return QChar::isMark(c); }))
        return {};
    QList<Character> found;
    if (const auto spelled = spelledCodePoint(trimmed)) {
        if (const auto one = character(*spelled))
            found.append(*one);
    }
    std::vector<std::string> words;
    for (const QString &word :
         trimmed.toUpper().split(QRegularExpression(QStringLiteral("[\\s\\-_]+")), Qt::SkipEmptyParts))
        words.push_back(word.toStdString());
    // A single letter would name half of Unicode.
    if (words.empty() || (words.size() == 1 && trimmed.size() < 2))
        return found;

    struct Hit {
        int level;
        int extraWords;
        Character character;
    };
    std::vector<Hit> hits;
    // Every way a word can match leaves its first two letters somewhere in the line: most lines go at that.
    std::vector<std::string_view> starts;
    for (const std::string &word : words)
        starts.push_back(std::string_view(word).substr(0, 2));
    for (const Piece &piece : pieces()) {
        forEachLine(piece, [&](char32_t code, std::string_view line) {
            if (std::any_of(starts.begin(), starts.end(),
                            [line](std::string_view s) { return line.find(s) == std::string_view::npos; }))
                return true;
            const Fields fields = fieldsOf(line);
            int extra = 0;
            int best = nameLevel(fields[kName], words, extra);
            for (std::string_view alias : split(fields[kAliases], "|")) {
                int e = 0;
                const int level = nameLevel(alias, words, e);
                if (level < best || (level == best && e < extra))
                    best = level, extra = e;
            }
            if (best == kNoMatch)
                best = keywordLevel(fields[kKeywords], words);
            if (best != kNoMatch)
                hits.push_back({best, extra, fromFields(code, fields)});
            return true;
        });
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit &a, const Hit &b) {
        return a.level != b.level ? a.level < b.level : a.extraWords < b.extraWords;
    });
    for (Hit &hit : hits) {
        if (found.isEmpty() || found.first().codePoint != hit.character.codePoint)
            found.append(std::move(hit.character));
    }
    return found;
}

bool isLoaded()
{
    return loaded;
}

QString standIn(const Character &character)
{
    const char32_t c = character.codePoint;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
        break;
    default:
        // Hangul fillers and the like: letters by category that draw nothing.
        if (c != 0x115F && c != 0x1160 && c != 0x3164 && c != 0xFFA0)
            return {};
    }
    if (!character.abbreviation.isEmpty())
        return character.abbreviation;
    QString initials;
    for (const QString &word : character.name.split(QRegularExpression(QStringLiteral("[ \\-]")), Qt::SkipEmptyParts))
        initials += word.front();
    return initials.left(4);
}

} // namespace UnicodeNames
