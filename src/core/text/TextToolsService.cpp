#include "core/text/TextToolsService.h"

#include "core/text/Characters.h"

#include <QCollator>
#include <QHash>
#include <QSet>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <thread>
#include <unordered_set>
#include <vector>

namespace TextToolsService {

namespace {

// Below U+0300 there are no combining marks and no surrogates: every code unit is a whole character, and
// a text made only of such code units is already in its composed (NFC) form.
constexpr char16_t kFirstCombining = 0x300;

// The lines of a text as views into it, without copying it: a line ends at a line feed, a "\r" right
// before that feed belongs to the break ("\r\n" counts as "\n"), and a final line feed ends the last line
// rather than starting an empty one. A lone "\r" stays inside its line.
std::vector<QStringView> splitLines(QStringView text)
{
    // A long text is cut after a line feed near its middle, and each half split on a core of its own.
    constexpr qsizetype kParallelFrom = 4 * 1024 * 1024;
    if (const qsizetype middle = text.size() >= kParallelFrom ? text.indexOf(u'\n', text.size() / 2) : -1;
        middle >= 0 && middle + 1 < text.size() && std::thread::hardware_concurrency() >= 2) {
        std::vector<QStringView> second;
        std::thread secondHalf([&] { second = splitLines(text.sliced(middle + 1)); });
        std::vector<QStringView> lines = splitLines(text.first(middle + 1));
        secondHalf.join();
        lines.insert(lines.end(), second.begin(), second.end());
        return lines;
    }
    std::vector<QStringView> lines;
    // A guess at the count rather than a pass to count them: QStringView::count() reads a character at a
    // time, slower than finding the breaks; a text of longer lines wastes little, a shorter one grows.
    lines.reserve(size_t(text.size() / 32) + 1);
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(u'\n', start);
        if (end < 0) {
            lines.push_back(text.sliced(start));
            break;
        }
        QStringView line = text.sliced(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        lines.push_back(line);
        start = end + 1;
        if (start == text.size())
            break;
    }
    return lines;
}

// Per code point facts, worked out once per distinct code point of a text (most texts use few).
class CodePointFacts
{
public:
    enum : quint8 {
        Known = 1,
        // Between any two such code points there is a character boundary: each one is a whole character.
        Separate = 2,
        // In composed form already, and never composes with what precedes it.
        Composed = 4,
    };

    CodePointFacts() : m_bmp(0x10000, 0) {}

    quint8 of(char32_t c)
    {
        quint8 &slot = c < 0x10000 ? m_bmp[c] : m_astral[c];
        if (!slot)
            slot = compute(c);
        return slot;
    }

    // Whether every code point of the text has all the flags.
    bool all(QStringView text, quint8 flags)
    {
        const qsizetype n = text.size();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t unit = text[i].unicode();
            if (unit < kFirstCombining)
                continue;
            char32_t c = unit;
            if (QChar::isHighSurrogate(unit) && i + 1 < n && text[i + 1].isLowSurrogate())
                c = QChar::surrogateToUcs4(unit, text[++i].unicode());
            if ((of(c) & flags) != flags)
                return false;
        }
        return true;
    }

private:
    static quint8 compute(char32_t c)
    {
        const QString alone = Characters::fromCodePoint(c);
        quint8 flags = Known;
        if (Characters::standsAlone(c))
            flags |= Separate;
        const QChar::Category category = QChar::category(c);
        const bool hangulVowelOrTrail = (c >= 0x1160 && c <= 0x11FF) || (c >= 0xD7B0 && c <= 0xD7FF);
        if (alone.normalized(QString::NormalizationForm_C) == alone && QChar::combiningClass(c) == 0 &&
            category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining &&
            category != QChar::Mark_Enclosing && !hangulVowelOrTrail)
            flags |= Composed;
        return flags;
    }

