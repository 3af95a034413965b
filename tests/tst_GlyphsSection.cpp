#include "Controls.h"
#include "TestHome.h"
#include "TestMain.h"

#include "net/ClipboardService.h"
#include "sections/glyphs/GlyphTile.h"
#include "sections/glyphs/GlyphsSection.h"
#include "widgets/SegmentedControl.h"
#include "widgets/TileGrid.h"

namespace {

QString tileGlyphs(const QWidget *grid)
{
    settle();
    QString text;
    for (const GlyphTile *tile : grid->findChildren<GlyphTile *>()) {
        if (tile->isVisibleTo(grid))
            text += tile->glyph();
    }
    return text;
}

struct Fixture {
    NotifyLog log;
    RecentGlyphsStore store;
    GlyphsSection section{log.callback(), store};

    explicit Fixture(const QStringList &recents = {})
    {
        for (const QString &glyph : QStringList(store.glyphs()))
            store.remove(glyph);
        for (auto it = recents.rbegin(); it != recents.rend(); ++it)
            store.add(*it);
        section.resize(276, 420);
        section.show();
        QVERIFY(QTest::qWaitForWindowExposed(&section));
    }
    QWidget *grid() const { return section.findChild<QWidget *>(QStringLiteral("glyphGrid")); }
    QWidget *recentsGrid() const { return section.findChild<QWidget *>(QStringLiteral("recentGlyphs")); }
    QString shown() const { return tileGlyphs(grid()); }
    QString recents() const { return recentsGrid()->isVisibleTo(&section) ? tileGlyphs(recentsGrid()) : QString(); }
    SegmentedControl *picker() const { return section.findChild<SegmentedControl *>(); }
    QLineEdit *search() const { return control<QLineEdit>(&section, QStringLiteral("Search glyphs")); }
    bool emptyCaptionShown() const
    {
        const QLabel *label = nullptr;
        for (const QLabel *candidate : section.findChildren<QLabel *>()) {
            if (candidate->text() == QStringLiteral("No glyphs found"))
                label = candidate;
        }
        return label && label->isVisibleTo(&section);
    }
    GlyphTile *tile(const QWidget *in, const QString &glyph) const
    {
        settle();
        for (GlyphTile *tile : in->findChildren<GlyphTile *>()) {
            if (tile->glyph() == glyph && tile->isVisibleTo(in))
                return tile;
        }
        return nullptr;
    }
    void click(const QWidget *in, const QString &glyph)
    {
        GlyphTile *target = tile(in, glyph);
        QVERIFY2(target, qPrintable(glyph));
        QTest::mouseClick(target, Qt::LeftButton);
        settle();
    }
};

} // namespace

