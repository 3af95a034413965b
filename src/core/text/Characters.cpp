#include "core/text/Characters.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace Characters {

namespace {

bool isLineBreak(char32_t c)
{
    return c == u'\n' || c == u'\r';
}

// Where the finder's tailoring applies: Indic, South-East Asian and Tibetan scripts and their relatives.
bool isTailoredRange(char32_t c)
{
    return (c >= 0x0900 && c < 0x1D00) || (c >= 0xA800 && c < 0xAB00) || (c >= 0x11000 && c < 0x12000);
}

// Code points that join whatever follows them (grapheme cluster break "Prepend").
bool isPrepend(char32_t c)
{
    return (c >= 0x0600 && c <= 0x0605) || c == 0x06DD || c == 0x070F || c == 0x0890 || c == 0x0891 || c == 0x08E2 ||
           c == 0x0D4E || c == 0x110BD || c == 0x110CD || c == 0x111C2 || c == 0x111C3 || c == 0x1193F ||
           c == 0x11941 || c == 0x11A3A || (c >= 0x11A84 && c <= 0x11A89) || c == 0x11D46 || c == 0x11F02;
}

// Common-script code points that still extend the character before them.
bool extendsPrevious(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        break;
    }
    const bool emojiModifier = c >= 0x1F3FB && c <= 0x1F3FF;
    const bool tag = c >= 0xE0020 && c <= 0xE007F;
    return emojiModifier || tag;
}

bool isRegionalIndicator(char32_t c)
{
    return c >= 0x1F1E6 && c <= 0x1F1FF;
}

// A boundary that holds in every script: line breaks (but not inside "\r\n"), and, once a tailored run has
// begun, before a common-script code point that nothing before it can extend.
bool certainBoundary(char32_t previous, char32_t c, bool tailoredRun)
{
    if (previous == u'\r' && c == u'\n')
        return false;
    if (isLineBreak(previous) || isLineBreak(c))
        return true;
    if (!tailoredRun || QChar::script(c) != QChar::Script_Common || extendsPrevious(c))
        return false;
    if (previous == 0x200D || isPrepend(previous))
        return false;
    return !(isRegionalIndicator(previous) && isRegionalIndicator(c));
}

// Appends the ends of the characters of one piece that starts at `offset` in the whole text.
void finderEnds(QStringView text, qsizetype offset, qsizetype length, std::vector<qsizetype> &ends)
{
    if (length == 1) {
        ends.push_back(offset + 1);
        return;
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.data() + offset, length);
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        const qsizetype at = offset + end;
        if (at < offset + length) {
            const bool insidePair = text[at - 1].isHighSurrogate() && text[at].isLowSurrogate();
            const bool insideCrLf = text[at - 1] == u'\r' && text[at] == u'\n';
            if (insidePair || insideCrLf)
                continue;
        }
        if (at > offset)
            ends.push_back(at);
    }
}

} // namespace

void ends(QStringView text, std::vector<qsizetype> &ends)
{
    ends.clear();
    const qsizetype n = text.size();
    qsizetype pieceStart = 0;
    bool tailoredRun = false;
    char32_t previous = 0;
    for (qsizetype i = 0; i < n;) {
        char32_t c = text[i].unicode();
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            length = 2;
        }
        if (i > pieceStart && certainBoundary(previous, c, tailoredRun)) {
            finderEnds(text, pieceStart, i - pieceStart, ends);
            pieceStart = i;
            tailoredRun = false;
        }
        tailoredRun = tailoredRun || isTailoredRange(c);
        previous = c;
        i += length;
    }
    if (n > pieceStart)
        finderEnds(text, pieceStart, n - pieceStart, ends);
}

std::vector<QStringView> split(QStringView text)
{
    std::vector<qsizetype> boundaries;
    ends(text, boundaries);
    std::vector<QStringView> characters;
    characters.reserve(boundaries.size());
    qsizetype start = 0;
    for (qsizetype end : boundaries) {
        characters.push_back(text.sliced(start, end - start));
        start = end;
    }
    return characters;
}

qsizetype count(QStringView text)
{
    std::vector<qsizetype> boundaries;
    ends(text, boundaries);
    return qsizetype(boundaries.size());
}

bool isBoundary(QStringView text, qsizetype at)
{
    if (at <= 0 || at >= text.size())
        return true;
    std::vector<qsizetype> boundaries;
    ends(text, boundaries);
    return std::binary_search(boundaries.begin(), boundaries.end(), at);
}

bool standsAlone(char32_t c)
{
    if (c == u'\r' || isTailoredRange(c) || QChar::isMark(c))
        return false;
    // Joining an ordinary letter on either side (joiners, prepended signs) or its own kind (regional
    // indicator pairs, Hangul jamo) is what makes a character of several code points.
    const QString alone = fromCodePoint(c);
    const QString around = QStringLiteral("a") + alone + QStringLiteral("a");
    const QString twice = alone + alone;
    return isBoundary(around, 1) && isBoundary(around, 1 + alone.size()) && isBoundary(twice, alone.size());
}

QString fromCodePoint(char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        const QChar pair[2] = {QChar(QChar::highSurrogate(c)), QChar(QChar::lowSurrogate(c))};
        return QString(pair, 2);
    }
    return QString(QChar(char16_t(c)));
}

} // namespace Characters