    std::vector<quint8> m_bmp;
    QHash<char32_t, quint8> m_astral;
};

// The first code point of a text.
char32_t firstCodePoint(QStringView text)
{
    if (text.isEmpty())
        return 0;
    if (text.size() > 1 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate())
        return QChar::surrogateToUcs4(text.at(0), text.at(1));
    return text.at(0).unicode();
}

// Moves `length` characters from `from` down to `to` within one buffer (to <= from).
inline void moveDown(QChar *to, const QChar *from, qsizetype length)
{
    if (to == from || length <= 0)
        return;
    // The pieces between stripped characters are mostly a few letters long, where a call costs more than
    // the copy; a forward copy is safe as the text only ever moves down.
    if (length <= 32) {
        for (qsizetype i = 0; i < length; ++i)
            to[i] = from[i];
        return;
    }
    std::memmove(static_cast<void *>(to), from, size_t(length) * sizeof(QChar));
}

// Removes whole characters found in a set, comparing canonically equivalent spellings as equal; writes
// the result over the text's own buffer, which never needs to grow.
//
// Cutting a 20 MB text into grapheme clusters is slow, and nearly every character sits between plain ASCII
// neighbours, where cluster boundaries follow from the character alone. So each line is first scanned code
// point by code point, looking only at code points that could begin a match; only a line where such a code
// point touches a non-ASCII neighbour is cut into clusters.
class Stripper
{
public:
    explicit Stripper(const QString &characters) : m_bmp(0x10000, 0)
    {
        for (QStringView character : Characters::split(characters)) {
            const QString cluster = character.toString();
            m_targets.insert(cluster.normalized(QString::NormalizationForm_C));
            const QString decomposed = cluster.normalized(QString::NormalizationForm_D);
            const char32_t key = firstCodePoint(decomposed);
            m_keys.insert(key);
            // A character that begins with a combining mark can be spelt with its marks in another order,
            // so any of them may come first; and only a full cut into clusters finds those.
            if (QChar::combiningClass(key) != 0) {
                for (char32_t mark : decomposed.toUcs4())
                    m_keys.insert(mark);
                m_needsClusters = true;
            }
        }
        // The ASCII code units the line scan must stop at: a line feed, and whatever could begin a match.
        for (char16_t unit = 0; unit < 0x80; ++unit)
            m_asciiStops[unit] = unit == u'\n' || (info(unit) & Interesting);
    }

    // Strips buffer[from, n) in place, `from` at the start of a line; returns where what is left ends.
    qsizetype apply(QChar *buffer, qsizetype from, qsizetype n)
    {
        m_buffer = buffer;
        m_dst = buffer + from;
        qsizetype lineStart = from;
        while (lineStart < n) {
            if (m_needsClusters) {
                // A line at a time: no character reaches past a line feed.
                const qsizetype feed = QStringView(buffer + lineStart, n - lineStart).indexOf(u'\n');
                const qsizetype lineEnd = feed < 0 ? n : lineStart + feed + 1;
                stripClusters(lineStart, lineEnd);
                lineStart = lineEnd;
            } else {
                lineStart = stripLine(lineStart, n);
            }
        }
        return m_dst - buffer;
    }

private:
    enum : quint8 {
        Known = 1,
        Interesting = 2, // could begin a match: its decomposition starts like a target's
        Target = 4,      // alone, it is (canonically) one of the targets
        Separate = 8,    // a whole character next to any other such code point
        // A cluster boundary always lies between it and a plain ASCII character after it (it is no prefix).
        EndsBeforeAscii = 16,
        // One always lies between a plain ASCII character and it (it extends nothing and joins nothing).
        StartsAfterAscii = 32,
    };

    quint8 info(char32_t c)
    {
        quint8 &slot = c < 0x10000 ? m_bmp[c] : m_astral[c];
        if (!slot)
            slot = computeInfo(c);
        return slot;
    }

