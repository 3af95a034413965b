#include "Controls.h"
#include "TestHome.h"
#include "TestMain.h"

#include "core/color/ColorSamplerService.h"
#include "net/ClipboardService.h"
#include "sections/color/ColorSection.h"
#include "sections/color/ContrastRow.h"
#include "sections/color/PaletteView.h"
#include "widgets/TileGrid.h"

namespace {

// Stands in for the screen: each pick answers with the next scripted result.
struct ScriptedPicker {
    QList<ScreenColorPicker::PickResult> results;
    int calls = 0;
    ColorSection::Picker picker()
    {
        return [this](QObject *, ScreenColorPicker::PickCompletion done) {
            ++calls;
            done(results.isEmpty() ? ScreenColorPicker::PickResult{} : results.takeFirst());
        };
    }
    void willPick(const QString &hex) { results.append({ScreenColorPicker::PickResult::Outcome::picked, hex, {}}); }
};

struct Fixture {
    NotifyLog log;
    ScriptedPicker screen;
    RecentColorsStore store;
    ColorSection section{log.callback(), store, nullptr, screen.picker()};

    explicit Fixture(const QStringList &stored = {})
    {
        store.clear();
        for (auto it = stored.rbegin(); it != stored.rend(); ++it)
            store.add(*it);
        section.resize(276, 520);
        section.show();
    }
    QStringList swatches() const
    {
        settle();
        QStringList hexes;
        for (ColorSwatch *swatch : section.findChildren<ColorSwatch *>()) {
            if (swatch->isVisibleTo(&section))
                hexes.append(swatch->hex());
        }
        return hexes;
    }
    ColorSwatch *swatch(const QString &hex) const
    {
        settle();
        return control<ColorSwatch>(&section, hex);
    }
    QString activeSwatch() const
    {
        settle();
        for (ColorSwatch *swatch : section.findChildren<ColorSwatch *>()) {
            if (swatch->isVisibleTo(&section) && swatch->isActive())
                return swatch->hex();
        }
        return {};
    }
    FormatRow *format(const QString &label) const
    {
        settle();
        return control<FormatRow>(&section, label);
    }
    bool showsEmptyState() const
    {
        settle();
        const QLabel *caption = nullptr;
        for (const QLabel *label : section.findChildren<QLabel *>()) {
            if (label->text() == QStringLiteral("No colors sampled yet"))
                caption = label;
        }
        return caption && caption->isVisibleTo(&section) && !format(QStringLiteral("HEX")) &&
               !control<QAbstractButton>(&section, QStringLiteral("Clear"));
    }
    ContrastRow *contrast() const
    {
        settle();
        return section.findChild<ContrastRow *>();
    }
    // What the contrast row checks: "foreground on background".
    QString contrastPair() const
    {
        const ContrastButton *button = contrast()->button();
        return button->foreground() + QStringLiteral(" on ") + button->background();
    }
    void type(const QString &text, bool byButton = false)
    {
        auto *field = control<QLineEdit>(&section, QStringLiteral("Color as text"));
        field->setText(text);
        if (byButton)
            QTest::mouseClick(control<QAbstractButton>(&section, QStringLiteral("Add")), Qt::LeftButton);
        else
            QTest::keyClick(field, Qt::Key_Return);
        settle();
    }
    void pick(const QString &hex)
    {
        screen.willPick(hex);
        QTest::mouseClick(control<QAbstractButton>(&section, QStringLiteral("Pick Color")), Qt::LeftButton);
        settle();
    }
};

} // namespace

