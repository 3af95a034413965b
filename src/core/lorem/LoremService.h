#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Random lorem ipsum filler: a run of words, of sentences, or paragraphs.
namespace LoremService {

enum class Unit { words, sentences, paragraphs };

QString rawValue(Unit unit);
std::optional<Unit> unitFromRawValue(const QString &raw);
const QList<Unit> &allUnits();

// The most of any unit one call makes: what the lorem tab can ask for. A larger count is capped, so a
// caller's slip cannot make the process build gigabytes of text.
constexpr int kMaximumCount = 50;

// `count` below 1 counts as 1, above kMaximumCount as kMaximumCount. Words come from a fixed 95-entry list;
// every draw uses the system's secure random source, so the text is never reproducible and has no fixed
// opening.
QString generate(Unit unit, int count);

// The word list the text is drawn from, duplicates included (for tests).
const QStringList &wordList();

} // namespace LoremService