    quint8 computeInfo(char32_t c)
    {
        const QString alone = Characters::fromCodePoint(c);
        quint8 flags = Known;
        if (m_keys.contains(firstCodePoint(alone.normalized(QString::NormalizationForm_D))))
            flags |= Interesting;
        if (m_targets.contains(alone.normalized(QString::NormalizationForm_C)))
            flags |= Target;
        if (m_facts.of(c) & CodePointFacts::Separate)
            flags |= Separate;
        const auto boundaryAt = [](const QString &text, qsizetype at) {
            QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
            finder.setPosition(at);
            return finder.isAtBoundary();
        };
        if (boundaryAt(alone + u'x', alone.size()))
            flags |= EndsBeforeAscii;
        if (boundaryAt(u'x' + alone, 1))
            flags |= StartsAfterAscii;
        return flags;
    }

    // The code point that starts at `at`, or the one that ends just before it.
    static char32_t codePointAt(const QChar *in, qsizetype n, qsizetype at)
    {
        const char16_t unit = in[at].unicode();
        return QChar::isHighSurrogate(unit) && at + 1 < n && in[at + 1].isLowSurrogate()
                   ? QChar::surrogateToUcs4(unit, in[at + 1].unicode())
                   : unit;
    }
    static char32_t codePointBefore(const QChar *in, qsizetype lineStart, qsizetype at)
    {
        const char16_t unit = in[at - 1].unicode();
        return QChar::isLowSurrogate(unit) && at - 2 >= lineStart && in[at - 2].isHighSurrogate()
                   ? QChar::surrogateToUcs4(in[at - 2].unicode(), unit)
                   : unit;
    }

    // Whether the code point that starts at `at` (or ends just before it) is separate.
    bool isSeparateAt(const QChar *in, qsizetype n, qsizetype at)
    {
        const char16_t unit = in[at].unicode();
        return unit < 0x80 ? unit != u'\r' : bool(info(codePointAt(in, n, at)) & Separate);
    }

    bool isSeparateBefore(const QChar *in, qsizetype lineStart, qsizetype at)
    {
        const char16_t unit = in[at - 1].unicode();
        return unit < 0x80 ? unit != u'\r' : bool(info(codePointBefore(in, lineStart, at)) & Separate);
    }

    void keep(qsizetype from, qsizetype length)
    {
        moveDown(m_dst, m_buffer + from, length);
        m_dst += length;
    }

    // Exact: cuts [from, to) into clusters; both ends must be cluster boundaries. Nothing of the range may
    // have been overwritten yet (the output never runs ahead of the input).
    void stripClusters(qsizetype from, qsizetype to)
    {
        Characters::ends(QStringView(m_buffer + from, to - from), m_ends);
        qsizetype start = 0;
        for (qsizetype end : m_ends) {
            const QStringView cluster(m_buffer + from + start, end - start);
            const bool drop = (info(firstCodePoint(cluster)) & Interesting) &&
                              m_targets.contains(cluster.toString().normalized(QString::NormalizationForm_C));
            if (!drop)
                keep(from + start, end - start);
            start = end;
        }
    }

