#pragma once

// The text operations written the slow, obvious way: whole lines as strings, whole characters as strings,
// the collator's own comparison. The fast paths must agree with these on every input.

#include "core/text/Characters.h"
#include "core/text/TextToolsService.h"

#include <QCollator>
#include <QSet>
#include <QStringList>

#include <algorithm>

namespace TextToolsReference {

inline QStringList lines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

inline QString nfc(QStringView text)
{
    return text.toString().normalized(QString::NormalizationForm_C);
}

inline QString strip(const QString &text, const QString &characters)
{
    if (characters.isEmpty())
        return text;
    QSet<QString> set;
    for (QStringView c : Characters::split(characters))
        set.insert(nfc(c));
    QString out;
    for (QStringView c : Characters::split(text)) {
        if (!set.contains(nfc(c)))
            out += c;
    }
    return out;
}

inline QString trim(const QString &text)
{
    // By hand: a regular expression matches nothing in a text with a lone surrogate.
    QStringList out;
    for (const QString &line : lines(text)) {
        QString collapsed;
        for (QChar c : line) {
            const bool blank = c == u' ' || c == u'\t';
            if (!blank || !collapsed.endsWith(u' '))
                collapsed += blank ? QChar(u' ') : c;
        }
        if (collapsed.endsWith(u' '))
            collapsed.chop(1);
        out.append(collapsed);
    }
    return out.join(u'\n');
}

inline bool isBlank(const QString &line)
{
    return std::all_of(line.begin(), line.end(),
                       [](QChar c) { return c == u'\t' || c.category() == QChar::Separator_Space; });
}

inline QString removeBlankLines(const QString &text)
{
    QStringList out = lines(text);
    out.removeIf(isBlank);
    return out.join(u'\n');
}

inline QString dedupeLines(const QString &text)
{
    QSet<QString> seen;
    QStringList out;
    for (const QString &line : lines(text)) {
        if (!seen.contains(nfc(line))) {
            seen.insert(nfc(line));
            out.append(line);
        }
    }
    return out.join(u'\n');
}

inline QString sort(const QString &text, TextToolsService::SortOrder order, const QCollator &collator)
{
    using TextToolsService::SortOrder;
    QStringList out = lines(text);
    std::stable_sort(out.begin(), out.end(), [&](const QString &a, const QString &b) {
        switch (order) {
        case SortOrder::alphabetical:
            return collator.compare(a, b) < 0;
        case SortOrder::reverseAlphabetical:
            return collator.compare(a, b) > 0;
        case SortOrder::byLength:
            return Characters::count(a) < Characters::count(b);
        }
        return false;
    });
    return out.join(u'\n');
}

// Digits by value, then the A→Z rule: the collators' own comparisons, one pair of lines at a time.
inline QString naturalSort(const QString &text, bool descending, const QCollator &alphabetical)
{
    QCollator numeric{alphabetical.locale().language() == QLocale::C ? QLocale(QLocale::English)
                                                                     : alphabetical.locale()};
    numeric.setCaseSensitivity(Qt::CaseInsensitive);
    numeric.setNumericMode(true);
    QStringList out = lines(text);
    std::stable_sort(out.begin(), out.end(), [&](const QString &a, const QString &b) {
        int c = numeric.compare(a, b);
        if (c == 0 && !a.isEmpty() && !b.isEmpty())
            c = alphabetical.compare(a, b);
        else if (a.isEmpty() || b.isEmpty())
            c = a.isEmpty() && !b.isEmpty() ? -1 : (b.isEmpty() && !a.isEmpty() ? 1 : 0);
        return descending ? c > 0 : c < 0;
    });
    return out.join(u'\n');
}

inline QString reverseLines(const QString &text)
{
    QStringList out = lines(text);
    std::reverse(out.begin(), out.end());
    return out.join(u'\n');
}

} // namespace TextToolsReference
