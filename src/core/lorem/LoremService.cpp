#include "core/lorem/LoremService.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace LoremService {

namespace {

// Nine lines of the classic text. "enim" and "sunt" appear twice each and stay doubled in the list, so they
// come up twice as often as the other words.
constexpr const char *kLines[] = {
    "lorem ipsum dolor sit amet consectetur adipiscing elit sed do eiusmod",
    "tempor incididunt ut labore et dolore magna aliqua enim ad minim veniam",
    "quis nostrud exercitation ullamco laboris nisi aliquip ex ea commodo",
    "consequat duis aute irure in reprehenderit voluptate velit esse cillum",
    "fugiat nulla pariatur excepteur sint occaecat cupidatat non proident sunt",
    "culpa qui officia deserunt mollit anim id est laborum perspiciatis unde",
    "omnis iste natus error voluptatem accusantium doloremque laudantium totam",
    "rem aperiam eaque ipsa quae ab illo inventore veritatis quasi architecto",
    "beatae vitae dicta sunt explicabo nemo enim ipsam quia voluptas aspernatur",
};

// A uniform integer in [low, high], both inclusive.
int draw(int low, int high)
{
    return int(QRandomGenerator::system()->bounded(qint64(low), qint64(high) + 1));
}

QStringList randomWords(int n)
{
    const QStringList &words = wordList();
    QStringList picked;
    picked.reserve(n);
    for (int i = 0; i < n; ++i)
        picked.append(words.isEmpty() ? QStringLiteral("lorem") : words.at(draw(0, int(words.size()) - 1)));
    return picked;
}

QString capitalisedSentence(const QStringList &words)
{
    QString text = words.join(QLatin1Char(' '));
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text + QLatin1Char('.');
}

QString sentence()
{
    return capitalisedSentence(randomWords(draw(6, 14)));
}

QString sentences(int n)
{
    QStringList list;
    list.reserve(n);
    for (int i = 0; i < n; ++i)
        list.append(sentence());
    return list.join(QLatin1Char(' '));
}

} // namespace

QString rawValue(Unit unit)
{
    switch (unit) {
    case Unit::words:
        return QStringLiteral("words");
    case Unit::sentences:
        return QStringLiteral("sentences");
    case Unit::paragraphs:
        return QStringLiteral("paragraphs");
    }
    return {};
}

std::optional<Unit> unitFromRawValue(const QString &raw)
{
    for (Unit unit : allUnits()) {
        if (rawValue(unit) == raw)
            return unit;
    }
    return std::nullopt;
}

const QList<Unit> &allUnits()
{
    static const QList<Unit> units = {Unit::words, Unit::sentences, Unit::paragraphs};
    return units;
}

const QStringList &wordList()
{
    // Function-local static: built once, safely even if two threads get here first together.
    static const QStringList words = [] {
        QStringList lines;
        for (const char *line : kLines)
            lines.append(QString::fromLatin1(line));
        return lines.join(QLatin1Char('\n')).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    }();
    return words;
}

QString generate(Unit unit, int count)
{
    const int n = qBound(1, count, kMaximumCount);
    switch (unit) {
    case Unit::words:
        return capitalisedSentence(randomWords(n));
    case Unit::sentences:
        return sentences(n);
    case Unit::paragraphs: {
        QStringList paragraphs;
        paragraphs.reserve(n);
        for (int i = 0; i < n; ++i)
            paragraphs.append(sentences(draw(3, 6)));
        return paragraphs.join(QStringLiteral("\n\n"));
    }
    }
    return {};
}

} // namespace LoremService
