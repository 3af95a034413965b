#include "TestMain.h"
#include "core/lorem/LoremService.h"

#include <climits>

using LoremService::Unit;
Q_DECLARE_METATYPE(LoremService::Unit)

namespace {

// One sentence: a capitalised list word, more lower-case words after single spaces, a full stop.
const QRegularExpression kSentence(QStringLiteral("[A-Z][a-z]*(?: [a-z]+)*\\."));

// Splits a paragraph into its sentences, failing on anything that is not "Sentence. Sentence.".
QStringList sentencesOf(const QString &paragraph)
{
    const QRegularExpression whole(QStringLiteral("^%1(?: %1)*$").arg(kSentence.pattern()));
    if (!whole.match(paragraph).hasMatch())
        return {};
    QStringList sentences;
    auto it = kSentence.globalMatch(paragraph);
    while (it.hasNext())
        sentences.append(it.next().captured());
    return sentences;
}

QStringList wordsOf(const QString &sentence)
{
    return sentence.chopped(1).toLower().split(QLatin1Char(' '));
}

} // namespace

class tst_LoremService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shape_data()
    {
        columns<Unit, int, int, int, int>("unit", "count", "paragraphs", "minSentencesPerParagraph",
                                          "maxSentencesPerParagraph");

        // For words, the "sentences per paragraph" is the single sentence holding exactly `count` words.
        QTest::newRow("0 words counts as 1") << Unit::words << 0 << 1 << 1 << 1;
        QTest::newRow("-7 words counts as 1") << Unit::words << -7 << 1 << 1 << 1;
        QTest::newRow("50 words") << Unit::words << 50 << 1 << 1 << 1;
        QTest::newRow("INT_MAX words stop at 50") << Unit::words << INT_MAX << 1 << 1 << 1;
        QTest::newRow("3 sentences") << Unit::sentences << 3 << 1 << 3 << 3;
        QTest::newRow("1 paragraph") << Unit::paragraphs << 1 << 1 << 3 << 6;
        QTest::newRow("50 paragraphs") << Unit::paragraphs << 50 << 50 << 3 << 6;
        QTest::newRow("INT_MAX paragraphs stop at 50") << Unit::paragraphs << INT_MAX << 50 << 3 << 6;
    }

    void shape()
    {
        auto [unit, count, paragraphs, minSentencesPerParagraph, maxSentencesPerParagraph] =
            fetch<Unit, int, int, int, int>("unit", "count", "paragraphs", "minSentencesPerParagraph",
                                            "maxSentencesPerParagraph");

        const QStringList words = LoremService::wordList();
        const QSet<QString> known(words.begin(), words.end());
        // Random output: look at enough draws to meet the bounds' edges more often than not.
        for (int round = 0; round < 40; ++round) {
            const QString text = LoremService::generate(unit, count);
            const QStringList parts = text.split(QStringLiteral("\n\n"));
            QCOMPARE(parts.size(), paragraphs);
            QCOMPARE(text.count(QLatin1Char('\n')), 2 * (paragraphs - 1));
            for (const QString &paragraph : parts) {
                const QStringList sentences = sentencesOf(paragraph);
                QVERIFY2(!sentences.isEmpty(), qPrintable(paragraph));
                QVERIFY(sentences.size() >= minSentencesPerParagraph);
                QVERIFY(sentences.size() <= maxSentencesPerParagraph);
                for (const QString &sentence : sentences) {
                    const QStringList sentenceWords = wordsOf(sentence);
                    if (unit == Unit::words) {
                        QCOMPARE(sentenceWords.size(), qBound(1, count, LoremService::kMaximumCount));
                    } else {
                        QVERIFY2(sentenceWords.size() >= 6 && sentenceWords.size() <= 14, qPrintable(sentence));
                    }
                    for (const QString &word : sentenceWords)
                        QVERIFY2(known.contains(word), qPrintable(word));
                }
            }
        }
    }

    // Sentence and paragraph lengths use their whole ranges, not a fixed length.
    void lengthsVary()
    {
        QSet<int> sentenceLengths;
        QSet<int> paragraphLengths;
        for (int round = 0; round < 300; ++round) {
            for (const QString &sentence : sentencesOf(LoremService::generate(Unit::sentences, 1)))
                sentenceLengths.insert(int(wordsOf(sentence).size()));
            paragraphLengths.insert(int(sentencesOf(LoremService::generate(Unit::paragraphs, 1)).size()));
        }
        QCOMPARE(sentenceLengths, QSet<int>({6, 7, 8, 9, 10, 11, 12, 13, 14}));
        QCOMPARE(paragraphLengths, QSet<int>({3, 4, 5, 6}));
        QVERIFY(LoremService::generate(Unit::paragraphs, 2) != LoremService::generate(Unit::paragraphs, 2));
    }
};

TESSELLON_TEST(tst_LoremService)
#include "tst_LoremService.moc"
