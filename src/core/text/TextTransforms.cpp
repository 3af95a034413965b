#include "core/text/TextTransforms.h"

#include "core/text/Characters.h"
#include "core/text/TextToolsService.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

namespace TextTransforms {

namespace {

QString joined(const std::vector<QStringView> &lines, QStringView separator)
{
    qsizetype size = lines.empty() ? 0 : separator.size() * qsizetype(lines.size() - 1);
    for (QStringView line : lines)
        size += line.size();
    // Copied straight into a buffer of the final size: appending line by line costs a third more.
    QString out(size, Qt::Uninitialized);
    const auto copy = [&lines, separator](size_t from, size_t to, QChar *at) {
        for (size_t i = from; i < to; ++i) {
            if (i > 0)
                at = std::copy(separator.begin(), separator.end(), at);
            at = std::copy(lines[i].begin(), lines[i].end(), at);
        }
    };
    // A long text is copied in two halves at once: the copy (and the memory it first touches) is most of
    // the work, and a second core halves it.
    constexpr qsizetype kParallelFrom = 4 * 1024 * 1024;
    const size_t half = lines.size() / 2;
    if (size < kParallelFrom || half == 0 || std::thread::hardware_concurrency() < 2) {
        copy(0, lines.size(), out.data());
        return out;
    }
    qsizetype secondAt = 0;
    for (size_t i = 0; i < half; ++i)
        secondAt += lines[i].size() + separator.size();
    std::thread second(copy, half, lines.size(), out.data() + secondAt - separator.size());
    copy(0, half, out.data());
    second.join();
    return out;
}

// The words of a text, as its word boundaries cut it, keeping the pieces that hold a letter or digit.
template <typename Each>
void forEachWord(QStringView text, Each each)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text.data(), int(text.size()));
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        const QStringView piece = text.sliced(start, end - start);
        if (std::any_of(piece.begin(), piece.end(), [](QChar c) { return c.isLetterOrNumber(); }))
            each(start, piece);
        start = end;
    }
}

// A word's first character in title case (the digraphs have a form of their own), the rest in lower case.
QString titled(QStringView word, const QLocale &locale)
{
    qsizetype first = 1;
    while (first < word.size() && !Characters::isBoundary(word, first))
        ++first;
    QString head = locale.toUpper(word.first(first).toString());
    if (first == 1 && QChar::toTitleCase(word[0].unicode()) != QChar::toUpper(word[0].unicode()))
        head = QChar(QChar::toTitleCase(word[0].unicode()));
    return head + locale.toLower(word.sliced(first).toString());
}

// The words of one line for camel, snake and kebab case: its word pieces, each cut again where a lower-case
// letter or digit meets an upper-case one ("fooBar") and before the last capital of a run that goes on in
// lower case ("HTTPServer").
QStringList identifierWords(QStringView line)
{
    QStringList words;
    forEachWord(line, [&words](qsizetype, QStringView piece) {
        qsizetype from = 0;
        while (from < piece.size() && piece[from] == u'_')
            ++from;
        for (qsizetype i = from + 1; i < piece.size(); ++i) {
            // "foo_bar" is one word to the boundary rules, two to a programmer.
            if (piece[i] == u'_' || piece[i - 1] == u'_') {
                if (piece[i] == u'_' && i > from)
                    words.append(piece.sliced(from, i - from).toString());
                if (piece[i] == u'_')
                    from = i + 1;
                continue;
            }
            const QChar before = piece[i - 1], c = piece[i];
            const bool lowerToUpper = (before.isLower() || before.isDigit()) && c.isUpper();
            const bool endOfCapitals =
                before.isUpper() && c.isUpper() && i + 1 < piece.size() && piece[i + 1].isLower();
            if ((lowerToUpper || endOfCapitals) && Characters::isBoundary(piece, i)) {
                words.append(piece.sliced(from, i - from).toString());
                from = i;
            }
        }
        if (from < piece.size())
            words.append(piece.sliced(from).toString());
    });
    return words;
}