class tst_ColorSection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What a pick ends in: a colour joins the recents at the front (moving there if it was one), selected
    // and copied; a cancel says nothing; a failure says why; neither touches the clipboard.
    void pickOutcomes_data()
    {
        // result: a hex, "cancelled" or "failed"
        columns<QString, QStringList, QString>("result", "swatches", "message");
        testRow("new colour", "#1A2B3C", QStringList{"#1A2B3C", "#E4572E", "#76B041"}, "Picked & copied #1A2B3C");
        testRow("one already there", "#76B041", QStringList{"#76B041", "#E4572E"}, "Picked & copied #76B041");
        testRow("cancelled", "cancelled", QStringList{"#E4572E", "#76B041"}, "");
        testRow("failed", "failed", QStringList{"#E4572E", "#76B041"}, "No picker here");
    }

    void pickOutcomes()
    {
        auto [result, swatches, message] = fetch<QString, QStringList, QString>("result", "swatches", "message");
        using Outcome = ScreenColorPicker::PickResult::Outcome;
        Fixture f({QStringLiteral("#E4572E"), QStringLiteral("#76B041")});
        ClipboardService::copy(QStringLiteral("before"));
        const bool picked = result.startsWith(u'#');
        f.screen.results.append({picked                ? Outcome::picked
                                 : result == u"failed" ? Outcome::failed
                                                       : Outcome::cancelled,
                                 picked ? result : QString(), picked ? QString() : QStringLiteral("No picker here")});
        QTest::mouseClick(control<QAbstractButton>(&f.section, QStringLiteral("Pick Color")), Qt::LeftButton);
        QCOMPARE(f.swatches(), swatches);
        QCOMPARE(f.activeSwatch(), swatches.first());
        QCOMPARE(clipboardText(), picked ? result : QStringLiteral("before"));
        QCOMPARE(f.log.messages, message.isEmpty() ? QStringList() : QStringList{message});
    }

    // A pick outlives the section that started it (a tab switch while the picker is up): the colour is
    // still kept, copied and reported through the panel's notify. One that no picker could take after the
    // panel closed says why and leaves the panel closed; one dropped unanswered frees the button all the same.
    void pickOutlivesItsSection()
    {
        NotifyLog log;
        RecentColorsStore store;
        store.clear();
        QWidget panel;
        QObject *owner = nullptr;
        ScreenColorPicker::PickCompletion pending;
        PickState picking;
        const auto picker = [&](QObject *context, auto done) {
            QVERIFY2(!pending, "a second pick started");
            owner = context;
            pending = std::move(done);
        };
        auto *section = new ColorSection(log.callback(), store, &panel, picker, &picking);
        panel.show();
        QTest::mouseClick(control<QAbstractButton>(section, QStringLiteral("Pick Color")), Qt::LeftButton);
        QCOMPARE(owner, &panel);
        // Under way, the button cannot start a second pick, also on the section a tab switch brings back.
        QVERIFY(!control<QAbstractButton>(section, QStringLiteral("Pick Color"))->isEnabled());
        delete section;
        ColorSection again(log.callback(), store, &panel, picker, &picking);
        auto *button = control<QAbstractButton>(&again, QStringLiteral("Pick Color"));
        QVERIFY(!button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        std::exchange(pending, {})({ScreenColorPicker::PickResult::Outcome::picked, QStringLiteral("#1A2B3C"), {}});
        QVERIFY(button->isEnabled());
        QCOMPARE(store.colors(), QStringList{QStringLiteral("#1A2B3C")});
        QCOMPARE(clipboardText(), QStringLiteral("#1A2B3C"));
        QCOMPARE(log.messages, QStringList{QStringLiteral("Picked & copied #1A2B3C")});

        QTest::mouseClick(button, Qt::LeftButton);
        panel.hide();
        std::exchange(pending, {})(
            {ScreenColorPicker::PickResult::Outcome::abandoned, {}, QStringLiteral("No picker answered")});
        QVERIFY(!panel.isVisible() && button->isEnabled());
        QCOMPARE(log.messages.last(), QStringLiteral("No picker answered"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isEnabled());
        pending = {};
        QVERIFY(button->isEnabled());
    }

    // A click on a swatch shows its notations and copies nothing. A notation row copies its value; the folded ones show
    // once "More formats" is open, stay open while the selection changes, and a section made anew (the tab shown again)
    // starts folded. (The values themselves are the colour service's test.)
    void formatRows_data()
    {
        columns<QString, QString, bool>("name", "value", "folded");
        testRow("HEX, as stored", "HEX", "#3F7CF0", false);
        testRow("SwiftUI", "SwiftUI", "Color(red: 0.247, green: 0.486, blue: 0.941)", false);
        testRow("OKLCH", "OKLCH", "oklch(60.80% 0.1860 261.72)", true);
        testRow("Flutter", "Flutter Color", "Color(0xFF3F7CF0)", true);
    }

    void formatRows()
    {
        auto [name, value, folded] = fetch<QString, QString, bool>("name", "value", "folded");
        Fixture f({QStringLiteral("#1A2B3C"), QStringLiteral("#3F7CF0")});
        auto *disclosure = control<QAbstractButton>(&f.section, QStringLiteral("More formats"));
        QVERIFY(disclosure && !disclosure->isChecked());
        QCOMPARE(!f.format(name) || !f.format(name)->isVisibleTo(&f.section), folded);
        if (folded)
            QTest::mouseClick(disclosure, Qt::LeftButton);
        ClipboardService::copy(QStringLiteral("before"));
        QTest::mouseClick(f.swatch(QStringLiteral("#3F7CF0")), Qt::LeftButton);
        QCOMPARE(clipboardText(), QStringLiteral("before")); // choosing a swatch copies nothing
        FormatRow *row = f.format(name);
        QVERIFY(row && row->isVisibleTo(&f.section));
        QCOMPARE(row->toolTip(), QStringLiteral("Copy ") + value);
        QTest::mouseClick(row, Qt::LeftButton);
        QCOMPARE(clipboardText(), value);
        QCOMPARE(f.log.messages, QStringList{QStringLiteral("Copied ") + value});
        ColorSection again(f.log.callback(), f.store);
        settle();
        QVERIFY(!control<QAbstractButton>(&again, QStringLiteral("More formats"))->isChecked());
    }

    void paletteCopies()
    {
        Fixture f({QStringLiteral("#3366CC")});
        auto *shade = control<PaletteSwatch>(
            &f.section, QStringLiteral("500 — ") + ColorSamplerService::shades(QStringLiteral("#3366CC"))[5].hex);
        QVERIFY(shade);
        QTest::mouseClick(shade, Qt::LeftButton);
        QCOMPARE(clipboardText(), shade->hex());
        QCOMPARE(f.log.messages.last(), QStringLiteral("Copied ") + shade->hex());

        QTest::mouseClick(control<QAbstractButton>(&f.section, QStringLiteral("Copy all (CSS)")), Qt::LeftButton);
        QCOMPARE(clipboardText(), ColorSamplerService::shadesCSS(QStringLiteral("#3366CC")));
        QCOMPARE(f.log.messages.last(), QStringLiteral("Copied shade ramp as CSS"));
        QCOMPARE(f.section.findChild<PaletteView *>()->findChildren<PaletteSwatch *>().size(), 14);
    }

    // Removing the selected colour (by the button shown on hover) falls back to the newest; removing the last
    // (by the menu) empties the section.
    void removing()
    {
        Fixture f({QStringLiteral("#E4572E"), QStringLiteral("#1A2B3C")});
        ClipboardService::copy(QStringLiteral("before"));
        QTest::mouseClick(f.swatch(QStringLiteral("#1A2B3C")), Qt::LeftButton);
        QTest::mouseMove(f.swatch(QStringLiteral("#1A2B3C")));
        HoverDeleteButton *button = nullptr;
        QTRY_VERIFY((button = control<HoverDeleteButton>(&f.section, QStringLiteral("Remove #1A2B3C"))));
        // Whole inside its grid, and big enough to hit.
        QVERIFY(button->parentWidget()->rect().contains(button->geometry()));
        QVERIFY(qMin(button->width(), button->height()) >= Style::kMinimumTarget);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(f.swatches(), QStringList{QStringLiteral("#E4572E")});
        QCOMPARE(f.activeSwatch(), QStringLiteral("#E4572E"));
        QCOMPARE(f.format(QStringLiteral("HEX"))->value(), QStringLiteral("#E4572E"));
        QVERIFY(pressContextMenuItem(f.swatch(QStringLiteral("#E4572E")), QStringLiteral("Delete")));
        QVERIFY(f.showsEmptyState());
        QVERIFY(f.store.colors().isEmpty());
        QVERIFY(f.log.messages.isEmpty());
        QCOMPARE(clipboardText(), QStringLiteral("before"));
    }

    void clear()
    {
        Fixture f({QStringLiteral("#E4572E"), QStringLiteral("#1A2B3C")});
        QTest::mouseClick(f.swatch(QStringLiteral("#1A2B3C")), Qt::LeftButton);
        QTest::mouseClick(control<QAbstractButton>(&f.section, QStringLiteral("Clear")), Qt::LeftButton);
        QVERIFY(f.showsEmptyState());
        QVERIFY(!f.section.findChild<PaletteView *>() ||
                !f.section.findChild<PaletteView *>()->isVisibleTo(&f.section));
        QVERIFY(f.store.colors().isEmpty());
        // The old selection does not come back with the next pick of another colour.
        f.pick(QStringLiteral("#76B041"));
        QCOMPARE(f.activeSwatch(), QStringLiteral("#76B041"));
    }

    // The second colour: the one picked before the active one, else white, until the user chooses one;
    // a chosen recent colour holds while it is still there.
    void contrastFollowsSelectionAndSecond()
    {
        Fixture f({QStringLiteral("#3F7CF0"), QStringLiteral("#1A2B3C"), QStringLiteral("#E4572E")});
        QCOMPARE(f.contrastPair(), QStringLiteral("#3F7CF0 on #1A2B3C"));
        QTest::mouseClick(f.swatch(QStringLiteral("#1A2B3C")), Qt::LeftButton);
        QCOMPARE(f.contrastPair(), QStringLiteral("#1A2B3C on #E4572E"));
        QTest::mouseClick(f.swatch(QStringLiteral("#E4572E")), Qt::LeftButton);
        QCOMPARE(f.contrastPair(), QStringLiteral("#E4572E on #FFFFFF"));

        QVERIFY(clickMenuItem(f.contrast()->picker(), QStringLiteral("Black")));
        QCOMPARE(f.contrastPair(), QStringLiteral("#E4572E on #000000"));
        QCOMPARE(f.contrast()->picker()->accessibleName(), QStringLiteral("Contrast on #000000"));
        QTest::mouseClick(f.swatch(QStringLiteral("#3F7CF0")), Qt::LeftButton);
        QCOMPARE(f.contrastPair(), QStringLiteral("#3F7CF0 on #000000"));

        // A Ctrl-click makes a swatch the second colour and leaves the selection alone.
        QTest::mouseClick(f.swatch(QStringLiteral("#E4572E")), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f.activeSwatch(), QStringLiteral("#3F7CF0"));
        QCOMPARE(f.contrastPair(), QStringLiteral("#3F7CF0 on #E4572E"));
        // A plain click after it selects again.
        QTest::mouseClick(f.swatch(QStringLiteral("#1A2B3C")), Qt::LeftButton);
        QCOMPARE(f.activeSwatch(), QStringLiteral("#1A2B3C"));
        QCOMPARE(f.contrastPair(), QStringLiteral("#1A2B3C on #E4572E"));
        // Gone from the recent colours, it no longer holds.
        QVERIFY(pressContextMenuItem(f.swatch(QStringLiteral("#E4572E")), QStringLiteral("Delete")));
        QCOMPARE(f.contrastPair(), QStringLiteral("#1A2B3C on #FFFFFF"));

        QVERIFY(clickMenuItem(f.contrast()->picker(), QStringLiteral("#3F7CF0")));
        QCOMPARE(f.contrastPair(), QStringLiteral("#1A2B3C on #3F7CF0"));
        QVERIFY(clickMenuItem(f.contrast()->picker(), QStringLiteral("Previous Color")));
        QTest::mouseClick(f.swatch(QStringLiteral("#3F7CF0")), Qt::LeftButton);
        QCOMPARE(f.contrastPair(), QStringLiteral("#3F7CF0 on #1A2B3C"));
        QVERIFY(f.log.messages.isEmpty());
    }

    // A click on the ratio or on the marks copies the summary; a screen reader hears the marks in words.
    void contrastCopiesItsSummary()
    {
        Fixture f({QStringLiteral("#3F7CF0")});
        ContrastRow *row = f.contrast();
        QCOMPARE(row->button()->accessibleDescription(),
                 QStringLiteral("3.92:1 on #FFFFFF, passes AA large, fails AA, fails AAA large, fails AAA"));
        const QString summary = QStringLiteral("#3F7CF0 on #FFFFFF \u2014 3.92:1, AA large");
        QCOMPARE(row->button()->toolTip(), QStringLiteral("Copy ") + summary);
        QTest::mouseClick(row->button(), Qt::LeftButton);
        QCOMPARE(clipboardText(), summary);
        QCOMPARE(f.log.messages, QStringList{QStringLiteral("Copied ") + summary});

        ClipboardService::copy(QStringLiteral("before"));
        QTest::mouseClick(row->marks(), Qt::LeftButton);
        QCOMPARE(clipboardText(), summary);
        QCOMPARE(f.log.messages.size(), 2);
    }

    void typedColor_data()
    {
        // front: the newest recent colour after it
        columns<QString, bool, QString, QString>("text", "byButton", "message", "front");
        testRow("hex, Enter", "3f7cf0", false, "Added #3F7CF0", "#3F7CF0");
        testRow("name, Add", "rebeccapurple", true, "Added #663399", "#663399");
        testRow("already there: moves to the front", "#e4572e", false, "Added #E4572E", "#E4572E");
        testRow("alpha is dropped, and said", "rgb(63 124 240 / 50%)", false, "Added #3F7CF0 (alpha 50% dropped)",
                "#3F7CF0");
        testRow("opaque alpha is no news", "#3F7CF0FF", false, "Added #3F7CF0", "#3F7CF0");
        testRow("outside sRGB", "oklch(90% 0.4 140 / 0.25)", false,
                "Added #00FF00 (alpha 25% dropped; outside sRGB, clipped)", "#00FF00");
        testRow("not a colour", "rgb(300, 0, 0)", false,
                "300 is out of range in rgb(), which takes 0 to 255, or 0% to 100%", "#1A2B3C");
    }

    // A typed colour enters as a pick does, selected and at the front, but copies nothing; a text that is no
    // colour is explained, stays in the field to be mended, and changes nothing.
    void typedColor()
    {
        auto [text, byButton, message, front] =
            fetch<QString, bool, QString, QString>("text", "byButton", "message", "front");
        Fixture f({QStringLiteral("#1A2B3C"), QStringLiteral("#E4572E")});
        ClipboardService::copy(QStringLiteral("before"));
        f.type(text, byButton);
        QCOMPARE(f.log.messages, QStringList{message});
        QCOMPARE(f.swatches().first(), front);
        QCOMPARE(f.activeSwatch(), front);
        QCOMPARE(clipboardText(), QStringLiteral("before"));
        const bool added = message.startsWith(QLatin1String("Added"));
        QCOMPARE(f.swatches().size(), added && front != QLatin1String("#E4572E") ? 3 : 2);
        QCOMPARE(control<QLineEdit>(&f.section, QStringLiteral("Color as text"))->text(), added ? QString() : text);
    }

    // Ctrl+V anywhere on the tab adds what the clipboard holds; blank space there does nothing.
    void pasteOnTheTab()
    {
        Fixture f({QStringLiteral("#1A2B3C")});
        f.section.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.section));
        ClipboardService::copy(QStringLiteral("  hsl(220 60% 50%)\n"));
        QWidget *swatch = f.swatch(QStringLiteral("#1A2B3C"));
        swatch->setFocus(Qt::TabFocusReason);
        QTest::keyClick(swatch, Qt::Key_V, Qt::ControlModifier);
        settle();
        QCOMPARE(f.log.messages, QStringList{QStringLiteral("Added #3366CC")});
        QCOMPARE(f.activeSwatch(), QStringLiteral("#3366CC"));
        ClipboardService::copy(QStringLiteral("   "));
        QTest::keyClick(f.swatch(QStringLiteral("#3366CC")), Qt::Key_V, Qt::ControlModifier);
        settle();
        QCOMPARE(f.log.messages.size(), 1);
    }
};

TESSELLON_TEST(tst_ColorSection)
#include "tst_ColorSection.moc"