    // Strips the line that starts at lineStart, its line feed included (a cluster always begins at a line's
    // start and ends at its end), and returns where the next line starts.
    qsizetype stripLine(qsizetype lineStart, qsizetype n)
    {
        const QChar *in = m_buffer;
        m_drops.clear();
        qsizetype i = lineStart;
        for (;;) {
            // The common case first: a run of plain ASCII that cannot start a match.
            while (i < n && in[i].unicode() < 0x80 && !m_asciiStops[in[i].unicode()])
                ++i;
            if (i == n)
                break;
            const char16_t unit = in[i].unicode();
            if (unit == u'\n' && !(info(unit) & Interesting)) {
                ++i;
                break;
            }
            const char32_t c = codePointAt(in, n, i);
            const qsizetype length = QChar::requiresSurrogates(c) ? 2 : 1;
            const quint8 flags = info(c);
            if (!(flags & Interesting)) {
                i += length;
                continue;
            }
            // "\r\n" is one character of its own.
            if (unit == u'\r' && i + 1 < n && in[i + 1] == u'\n') {
                if (m_targets.contains(QStringLiteral("\r\n")))
                    m_drops.push_back({i, 2});
                i += 2;
                break;
            }
            if (unit == u'\n' && i > lineStart && in[i - 1] == u'\r') {
                ++i;
                break;
            }
            // A cluster boundary lies before a code point at the line's start or after a line break, and
            // between two separate code points; one lies after it at a line break or the text's end.
            // Around a plain ASCII character (no line break here) the neighbours alone decide: whether the one
            // before is a prefix, whether the one after extends or joins.
            const bool ascii = unit < 0x80;
            const bool separate = flags & Separate;
            const bool boundaryBefore =
                i == lineStart || in[i - 1] == u'\r' ||
                (ascii ? in[i - 1].unicode() < 0x80 || (info(codePointBefore(in, lineStart, i)) & EndsBeforeAscii)
                       : separate && isSeparateBefore(in, lineStart, i));
            const bool boundaryAfter =
                i + length == n || in[i + length] == u'\n' || in[i + length] == u'\r' ||
                (ascii ? in[i + length].unicode() < 0x80 || (info(codePointAt(in, n, i + length)) & StartsAfterAscii)
                       : separate && isSeparateAt(in, n, i + length));
            if (!boundaryBefore || !boundaryAfter) {
                // Only a proper cut of this line into clusters tells.
                const qsizetype feed = QStringView(in + i, n - i).indexOf(u'\n');
                const qsizetype lineEnd = feed < 0 ? n : i + feed + 1;
                stripClusters(lineStart, lineEnd);
                return lineEnd;
            }
            if (flags & Target)
                m_drops.push_back({i, length});
            i += length;
            if (unit == u'\n')
                break;
        }
        qsizetype from = lineStart;
        for (const auto &[at, length] : m_drops) {
            keep(from, at - from);
            from = at + length;
        }
        keep(from, i - from);
        return i;
    }

    QSet<QString> m_targets;
    QSet<char32_t> m_keys;
    bool m_needsClusters = false;
    std::vector<quint8> m_bmp;
    QHash<char32_t, quint8> m_astral;
    std::vector<std::pair<qsizetype, qsizetype>> m_drops;
    std::vector<qsizetype> m_ends;
    std::array<bool, 0x80> m_asciiStops{};
    CodePointFacts m_facts;

    QChar *m_buffer = nullptr;
    QChar *m_dst = nullptr;
};

// Horizontal whitespace: tab and the space separators (no line breaks among them).
bool isBlank(QStringView line)
{
    for (QChar c : line) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t')
            continue;
        if (u < 0x80 || c.category() != QChar::Separator_Space)
            return false;
    }
    return true;
}

// Rewrites a text line by line into its own buffer, keeping the lines that `keepLine` accepts: the shape
// shared by the operations that only drop lines. `keepLine` sees each line where it now stands in the
// output, so it may keep views of kept lines.
template <typename KeepLine>
QString filterLines(QString text, KeepLine keepLine)
{
    QChar *buffer = text.data();
    const std::vector<QStringView> lines = splitLines(QStringView(buffer, text.size()));
    QChar *dst = buffer;
    bool first = true;
    for (QStringView line : lines) {
        // Moved before it is judged: the output never overtakes the lines still to read.
        QChar *lineAt = dst + (first ? 0 : 1);
        moveDown(lineAt, line.data(), line.size());
        const QStringView moved(lineAt, line.size());
        if (!keepLine(moved))
            continue;
        if (!first)
            *dst = u'\n';
        dst = lineAt + line.size();
        first = false;
    }
    text.truncate(dst - buffer);
    return text;
}