QString identifier(QStringView line, Case to, const QLocale &locale)
{
    const QStringList words = identifierWords(line);
    QString out;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (to == Case::camel) {
            out += i == 0 ? locale.toLower(words[i]) : titled(words[i], locale);
            continue;
        }
        if (i > 0)
            out += to == Case::snake ? QLatin1Char('_') : QLatin1Char('-');
        out += locale.toLower(words[i]);
    }
    return out;
}

char32_t codePointAt(QStringView text, qsizetype i)
{
    if (i >= text.size())
        return 0;
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[i], text[i + 1]);
    return text[i].unicode();
}

char32_t codePointBefore(QStringView text, qsizetype i)
{
    if (i <= 0)
        return 0;
    if (text[i - 1].isLowSurrogate() && i >= 2 && text[i - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(text[i - 2], text[i - 1]);
    return text[i - 1].unicode();
}

// The blocks emoji come from (pictographs, symbols, dingbats, skin tones), near enough to tell a joiner
// inside an emoji sequence from one left between letters.
bool isPictographic(char32_t c)
{
    return (c >= 0x1F000 && c <= 0x1FAFF) || (c >= 0x2600 && c <= 0x27BF) || (c >= 0x2B00 && c <= 0x2BFF) ||
           (c >= 0x2190 && c <= 0x21FF) || (c >= 0x2300 && c <= 0x23FF) || c == 0x00A9 || c == 0x00AE || c == 0x203C ||
           c == 0x2049 || c == 0x2122 || c == 0x2139 || c == 0x3030 || c == 0x303D;
}

} // namespace

QString reverseLines(const QString &text)
{
    std::vector<QStringView> lines = TextToolsService::lines(text);
    std::reverse(lines.begin(), lines.end());
    return joined(lines, u"\n");
}

QString shuffleLines(const QString &text)
{
    std::vector<QStringView> lines = TextToolsService::lines(text);
    std::shuffle(lines.begin(), lines.end(), *QRandomGenerator::global());
    return joined(lines, u"\n");
}

QString joinLines(const QString &text, const QString &separator)
{
    return joined(TextToolsService::lines(text), separator);
}

QString splitLines(const QString &text, const QString &separator)
{
    if (separator.isEmpty())
        return text;
    QString out = text;
    return out.replace(separator, QStringLiteral("\n"));
}

const QList<Case> &allCases()
{
    static const QList<Case> cases{Case::upper, Case::lower, Case::title, Case::camel, Case::snake, Case::kebab};
    return cases;
}

namespace {

// Where Unicode has code units whose upper case is longer than themselves (ß → SS, ﬁ → FI, ŉ → ʼN, the
// Greek letters with a ypogegrammeni).
bool mayUpperLonger(char16_t c)
{
    return c >= 0xDF && (c == 0xDF || c == 0x149 || c == 0x1F0 || c == 0x390 || c == 0x3B0 || c == 0x587 ||
                         (c >= 0x1E96 && c <= 0x1E9A) || (c >= 0x1F50 && c <= 0x1FFF) || (c >= 0xFB00 && c <= 0xFB17));
}

// The full upper case of such a code unit; null for any other.
const QString *longerUpper(char16_t c)
{
    static const QHash<char16_t, QString> longer = [] {
        QHash<char16_t, QString> table;
        for (char16_t u = 0xDF; u <= 0xFB17; ++u) {
            if (mayUpperLonger(u)) {
                QString upper = QString(QChar(u)).toUpper();
                if (upper.size() > 1)
                    table.insert(u, upper);
            }
        }
        return table;
    }();
    const auto it = longer.constFind(c);
    return it == longer.constEnd() ? nullptr : &*it;
}

// The simple upper case of every code unit of the Basic Multilingual Plane (128 KB, made on first use):
// one load instead of a call into Qt's tables for each letter that is not ASCII. The code units that need
// more than a load (surrogates, and those whose upper case is longer) hold kSpecial, as U+FFFF does, whose
// upper case is itself.
constexpr char16_t kSpecial = 0xFFFF;

const char16_t *simpleUpper()
{
    static const std::unique_ptr<char16_t[]> table = [] {
        auto upper = std::make_unique<char16_t[]>(0x10000);
        for (char32_t c = 0; c < 0x10000; ++c)
            upper[c] = QChar::isSurrogate(c) || (mayUpperLonger(char16_t(c)) && longerUpper(char16_t(c)))
                           ? kSpecial
                           : char16_t(QChar::toUpper(c));
        return upper;
    }();
    return table.get();
}

// Eight code units at once, in the compiler's portable vector types (SSE2 on x86-64, NEON on arm64). Every
// operand is a vector of its own: clang 14 fails on a scalar mixed into a vector comparison.
using Lanes = quint16 __attribute__((vector_size(16)));
using Mask = qint16 __attribute__((vector_size(16)));
constexpr qsizetype kLanes = 8;

Lanes lanesAt(const char16_t *at)
{
    Lanes lanes;
    std::memcpy(&lanes, at, sizeof lanes);
    return lanes;
}

Lanes splat(quint16 value)
{
    return Lanes{value, value, value, value, value, value, value, value};
}

bool any(Mask mask)
{
    quint64 halves[2];
    std::memcpy(halves, &mask, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

bool anyAtLeast(Lanes lanes, quint16 bound)
{
    const Mask above = lanes >= splat(bound);
    return any(above);
}

// mayUpperLonger() for eight code units at once.
bool anyMayUpperLonger(Lanes v)
{
    const Mask hit = (v == splat(0xDF)) | (v == splat(0x149)) | (v == splat(0x1F0)) | (v == splat(0x390)) |
                     (v == splat(0x3B0)) | (v == splat(0x587)) | (v - splat(0x1E96) < splat(5)) |
                     (v - splat(0x1F50) < splat(0xB0)) | (v - splat(0xFB00) < splat(0x18));
    return any(hit);
}

// ASCII's lower-case letters in upper case, the rest as they are.
Lanes asciiUpper(Lanes lanes)
{
    const Mask lower = lanes - splat(u'a') < splat(26);
    return lanes - ((Lanes)lower & splat(0x20));
}

// How many code units longer upper case makes a text.
qsizetype upperGrowth(const char16_t *text, qsizetype n)
{
    qsizetype grows = 0;
    const auto add = [&grows](char16_t c) {
        if (const QString *upper = mayUpperLonger(c) ? longerUpper(c) : nullptr)
            grows += upper->size() - 1;
    };
    qsizetype i = 0;
    for (; i + kLanes <= n; i += kLanes) {
        if (anyMayUpperLonger(lanesAt(text + i))) {
            for (qsizetype k = 0; k < kLanes; ++k)
                add(text[i + k]);
        }
    }
    for (; i < n; ++i)
        add(text[i]);
    return grows;
}

// The upper case of text[from, to) by Unicode's full mapping (its ends never part a surrogate pair), read
// from the end backwards and written backwards to end at `outEnd`: in the text's own buffer too, as long as
// the writing starts no earlier than the reading (upper case only grows). Eight code units go at once where
// they are all ASCII, or all map one to one through the table. Returns where the writing began.
char16_t *upperBackInto(const char16_t *text, qsizetype from, qsizetype to, char16_t *outEnd)
{
    const char16_t *simple = simpleUpper();
    qsizetype i = to;
    char16_t *out = outEnd;
    while (i > from) {
        if (i - kLanes >= from) {
            Lanes lanes = lanesAt(text + i - kLanes);
            if (!anyAtLeast(lanes, 0x80)) {
                i -= kLanes;
                out -= kLanes;
                lanes = asciiUpper(lanes);
                std::memcpy(out, &lanes, sizeof lanes);
                continue;
            }
            // Through a copy: the writing may overlap the eight just read.
            char16_t units[kLanes];
            std::memcpy(units, &lanes, sizeof units);
            bool special = false;
            for (char16_t &unit : units) {
                unit = simple[unit];
                special |= unit == kSpecial;
            }
            if (!special) {
                i -= kLanes;
                out -= kLanes;
                std::memcpy(out, units, sizeof units);
                continue;
            }
        }
        // One code unit (or pair) at a time, for these eight or what is left.
        for (const qsizetype stop = qMax(from, i - kLanes); i > stop;) {
            const char16_t c = text[--i];
            if (QChar::isLowSurrogate(c) && i > from && QChar::isHighSurrogate(text[i - 1])) {
                const char32_t ucs4 = QChar::surrogateToUcs4(text[--i], c);
                // Above the last cased script of the supplementary planes lie emoji, symbols and CJK.
                const char32_t upper = ucs4 < 0x1F000 ? QChar::toUpper(ucs4) : ucs4;
                *--out = QChar::lowSurrogate(upper);
                *--out = QChar::highSurrogate(upper);
            } else if (const QString *longer = mayUpperLonger(c) ? longerUpper(c) : nullptr) {
                out -= longer->size();
                std::memcpy(out, longer->constData(), size_t(longer->size()) * sizeof(char16_t));
            } else {
                // A lone surrogate stays as it is.
                *--out = simple[c] == kSpecial ? c : simple[c];
            }
        }
    }
    return out;
}

// Upper case by Unicode's full mapping. The locale's own rules differ from it only in Turkish and Azeri
// (i → İ), Lithuanian (dots) and Greek (accents): those go to the locale whole. Elsewhere a code unit at a
// time gives the same, many times faster. A long text goes in two halves at once, each measured first for
// the letters that grow (ß → SS) and written backwards.
// A text nobody else holds is written over in its own buffer where nothing grows; where something does,
// only a buffer past 32 MiB (glibc's own mapping, which grows without a copy) is grown at its end, as a
// smaller one may have to be copied whole to grow. Otherwise the result goes into a new buffer (a shared
// text would be copied before a single letter were written). In the buffer grown, the first half's result
// reaches into the start of the second half, which the second reads last: from a copy.
QString upperCase(QString text, const QLocale &locale)
{
    const QLocale::Language language = locale.language();
    if (language == QLocale::Turkish || language == QLocale::Azerbaijani || language == QLocale::Lithuanian ||
        language == QLocale::Greek)
        return locale.toUpper(text);
    const qsizetype n = text.size();
    const auto *in = reinterpret_cast<const char16_t *>(text.constData());
    constexpr qsizetype kParallelFrom = 256 * 1024;
    // A cut moved past the low half of a surrogate pair, so that the pair stays whole.
    const auto afterPair = [in, n](qsizetype at) {
        return at > 0 && at < n && QChar::isLowSurrogate(in[at]) && QChar::isHighSurrogate(in[at - 1]) ? at + 1 : at;
    };
    const qsizetype middle = n >= kParallelFrom && std::thread::hardware_concurrency() >= 2 ? afterPair(n / 2) : n;
    qsizetype secondGrowth = 0;
    std::thread measuring;
    if (middle < n)
        measuring = std::thread([&] { secondGrowth = upperGrowth(in + middle, n - middle); });
    const qsizetype firstGrowth = upperGrowth(in, middle);
    if (measuring.joinable())
        measuring.join();
    const qsizetype size = n + firstGrowth + secondGrowth;
    const bool inPlace = text.isDetached() && (size == n || n * qsizetype(sizeof(char16_t)) > 32 * 1024 * 1024);
    const qsizetype copied = inPlace ? afterPair(qMin(middle + firstGrowth, n)) : middle;
    const std::u16string head(in + middle, in + copied);
    QString result = inPlace ? std::move(text) : QString(size, Qt::Uninitialized);
    result.resize(size);
    auto *out = reinterpret_cast<char16_t *>(result.data());
    // Grown, the text's own buffer may have moved.
    const char16_t *source = inPlace ? out : in;
    std::thread second;
    if (middle < n) {
        second = std::thread([=, &head] {
            char16_t *rest = upperBackInto(source, copied, n, out + size);
            upperBackInto(head.data(), 0, qsizetype(head.size()), rest);
        });
    }
    upperBackInto(source, 0, middle, out + middle + firstGrowth);
    if (second.joinable())
        second.join();
    return result;
}

} // namespace

QString changeCase(QString text, Case to, const QLocale &locale)
{
    switch (to) {
    case Case::upper:
        return upperCase(std::move(text), locale);
    case Case::lower:
        return locale.toLower(text);
    case Case::title: {
        QString out;
        out.reserve(text.size());
        qsizetype copied = 0;
        forEachWord(text, [&](qsizetype start, QStringView word) {
            out += QStringView(text).sliced(copied, start - copied);
            out += titled(word, locale);
            copied = start + word.size();
        });
        out += QStringView(text).sliced(copied);
        return out;
    }
    case Case::camel:
    case Case::snake:
    case Case::kebab: {
        std::vector<QString> converted;
        for (QStringView line : TextToolsService::lines(text))
            converted.push_back(identifier(line, to, locale));
        return joined(std::vector<QStringView>(converted.begin(), converted.end()), u"\n");
    }
    }
    return text;
}

Cleaned cleanInvisibles(const QString &text)
{
    Cleaned cleaned;
    QString &out = cleaned.text;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case 0x200B:
            ++cleaned.zeroWidthSpaces;
            continue;
        case 0x200D: {
            // A joiner stays where it joins: between emoji (a family, a profession), or after a virama (a
            // conjunct's half form).
            const char32_t before = codePointBefore(text, i), after = codePointAt(text, i + 1);
            const bool inEmoji =
                (isPictographic(before) || before == 0xFE0F || (before >= 0xE0020 && before <= 0xE007F)) &&
                isPictographic(after);
            if (inEmoji || QChar::combiningClass(before) == 9)
                break;
            ++cleaned.joiners;
            continue;
        }
        case 0x2060:
            ++cleaned.joiners;
            continue;
        case 0x00AD:
            ++cleaned.softHyphens;
            continue;
        case 0xFEFF:
            ++cleaned.byteOrderMarks;
            continue;
        case 0x061C:
        case 0x200E:
        case 0x200F:
        case 0x202A:
        case 0x202B:
        case 0x202C:
        case 0x202D:
        case 0x202E:
        case 0x2066:
        case 0x2067:
        case 0x2068:
        case 0x2069:
            ++cleaned.bidiControls;
            continue;
        case 0x00A0:
        case 0x1680:
        case 0x202F:
        case 0x205F:
        case 0x3000:
            ++cleaned.spaces;
            out += QLatin1Char(' ');
            continue;
        case 0x2018:
        case 0x2019:
        case 0x201A:
        case 0x201B:
            ++cleaned.quotes;
            out += QLatin1Char('\'');
            continue;
        case 0x201C:
        case 0x201D:
        case 0x201E:
        case 0x201F:
            ++cleaned.quotes;
            out += QLatin1Char('"');
            continue;
        default:
            if (c >= 0x2000 && c <= 0x200A) {
                ++cleaned.spaces;
                out += QLatin1Char(' ');
                continue;
            }
        }
        out += text[i];
    }
    return cleaned;
}

Counts count(QStringView text)
{
    Counts counts;
    if (text.isEmpty())
        return counts;
    counts.characters = TextToolsService::characterCount(text);
    forEachWord(text, [&counts](qsizetype, QStringView) { ++counts.words; });
    counts.lines = text.count(u'\n') + (text.endsWith(u'\n') ? 0 : 1);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            counts.utf8Bytes += 4;
            ++i;
        } else {
            // A lone surrogate is written as U+FFFD, three bytes.
            counts.utf8Bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        }
    }
    return counts;
}

} // namespace TextTransforms
