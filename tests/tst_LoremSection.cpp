#include "Controls.h"
#include "TestHome.h"
#include "TestMain.h"

#include "sections/text/LoremSection.h"
#include "widgets/SegmentedControl.h"

using LoremService::Unit;

namespace {

struct Fixture {
    NotifyLog log;
    LoremSection section{log.callback()};
    Fixture()
    {
        section.resize(276, 400);
        section.show();
    }
    QAbstractButton *segment(const QString &name) const { return control<QAbstractButton>(&section, name); }
    QAbstractButton *decrement() const { return control<QAbstractButton>(&section, QStringLiteral("Decrease count")); }
    QAbstractButton *increment() const { return control<QAbstractButton>(&section, QStringLiteral("Increase count")); }
    QString countLabel() const
    {
        for (QLabel *label : section.findChildren<QLabel *>()) {
            if (label->text().contains(QRegularExpression(QStringLiteral("^\\d+ "))))
                return label->text();
        }
        return {};
    }
    QString preview() const { return section.findChild<QPlainTextEdit *>()->toPlainText(); }
};

} // namespace

class tst_LoremSection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stepperBounds()
    {
        Fixture f;
        QTest::mouseClick(f.segment(QStringLiteral("Words")), Qt::LeftButton);
        QTest::mouseClick(f.decrement(), Qt::LeftButton);
        QCOMPARE(f.countLabel(), QStringLiteral("1 Word"));
        QVERIFY(f.preview().contains(QRegularExpression(QStringLiteral("^[A-Z][a-z]*\\.$"))));
        QVERIFY(!f.decrement()->isEnabled());
        QTest::mouseClick(f.decrement(), Qt::LeftButton);
        QCOMPARE(f.section.count(), 1);

        for (int i = 0; i < 60; ++i)
            QTest::mouseClick(f.increment(), Qt::LeftButton);
        QCOMPARE(f.section.count(), 50);
        QCOMPARE(f.countLabel(), QStringLiteral("50 Words"));
        QVERIFY(!f.increment()->isEnabled());
        QVERIFY(f.decrement()->isEnabled());
        QCOMPARE(f.preview().split(QLatin1Char(' ')).size(), 50);
    }

    void unitChangeKeepsCountAndRegenerates_data()
    {
        columns<QString, QString, int>("segment", "label", "fullStops");
        testRow("words", "Words", "3 Words", 1);
        testRow("sentences", "Sentences", "3 Sentences", 3);
    }

    void unitChangeKeepsCountAndRegenerates()
    {
        auto [segment, label, fullStops] = fetch<QString, QString, int>("segment", "label", "fullStops");
        Fixture f;
        QTest::mouseClick(f.increment(), Qt::LeftButton);
        const QString before = f.preview();
        QTest::mouseClick(f.segment(segment), Qt::LeftButton);
        QCOMPARE(f.countLabel(), label);
        QVERIFY(f.preview() != before);
        QCOMPARE(f.preview().count(QLatin1Char('.')), fullStops);
        QVERIFY(!f.preview().contains(QLatin1Char('\n')));
        QVERIFY(f.log.messages.isEmpty());
    }

    // The banner names the raw unit whatever the count: "Copied 1 words".
    void copy_data()
    {
        columns<QString, int, QString>("segment", "steps", "message");
        QTest::newRow("1 words") << "Words" << -1 << "Copied 1 words";
        QTest::newRow("2 paragraphs") << "Paragraphs" << 0 << "Copied 2 paragraphs";
        QTest::newRow("5 sentences") << "Sentences" << 3 << "Copied 5 sentences";
    }

    void copy()
    {
        auto [segment, steps, message] = fetch<QString, int, QString>("segment", "steps", "message");
        Fixture f;
        QTest::mouseClick(f.segment(segment), Qt::LeftButton);
        for (int i = 0; i < qAbs(steps); ++i)
            QTest::mouseClick(steps < 0 ? f.decrement() : f.increment(), Qt::LeftButton);
        // Regenerate replaces the text silently; Copy takes what shows.
        const QString before = f.preview();
        QTest::mouseClick(control<QAbstractButton>(&f.section, QStringLiteral("Regenerate")), Qt::LeftButton);
        QVERIFY(f.preview() != before && f.log.messages.isEmpty());
        QTest::mouseClick(control<QAbstractButton>(&f.section, QStringLiteral("Copy")), Qt::LeftButton);
        QCOMPARE(clipboardText(), f.preview());
        QCOMPARE(f.log.messages, QStringList{message});
    }
};

TESSELLON_TEST(tst_LoremSection)
#include "tst_LoremSection.moc"