struct ViewHash {
    size_t operator()(QStringView view) const noexcept { return qHash(view); }
};

// Writes the lines in the given order into `out`, which holds room for them all.
QString joinInOrder(const std::vector<QStringView> &lines, const std::vector<quint32> &order, QString out)
{
    QChar *dst = out.data();
    bool first = true;
    for (quint32 index : order) {
        if (!first)
            *dst++ = u'\n';
        first = false;
        const QStringView line = lines[index];
        // Not memcpy: an empty line of a null text has no data at all, which memcpy may not be given.
        dst = std::copy(line.begin(), line.end(), dst);
    }
    out.truncate(dst - out.constData());
    return out;
}

// The sort every order uses: stable, with the two halves sorted on both cores and then merged (a merge
// that prefers the first half on ties stays stable).
template <typename Less>
void stableSort(std::vector<quint32> &order, Less less)
{
    if (order.size() < 20000) {
        std::stable_sort(order.begin(), order.end(), less);
        return;
    }
    const auto middle = order.begin() + qsizetype(order.size() / 2);
    std::thread firstHalf([&] { std::stable_sort(order.begin(), middle, less); });
    std::stable_sort(middle, order.end(), less);
    firstHalf.join();
    std::inplace_merge(order.begin(), middle, order.end(), less);
}

// Each code point of the text case-folded (simple folding, which keeps every code point in its plane, so
// the text keeps its length); a lone surrogate stays as it is. This is the folding the C locale's collator
// applies as it compares.
QString foldCodePoints(const QString &text)
{
    QString folded(text.size(), Qt::Uninitialized);
    const QChar *in = text.constData();
    QChar *out = folded.data();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t unit = in[i].unicode();
        if (unit < 0x80) {
            out[i] = unit >= u'A' && unit <= u'Z' ? QChar(char16_t(unit + 0x20)) : in[i];
        } else if (QChar::isHighSurrogate(unit) && i + 1 < n && in[i + 1].isLowSurrogate()) {
            const char32_t c = QChar::toCaseFolded(QChar::surrogateToUcs4(unit, in[i + 1].unicode()));
            const bool samePlane = QChar::requiresSurrogates(c);
            out[i] = samePlane ? QChar(QChar::highSurrogate(c)) : in[i];
            out[i + 1] = samePlane ? QChar(QChar::lowSurrogate(c)) : in[i + 1];
            ++i;
        } else {
            out[i] = QChar(char16_t(QChar::toCaseFolded(char32_t(unit))));
        }
    }
    return folded;
}