class tst_GlyphsSection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Typing follows every edit; the category chosen before a search comes back when the field is cleared.
    void search_data()
    {
        columns<QString, QString, bool, bool>("query", "expected", "pickerShown", "emptyCaption");
        const QString legal = QStringLiteral("©®™℠№℃℉✉☎");
        QTest::newRow("only spaces: not searching") << "   " << legal << true << false;
        testRow("check", "check", "✓✔☑☐", false, false);
        testRow("arrow across categories", "arrow", "→←↑↓↔↕⇒⇐⇔↩↪⤴⤵↻↺", false, false);
        testRow("no match, in the catalogue or beyond", "qzqzqz", "", false, true);
    }

    void search()
    {
        auto [query, expected, pickerShown, emptyCaption] =
            fetch<QString, QString, bool, bool>("query", "expected", "pickerShown", "emptyCaption");
        Fixture f;
        QTest::mouseClick(control<QAbstractButton>(f.picker(), QStringLiteral("Legal")), Qt::LeftButton);
        QCOMPARE(f.section.selectedCategory(), GlyphCategory::legal);

        f.search()->setFocus();
        QTest::keyClicks(f.search(), query);
        QCOMPARE(f.shown(), expected);
        QCOMPARE(f.picker()->isVisibleTo(&f.section), pickerShown);
        QCOMPARE(f.emptyCaptionShown(), emptyCaption);

        f.search()->clear();
        QCOMPARE(f.shown(), QStringLiteral("©®™℠№℃℉✉☎"));
        QVERIFY(f.picker()->isVisibleTo(&f.section));
        QCOMPARE(f.picker()->currentIndex(), int(allGlyphCategories().indexOf(GlyphCategory::legal)));
        QVERIFY(f.log.messages.isEmpty());
    }

    void clickCopiesAndLeadsTheRecents()
    {
        Fixture f;
        f.click(f.grid(), QStringLiteral("→"));
        QCOMPARE(clipboardText(), QStringLiteral("→"));
        QCOMPARE(f.log.messages, QStringList{QStringLiteral("Copied →")});
        QCOMPARE(f.recents(), QStringLiteral("→"));

        QTest::mouseClick(control<QAbstractButton>(f.picker(), QStringLiteral("Math")), Qt::LeftButton);
        f.click(f.grid(), QStringLiteral("∞"));
        QCOMPARE(f.recents(), QStringLiteral("∞→"));
        QCOMPARE(f.tile(f.recentsGrid(), QStringLiteral("∞"))->toolTip(), QStringLiteral("Infinity\nU+221E"));

        // A recent tile copies too, and moves to the front.
        f.click(f.recentsGrid(), QStringLiteral("→"));
        QCOMPARE(f.recents(), QStringLiteral("→∞"));
        QCOMPARE(clipboardText(), QStringLiteral("→"));
        QCOMPARE(f.log.messages.size(), 3);
        QCOMPARE(f.store.glyphs(), (QStringList{QStringLiteral("→"), QStringLiteral("∞")}));
    }

    // Beyond the catalogue, under its matches and never repeating them: every other character the search
    // finds, a page at a time; each tile copies and joins the recents as a catalogue tile does.
    void allCharacters()
    {
        Fixture f;
        f.search()->setFocus();
        QTest::keyClicks(f.search(), QStringLiteral("arrow"));
        const auto *others = f.section.findChild<QWidget *>(QStringLiteral("otherCharacters"));
        QCOMPARE(tileGlyphs(others).toUcs4().size(), GlyphsSection::kOthersPage);
        QVERIFY(!tileGlyphs(others).contains(u'→'));
        QTest::mouseClick(control<QAbstractButton>(&f.section, QStringLiteral("Show more characters")), Qt::LeftButton);
        QCOMPARE(tileGlyphs(others).toUcs4().size(),
                 qMin(2 * GlyphsSection::kOthersPage, int(f.section.otherCharacters().size())));

        f.search()->clear();
        QTest::keyClicks(f.search(), QStringLiteral("zwj"));
        QCOMPARE(f.shown(), QString());
        QVERIFY(!f.emptyCaptionShown());
        QCOMPARE(f.tile(others, QStringLiteral("‍"))->accessibleName(), QStringLiteral("ZERO WIDTH JOINER"));
        f.click(others, QStringLiteral("‍"));
        QCOMPARE(clipboardText(), QStringLiteral("‍"));
        QCOMPARE(f.store.glyphs(), QStringList{QStringLiteral("‍")});
    }

    // Removing, by the button shown on hover or by the menu, is silent: nothing copied, no banner, the rest
    // of the section as it was.
    void removeRecent()
    {
        Fixture f({QStringLiteral("✓"), QStringLiteral("€"), QStringLiteral("\u2603")});
        QCOMPARE(f.recents(), QStringLiteral("✓€\u2603"));
        // An entry from outside the catalogue names itself.
        QCOMPARE(f.tile(f.recentsGrid(), QStringLiteral("\u2603"))->toolTip(), QStringLiteral("\u2603\nU+2603"));
        ClipboardService::copy(QStringLiteral("before"));

        GlyphTile *euro = f.tile(f.recentsGrid(), QStringLiteral("€"));
        QVERIFY(!control<HoverDeleteButton>(f.recentsGrid(), QStringLiteral("Remove €")));
        QTest::mouseMove(euro);
        HoverDeleteButton *remove = nullptr;
        QTRY_VERIFY((remove = control<HoverDeleteButton>(f.recentsGrid(), QStringLiteral("Remove €"))));
        QVERIFY(remove->geometry().intersects(euro->geometry()));
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(f.recents(), QStringLiteral("✓\u2603"));
        QVERIFY(pressContextMenuItem(f.tile(f.recentsGrid(), QStringLiteral("✓")), QStringLiteral("Remove")));
        settle();
        QCOMPARE(f.recents(), QStringLiteral("\u2603"));
        QCOMPARE(f.store.glyphs(), QStringList{QStringLiteral("\u2603")});
        QCOMPARE(clipboardText(), QStringLiteral("before"));
        QVERIFY(f.log.messages.isEmpty());
        QCOMPARE(f.shown(), QStringLiteral("→←↑↓↔↕⇒⇐⇔↩↪⤴⤵↻↺"));
    }

    void menuForms_data()
    {
        // way: 0: the pointer, 1: the Menu key, 2: Shift+F10
        columns<bool, int, QString, QString, QString>("inRecents", "way", "item", "glyph", "copied");
        testRow("HTML entity, grid, Menu key", false, 1, "Copy as HTML entity", "→", "&rarr;");
        testRow("escape, recents, pointer", true, 0, "Copy as escape", "€", "\\u20AC");
        testRow("CSS escape, grid, pointer", false, 0, "Copy as CSS escape", "⇒", "\\21D2");
        testRow("code point, recents, Shift+F10", true, 2, "Copy code point", "€", "U+20AC");
        testRow("the glyph, grid, Shift+F10", false, 2, "Copy", "↑", "↑");
    }

    // Each form from a tile's menu, by the pointer and by the Menu key, in both grids: the form on the
    // clipboard, the banner saying so, the glyph itself first among the recents. A glyph that is also recent
    // can be removed from the recents only, not from the grid.
    void menuForms()
    {
        auto [inRecents, way, item, glyph, copied] =
            fetch<bool, int, QString, QString, QString>("inRecents", "way", "item", "glyph", "copied");
        Fixture f({QStringLiteral("✓"), QStringLiteral("€"), glyph});
        GlyphTile *target = f.tile(inRecents ? f.recentsGrid() : f.grid(), glyph);
        QVERIFY(target);
        QCOMPARE(target->isRemovable(), inRecents);
        QVERIFY(f.grid()->findChildren<HoverDeleteButton *>().isEmpty());
        QVERIFY(way == 0 ? clickContextMenuItem(target, item) : pressContextMenuItem(target, item, way == 2));
        QCOMPARE(clipboardText(), copied);
        QCOMPARE(f.log.messages, QStringList{QStringLiteral("Copied ") + copied});
        QTRY_COMPARE(f.store.glyphs().value(0), glyph);
    }

    // A tile's menu opened again still shows a screen reader its items.
    void menuOpensAgain()
    {
        Fixture f;
        for (int opening = 0; opening < 2; ++opening) {
            GlyphTile *tile = f.tile(f.grid(), QStringLiteral("→"));
            QVERIFY(tile);
            QVERIFY2(pressContextMenuItem(tile, QStringLiteral("Copy as HTML entity")),
                     "opening " + QByteArray::number(opening));
        }
        QCOMPARE(clipboardText(), QStringLiteral("&rarr;"));
    }
};

TESSELLON_TEST(tst_GlyphsSection)
#include "tst_GlyphsSection.moc"
