#include "Controls.h"
#include "TestHome.h"

#include "sections/color/ColorSection.h"
#include "sections/color/PaletteView.h"
#include "services/ClipboardService.h"
#include "services/ColorSamplerService.h"
#include "widgets/TileGrid.h"

#include <QAction>
#include <QLabel>
#include <QTest>

static TestHome testHome;

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
    void emptyStore()
    {
        Fixture f;
        QVERIFY(f.showsEmptyState());
        QVERIFY(f.section.findChildren<PaletteView *>().isEmpty() ||
                !f.section.findChild<PaletteView *>()->isVisibleTo(&f.section));
    }

    void pickAddsSelectsAndCopies()
    {
        Fixture f({QStringLiteral("#E4572E"), QStringLiteral("#76B041")});
        QCOMPARE(f.activeSwatch(), QStringLiteral("#E4572E"));
        f.pick(QStringLiteral("#1A2B3C"));
        QCOMPARE(f.swatches(), (QStringList{"#1A2B3C", "#E4572E", "#76B041"}));
        QCOMPARE(f.activeSwatch(), QStringLiteral("#1A2B3C"));
        QCOMPARE(clipboardText(), QStringLiteral("#1A2B3C"));
        QCOMPARE(f.log.messages, QStringList{QStringLiteral("Picked & copied #1A2B3C")});
        QCOMPARE(f.format(QStringLiteral("RGB"))->value(), QStringLiteral("rgb(26, 43, 60)"));

        // Picking a colour already there moves it to the front, selected, with the same message.
        f.pick(QStringLiteral("#76B041"));
        QCOMPARE(f.swatches(), (QStringList{"#76B041", "#1A2B3C", "#E4572E"}));
        QCOMPARE(f.activeSwatch(), QStringLiteral("#76B041"));
        QCOMPARE(f.log.messages.last(), QStringLiteral("Picked & copied #76B041"));
    }

    void cancelAndFailure()
    {
        Fixture f({QStringLiteral("#E4572E")});
        f.screen.results.append({ScreenColorPicker::PickResult::Outcome::cancelled, {}, {}});
        f.screen.results.append({ScreenColorPicker::PickResult::Outcome::failed, {}, QStringLiteral("No picker here")});
        ClipboardService::copy(QStringLiteral("before"));
        QAbstractButton *pick = control<QAbstractButton>(&f.section, QStringLiteral("Pick Color"));
        QTest::mouseClick(pick, Qt::LeftButton);
        QVERIFY(f.log.messages.isEmpty());
        QTest::mouseClick(pick, Qt::LeftButton);
        QCOMPARE(f.log.messages, QStringList{QStringLiteral("No picker here")});
        QCOMPARE(f.swatches(), QStringList{QStringLiteral("#E4572E")});
        QCOMPARE(clipboardText(), QStringLiteral("before"));
    }

    // A pick outlives the section that started it (a tab switch while the picker is up): the colour is
    // still kept, copied and reported through the panel's notify.
    void pickOutlivesItsSection()
    {
        NotifyLog log;
        RecentColorsStore store;
        store.clear();
        QWidget panel;
        QObject *owner = nullptr;
        ScreenColorPicker::PickCompletion pending;
        auto *section = new ColorSection(log.callback(), store, &panel, [&](QObject *context, auto done) {
            owner = context;
            pending = std::move(done);
        });
        panel.show();
        QTest::mouseClick(control<QAbstractButton>(section, QStringLiteral("Pick Color")), Qt::LeftButton);
        QCOMPARE(owner, &panel);
        // Under way, the button cannot start a second pick, also on the section a tab switch brings back.
        QVERIFY(!control<QAbstractButton>(section, QStringLiteral("Pick Color"))->isEnabled());
        delete section;
        ColorSection again(log.callback(), store, &panel, [](QObject *, auto) { QFAIL("a second pick started"); });
        auto *button = control<QAbstractButton>(&again, QStringLiteral("Pick Color"));
        QVERIFY(!button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        pending({ScreenColorPicker::PickResult::Outcome::picked, QStringLiteral("#1A2B3C"), {}});
        QVERIFY(button->isEnabled());
        QCOMPARE(store.colors(), QStringList{QStringLiteral("#1A2B3C")});
        QCOMPARE(clipboardText(), QStringLiteral("#1A2B3C"));
        QCOMPARE(log.messages, QStringList{QStringLiteral("Picked & copied #1A2B3C")});
    }

    // A pick that no picker could take after the user closed the panel: the reason is told, the panel
    // stays closed; a pick dropped unanswered (its panel gone) frees the button all the same.
    void abandonedAndDroppedPicks()
    {
        NotifyLog log;
        RecentColorsStore store;
        QWidget panel;
        ScreenColorPicker::PickCompletion pending;
        ColorSection section(log.callback(), store, &panel, [&](QObject *, auto done) { pending = std::move(done); });
        panel.show();
        auto *button = control<QAbstractButton>(&section, QStringLiteral("Pick Color"));
        QTest::mouseClick(button, Qt::LeftButton);
        panel.hide();
        pending({ScreenColorPicker::PickResult::Outcome::abandoned, {}, QStringLiteral("No picker answered")});
        QVERIFY(!panel.isVisible());
        QCOMPARE(log.messages, QStringList{QStringLiteral("No picker answered")});
        QVERIFY(button->isEnabled());

        panel.show();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isEnabled());
        pending = {};
        QVERIFY(button->isEnabled());
    }

    void eleventhColourDropsTheOldest()
    {
        Fixture f;
        QStringList picked;
        for (int i = 0; i < 11; ++i) {
            const QString hex = QStringLiteral("#0000%1").arg(i, 2, 16, QLatin1Char('0')).toUpper();
            f.pick(hex);
            picked.prepend(hex);
        }
        QCOMPARE(f.swatches(), picked.mid(0, 10));
        QCOMPARE(f.activeSwatch(), picked.first());
    }

    // A click on a swatch shows its formats and palette, and copies nothing.
    void selectingASwatch()
    {
        Fixture f({QStringLiteral("#E4572E"), QStringLiteral("#1A2B3C")});
        ClipboardService::copy(QStringLiteral("before"));
        QTest::mouseClick(f.swatch(QStringLiteral("#1A2B3C")), Qt::LeftButton);
        QCOMPARE(f.activeSwatch(), QStringLiteral("#1A2B3C"));
        QCOMPARE(f.format(QStringLiteral("HSL"))->value(), QStringLiteral("hsl(210, 40%, 17%)"));
        QCOMPARE(f.swatch(QStringLiteral("#1A2B3C"))->toolTip(), QStringLiteral("Show formats for #1A2B3C"));
        QCOMPARE(clipboardText(), QStringLiteral("before"));
        QVERIFY(f.log.messages.isEmpty());
    }

    void formatRowsCopy_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("value");
        QTest::newRow("HEX, as stored") << "HEX"
                                        << "#1A2B3C";
        QTest::newRow("RGB") << "RGB"
                             << "rgb(26, 43, 60)";
        QTest::newRow("HSL") << "HSL"
                             << "hsl(210, 40%, 17%)";
        QTest::newRow("SwiftUI") << "SwiftUI"
                                 << "Color(red: 0.102, green: 0.169, blue: 0.235)";
    }

    void formatRowsCopy()
    {
        QFETCH(QString, label);
        QFETCH(QString, value);
        Fixture f({QStringLiteral("#1A2B3C")});
        FormatRow *row = f.format(label);
        QVERIFY(row);
        QCOMPARE(row->toolTip(), QStringLiteral("Copy ") + value);
        QTest::mouseClick(row, Qt::LeftButton);
        QCOMPARE(clipboardText(), value);
        QCOMPARE(f.log.messages, QStringList{QStringLiteral("Copied ") + value});
    }

    void paletteCopies()
    {
        Fixture f({QStringLiteral("#3366CC")});
        auto *shade = control<PaletteSwatch>(
            &f.section, QStringLiteral("500 — ") + ColorSamplerService::shades(QStringLiteral("#3366CC"))[5].hex);
        QVERIFY(shade);
        QTest::mouseClick(shade, Qt::LeftButton);
        QCOMPARE(clipboardText(), shade->hex());
        QVERIFY(clipboardText().startsWith(u'#') && clipboardText() == clipboardText().toUpper());
        QCOMPARE(f.log.messages.last(), QStringLiteral("Copied ") + shade->hex());

        QTest::mouseClick(control<QAbstractButton>(&f.section, QStringLiteral("Copy all (CSS)")), Qt::LeftButton);
        QCOMPARE(clipboardText(), ColorSamplerService::shadesCSS(QStringLiteral("#3366CC")));
        QCOMPARE(f.log.messages.last(), QStringLiteral("Copied shade ramp as CSS"));
        QCOMPARE(f.section.findChild<PaletteView *>()->findChildren<PaletteSwatch *>().size(), 14);
    }

    // Removing the selected colour falls back to the newest; removing the last empties the section.
    void removing_data()
    {
        QTest::addColumn<bool>("byContextMenu");
        QTest::newRow("hover delete button") << false;
        QTest::newRow("context menu Delete") << true;
    }

    void removing()
    {
        QFETCH(bool, byContextMenu);
        Fixture f({QStringLiteral("#E4572E"), QStringLiteral("#1A2B3C")});
        ClipboardService::copy(QStringLiteral("before"));
        auto remove = [&](const QString &hex) {
            ColorSwatch *swatch = f.swatch(hex);
            QVERIFY(swatch);
            if (byContextMenu) {
                QVERIFY(pressContextMenuItem(swatch, QStringLiteral("Delete")));
                settle();
            } else {
                QTest::mouseMove(swatch);
                HoverDeleteButton *button = nullptr;
                for (HoverDeleteButton *candidate : f.section.findChildren<HoverDeleteButton *>()) {
                    if (candidate->accessibleName() == QStringLiteral("Remove ") + hex)
                        button = candidate;
                }
                QVERIFY(button);
                QTRY_VERIFY(button->isVisible());
                QTest::mouseClick(button, Qt::LeftButton);
            }
        };
        QTest::mouseClick(f.swatch(QStringLiteral("#1A2B3C")), Qt::LeftButton);
        remove(QStringLiteral("#1A2B3C"));
        QCOMPARE(f.swatches(), QStringList{QStringLiteral("#E4572E")});
        QCOMPARE(f.activeSwatch(), QStringLiteral("#E4572E"));
        QCOMPARE(f.format(QStringLiteral("HEX"))->value(), QStringLiteral("#E4572E"));
        remove(QStringLiteral("#E4572E"));
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
        QVERIFY(f.store.colors().isEmpty());
        // The old selection does not come back with the next pick of another colour.
        f.pick(QStringLiteral("#76B041"));
        QCOMPARE(f.activeSwatch(), QStringLiteral("#76B041"));
    }

    // An edited settings file may hold anything: it shows as the grey fallback, described as such.
    void unreadableStoredEntry()
    {
        Fixture f({QStringLiteral("NOT A COLOR")});
        QCOMPARE(f.format(QStringLiteral("RGB"))->value(), QStringLiteral("rgb(128, 128, 128)"));
        QCOMPARE(f.format(QStringLiteral("HEX"))->value(), QStringLiteral("NOT A COLOR"));
    }
};

QTEST_MAIN(tst_ColorSection)
#include "tst_ColorSection.moc"