// The C locale's collator compares folded texts code unit by code unit, except that a low surrogate after
// a high one weighs as the whole code point the two spell. Two keys differ first at one position with the
// same units before it, so that rule is needed only where they first differ.
bool cLocaleLess(QStringView a, QStringView b)
{
    const auto [atA, atB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (atB == b.end())
        return false;
    if (atA == a.end())
        return true;
    const qsizetype k = atA - a.begin();
    auto weight = [k](QStringView key) -> char32_t {
        const char16_t unit = key[k].unicode();
        if (k > 0 && key[k - 1].isHighSurrogate() && QChar::isLowSurrogate(unit))
            return QChar::surrogateToUcs4(key[k - 1].unicode(), unit);
        return unit;
    };
    return weight(a) < weight(b);
}

QString sortAlphabetically(const QString &text, bool descending, const QCollator &collator,
                           const QCollator *tieBreak = nullptr)
{
    const std::vector<QStringView> lines = splitLines(text);
    const size_t n = lines.size();
    std::vector<quint32> order(n);
    std::iota(order.begin(), order.end(), 0u);
    auto sortBy = [&](auto less) {
        if (descending)
            stableSort(order, [&](quint32 a, quint32 b) { return less(b, a); });
        else
            stableSort(order, less);
    };

    if (collator.locale().language() == QLocale::C) {
        // Fold the whole text once into the buffer that will hold the result: the keys are views into it,
        // and once sorted they are no longer needed.
        const bool fold = collator.caseSensitivity() == Qt::CaseInsensitive;
        QString buffer = fold ? foldCodePoints(text) : QString(text.constData(), text.size());
        const qptrdiff shift = buffer.constData() - text.constData();
        std::vector<QStringView> keys(n);
        for (size_t i = 0; i < n; ++i)
            keys[i] = QStringView(lines[i].data() + shift, lines[i].size());
        if (fold)
            sortBy([&](quint32 a, quint32 b) { return cLocaleLess(keys[a], keys[b]); });
        else
            sortBy([&](quint32 a, quint32 b) { return keys[a] < keys[b]; });
        return joinInOrder(lines, order, std::move(buffer));
    }
    // A collation key once per line, then cheap comparisons of the keys. The keys of an empty line and of
    // a line of ignorable characters (a zero-width space, a soft hyphen) are equal, but the collator's own
    // comparison puts the empty line first, and so does this.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(n);
    for (QStringView line : lines)
        keys.push_back(collator.sortKey(line.toString()));
    const auto less = [&](quint32 a, quint32 b) {
        if (lines[a].isEmpty() || lines[b].isEmpty())
            return lines[a].isEmpty() && !lines[b].isEmpty();
        return keys[a].compare(keys[b]) < 0;
    };
    sortBy(less);
    if (tieBreak) {
        // Lines the first collation finds equal ("file2", "file02"), few and side by side, by the second.
        for (size_t start = 0, end = 0; start < n; start = end) {
            for (end = start + 1; end < n && !less(order[start], order[end]) && !less(order[end], order[start]);)
                ++end;
            std::stable_sort(order.begin() + qsizetype(start), order.begin() + qsizetype(end),
                             [&](quint32 a, quint32 b) {
                                 const int c = tieBreak->compare(lines[a], lines[b]);
                                 return descending ? c > 0 : c < 0;
                             });
        }
    }
    return joinInOrder(lines, order, QString(text.size(), Qt::Uninitialized));
}

QCollator userCollator()
{
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    return collator;
}

qsizetype countCharacters(QStringView text, CodePointFacts &facts)
{
    // Most lines hold no code point that could join another: then every code point is a character.
    if (facts.all(text, CodePointFacts::Separate)) {
        qsizetype count = text.size();
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i].isHighSurrogate() && text[i + 1].isLowSurrogate())
                --count;
        }
        return count;
    }
    return Characters::count(text);
}

} // namespace

QString rawValue(SortOrder order)
{
    switch (order) {
    case SortOrder::alphabetical:
        return QStringLiteral("alphabetical");
    case SortOrder::reverseAlphabetical:
        return QStringLiteral("reverseAlphabetical");
    case SortOrder::byLength:
        return QStringLiteral("byLength");
    }
    return {};
}

std::optional<SortOrder> sortOrderFromRawValue(const QString &raw)
{
    for (SortOrder order : allSortOrders()) {
        if (rawValue(order) == raw)
            return order;
    }
    return std::nullopt;
}

const QList<SortOrder> &allSortOrders()
{
    static const QList<SortOrder> orders = {SortOrder::alphabetical, SortOrder::reverseAlphabetical,
                                            SortOrder::byLength};
    return orders;
}

qsizetype characterCount(QStringView text)
{
    CodePointFacts facts;
    return countCharacters(text, facts);
}

QString strip(QString text, const QString &characters)
{
    if (characters.isEmpty() || text.isEmpty())
        return text;
    QChar *buffer = text.data();
    const qsizetype n = text.size();
    // A long text is stripped in two halves at once, parted after a line feed (no character reaches past
    // one), each with a stripper of its own; the second half's rest then moves up to the first's.
    constexpr qsizetype kParallelFrom = 256 * 1024;
    const qsizetype middle =
        n >= kParallelFrom && std::thread::hardware_concurrency() >= 2 ? text.indexOf(u'\n', n / 2) + 1 : 0;
    if (middle <= 0 || middle >= n) {
        text.truncate(Stripper(characters).apply(buffer, 0, n));
        return text;
    }
    qsizetype secondEnd = middle;
    std::thread second([&] { secondEnd = Stripper(characters).apply(buffer, middle, n); });
    const qsizetype firstEnd = Stripper(characters).apply(buffer, 0, middle);
    second.join();
    std::memmove(buffer + firstEnd, buffer + middle, size_t(secondEnd - middle) * sizeof(QChar));
    text.truncate(firstEnd + secondEnd - middle);
    return text;
}

QString trim(QString text)
{
    if (text.isEmpty())
        return text;
    // Line handling first (it only shortens), then one pass: a run of spaces and tabs becomes one space,
    // written only once its line goes on after it; a run at the end of a line is the trailing space that
    // goes.
    text = filterLines(std::move(text), [](QStringView) { return true; });
    QChar *buffer = text.data();
    QChar *dst = buffer;
    bool pendingSpace = false;
    for (const QChar *c = buffer, *end = buffer + text.size(); c != end; ++c) {
        const char16_t u = c->unicode();
        if (u == u' ' || u == u'\t') {
            pendingSpace = true;
            continue;
        }
        if (pendingSpace && u != u'\n')
            *dst++ = u' ';
        pendingSpace = false;
        *dst++ = *c;
    }
    text.truncate(dst - buffer);
    return text;
}

QString removeBlankLines(QString text)
{
    return filterLines(std::move(text), [](QStringView line) { return !isBlank(line); });
}

QString dedupeLines(QString text)
{
    CodePointFacts facts;
    std::unordered_set<QStringView, ViewHash> seen;
    // Composed spellings of the lines that needed composing. A view into one stays valid as the vector
    // grows, since a QString's characters do not move with the QString.
    std::vector<QString> composed;
    return filterLines(std::move(text), [&](QStringView line) {
        QStringView key = line;
        if (!facts.all(line, CodePointFacts::Composed)) {
            composed.push_back(line.toString().normalized(QString::NormalizationForm_C));
            key = composed.back();
        }
        return seen.insert(key).second;
    });
}

QString sort(const QString &text, SortOrder order)
{
    return sort(text, order, userCollator());
}

std::vector<QStringView> lines(QStringView text)
{
    return splitLines(text);
}

QString naturalSort(const QString &text, bool descending)
{
    const QCollator alphabetical = userCollator();
    // Numbers by value take the locale's collation: the C locale's plain comparison of units has none.
    QCollator numeric{alphabetical.locale().language() == QLocale::C ? QLocale(QLocale::English)
                                                                     : alphabetical.locale()};
    numeric.setCaseSensitivity(Qt::CaseInsensitive);
    numeric.setNumericMode(true);
    return sortAlphabetically(text, descending, numeric, &alphabetical);
}

QString sort(const QString &text, SortOrder order, const QCollator &collator)
{
    switch (order) {
    case SortOrder::alphabetical:
        return sortAlphabetically(text, false, collator);
    case SortOrder::reverseAlphabetical:
        return sortAlphabetically(text, true, collator);
    case SortOrder::byLength: {
        const std::vector<QStringView> lines = splitLines(text);
        CodePointFacts facts;
        std::vector<qsizetype> lengths(lines.size());
        for (size_t i = 0; i < lines.size(); ++i)
            lengths[i] = countCharacters(lines[i], facts);
        std::vector<quint32> order(lines.size());
        std::iota(order.begin(), order.end(), 0u);
        stableSort(order, [&](quint32 a, quint32 b) { return lengths[a] < lengths[b]; });
        return joinInOrder(lines, order, QString(text.size(), Qt::Uninitialized));
    }
    }
    return text;
}

} // namespace TextToolsService
