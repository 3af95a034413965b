#include "TestMain.h"
#include "core/color/ColorSamplerService.h"

using namespace ColorSamplerService;

class tst_ColorSamplerService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The lenient reading and every notation, from one hex text. Unreadable text reads as the mid grey.
    void notations_data()
    {
        // swiftUI: red, green, blue
        columns<QString, QString, QString, QString>("hex", "rgb", "hsl", "swiftUI");
        testRow("canonical", "#1A2B3C", "rgb(26, 43, 60)", "hsl(210, 40%, 17%)", "0.102, 0.169, 0.235");
        testRow("spaces, newline, lower case", " #1a2b3c\n", "rgb(26, 43, 60)", "hsl(210, 40%, 17%)",
                "0.102, 0.169, 0.235");
        testRow("blue-ish", "#3366CC", "rgb(51, 102, 204)", "hsl(220, 60%, 50%)", "0.200, 0.400, 0.800");
        testRow("hue 359.76 prints as 360", "#FF0001", "rgb(255, 0, 1)", "hsl(360, 100%, 50%)", "1.000, 0.000, 0.004");
        testRow("green is max, ties go to red first", "#FFFF00", "rgb(255, 255, 0)", "hsl(60, 100%, 50%)",
                "1.000, 1.000, 0.000");
        testRow("light: other saturation formula", "#E0F0FF", "rgb(224, 240, 255)", "hsl(209, 100%, 94%)",
                "0.878, 0.941, 1.000");
        testRow("plus sign and five digits", "+12345", "rgb(1, 35, 69)", "hsl(210, 97%, 14%)", "0.004, 0.137, 0.271");
        testRow("minus and five zeros is black", "-00000", "rgb(0, 0, 0)", "hsl(0, 0%, 0%)", "0.000, 0.000, 0.000");
        for (const char *grey :
             {"#808080", "#FFF", "##12345", "#12345G", "", "-00001", "12+345", "#1234567", "#12 345"})
            QTest::addRow("grey from \"%s\"", grey) << QString(grey) << QString("rgb(128, 128, 128)")
                                                    << QString("hsl(0, 0%, 50%)") << QString("0.502, 0.502, 0.502");
    }

    void notations()
    {
        auto [hex, rgb, hsl, swiftUI] = fetch<QString, QString, QString, QString>("hex", "rgb", "hsl", "swiftUI");
        QCOMPARE(rgbString(hex), rgb);
        QCOMPARE(hslString(hex), hsl);
        const QStringList parts = swiftUI.split(QStringLiteral(", "));
        QCOMPARE(swiftUIString(hex),
                 QStringLiteral("Color(red: %1, green: %2, blue: %3)").arg(parts[0], parts[1], parts[2]));
    }

    // Worked by hand. Shades keep the hue at the table's lightness, with at least 5 % saturation; #F00028 has
    // hue 350 exactly (saturation 1, lightness 120/255): complementary at 170, analogous at 320 and 20,
    // triadic at 110.
    void palette_data()
    {
        // lightest: shade 50, 500 and 900
        columns<QString, QString, QString, QString, QStringList>("hex", "lightest", "mid", "darkest", "harmonies");
        testRow("saturated keeps its own", "#3366CC", "#EFF3FB", "#2F5EBC", "#0E1D39",
                QStringList{"#CC9933", "#33B3CC", "#4D33CC", "#CC3366"});
        testRow("1 % saturation raised to 5 %", "#7A7D7D", "#F4F5F5", "#6F7B7B", "#222525",
                QStringList{"#7D7A7A", "#7A7D7C", "#7A7C7D", "#7D7A7D"});
        testRow("hue 350 wraps", "#F00028", "#FFEBEE", "#EB0027", "#47000C",
                QStringList{"#00F0C8", "#F000A0", "#F05000", "#28F000"});
        testRow("a grey: hue 0, and its own harmony", "#777777", "#F5F4F4", "#7B6F6F", "#252222",
                QStringList{"#777777", "#777777", "#777777", "#777777"});
    }

    void palette()
    {
        auto [hex, lightest, mid, darkest, harmonies] =
            fetch<QString, QString, QString, QString, QStringList>("hex", "lightest", "mid", "darkest", "harmonies");
        const QList<PaletteEntry> ramp = shades(hex);
        QCOMPARE(ramp.size(), 10);
        QCOMPARE((QStringList{ramp[0].hex, ramp[5].hex, ramp[9].hex}), (QStringList{lightest, mid, darkest}));
        QStringList actual;
        for (const PaletteEntry &entry : ColorSamplerService::harmonies(hex))
            actual.append(entry.hex);
        QCOMPARE(actual, harmonies);
    }

    void cssExport()
    {
        const QString css = shadesCSS(QStringLiteral("#3366CC"));
        QCOMPARE(css.count(u'\n'), 11);
        QVERIFY(!css.contains(u'\r'));
        // Worked by hand: hue 220, saturation 0.6 at lightness 0.96 and 0.14.
        QVERIFY(css.startsWith(QStringLiteral(":root {\n  --shade-50: #eff3fb;\n  --shade-100: ")));
        QVERIFY(css.endsWith(QStringLiteral("--shade-900: #0e1d39;\n}")));
    }

    // Expected values from colorjs.io 0.7.1 (the CSS Color 4 editors' library), not from this code.
    void moreNotations_data()
    {
        // code: lower-case hex, bare hex, QColor, Flutter, 0x literal
        columns<QString, QString, QString, QString, QString>("hex", "oklch", "rgb", "hsl", "code");
        testRow("blue", "#3F7CF0", "oklch(60.80% 0.1860 261.72)", "rgb(63 124 240)", "hsl(219 86% 59%)",
                "#3f7cf0 3F7CF0 QColor(63, 124, 240) Color(0xFF3F7CF0) 0x3F7CF0");
        testRow("white: a grey, hue 0", "#FFFFFF", "oklch(100.00% 0.0000 0.00)", "rgb(255 255 255)", "hsl(0 0% 100%)",
                "#ffffff FFFFFF QColor(255, 255, 255) Color(0xFFFFFFFF) 0xFFFFFF");
        testRow("red", "#FF0000", "oklch(62.80% 0.2577 29.23)", "rgb(255 0 0)", "hsl(0 100% 50%)",
                "#ff0000 FF0000 QColor(255, 0, 0) Color(0xFFFF0000) 0xFF0000");
        testRow("blue primary, the largest chroma", "#0000FF", "oklch(45.20% 0.3132 264.05)", "rgb(0 0 255)",
                "hsl(240 100% 50%)", "#0000ff 0000FF QColor(0, 0, 255) Color(0xFF0000FF) 0x0000FF");
        testRow("dark slate", "#1A2B3C", "oklch(28.26% 0.0388 249.34)", "rgb(26 43 60)", "hsl(210 40% 17%)",
                "#1a2b3c 1A2B3C QColor(26, 43, 60) Color(0xFF1A2B3C) 0x1A2B3C");
        testRow("unreadable: the grey fallback", "NOT A COLOR", "oklch(59.99% 0.0000 0.00)", "rgb(128 128 128)",
                "hsl(0 0% 50%)", "#808080 808080 QColor(128, 128, 128) Color(0xFF808080) 0x808080");
    }

    void moreNotations()
    {
        auto [hex, oklch, rgb, hsl, code] =
            fetch<QString, QString, QString, QString, QString>("hex", "oklch", "rgb", "hsl", "code");
        QCOMPARE(oklchString(hex), oklch);
        QCOMPARE(rgbSpaceString(hex), rgb);
        QCOMPARE(hslSpaceString(hex), hsl);
        QCOMPARE(QStringList({lowerHexString(hex), bareHexString(hex), qColorString(hex), flutterString(hex),
                              hexLiteralString(hex)})
                     .join(u' '),
                 code);
    }

    // Ratios from colorjs.io 0.7.1; the greys are the usual boundary cases on white. The summary's grade
    // follows the ratio; the spoken marks list the four levels, passed or failed.
    void contrast_data()
    {
        // levelsMet: of AA large, AA, AAA large, AAA, easiest first
        columns<QString, QString, QString, int, QString>("foreground", "background", "ratio", "levelsMet", "grade");
        testRow("black on white", "#000000", "#FFFFFF", "21.00:1", 4, "AAA");
        testRow("equal colours", "#3F7CF0", "#3F7CF0", "1.00:1", 0, "fails AA large");
        testRow("3.03: large text only", "#949494", "#FFFFFF", "3.03:1", 1, "AA large");
        testRow("2.99: nothing", "#959595", "#FFFFFF", "2.99:1", 0, "fails AA large");
        // 2.998 would round to 3.00 and still fail: it is cut, so what is shown agrees with the marks.
        testRow("2.998 shows as 2.99", "#595959", "#000000", "2.99:1", 0, "fails AA large");
        testRow("4.54: AA", "#767676", "#FFFFFF", "4.54:1", 3, "AA, AAA large");
        testRow("4.478: not AA", "#777777", "#FFFFFF", "4.47:1", 1, "AA large");
        testRow("7.005: AAA", "#595959", "#FFFFFF", "7.00:1", 4, "AAA");
    }

    void contrast()
    {
        auto [foreground, background, ratio, levelsMet, grade] =
            fetch<QString, QString, QString, int, QString>("foreground", "background", "ratio", "levelsMet", "grade");
        const Contrast value = ColorSamplerService::contrast(foreground, background);
        QCOMPARE(value.ratioText(), ratio);
        const QStringList names{"AA large", "AA", "AAA large", "AAA"};
        const ContrastLevel levels[] = {ContrastLevel::AALarge, ContrastLevel::AA, ContrastLevel::AAALarge,
                                        ContrastLevel::AAA};
        QStringList spoken;
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(value.passes(levels[i]), i < levelsMet);
            spoken.append((i < levelsMet ? QStringLiteral("passes ") : QStringLiteral("fails ")) + names[i]);
        }
        QCOMPARE(value.spokenMarks(), spoken.join(QStringLiteral(", ")));
        QCOMPARE(contrastSummary(foreground, background),
                 QStringLiteral("%1 on %2 \u2014 %3, %4").arg(foreground, background, ratio, grade));
    }

    // What a person types or pastes. Expected hexes of the oklch() rows are colorjs.io's. The plain rgb and
    // hex forms the tab copies are read back below, over a grid of colours.
    void parseAccepted_data()
    {
        // alpha: -1: none given
        columns<QString, QString, double, bool>("text", "hex", "alpha", "clipped");
        auto add = [](const char *text, const char *hex, double alpha = -1, bool clipped = false) {
            testRow(text, text, hex, alpha, clipped);
        };
        add("#3a7", "#33AA77");
        add("#3a78", "#33AA77", 0x88 / 255.0);
        add("  #3F7CF0\n", "#3F7CF0");
        add("RGB( 63  124 240 )", "#3F7CF0");
        add("rgba(63, 124, 240, 0.5)", "#3F7CF0", 0.5);
        add("rgb(50%, 25%, 100%)", "#8040FF"); // halves round up
        add("rgb(62.5 124.4 239.6)", "#3F7CF0");
        add("rgb(none 124 240)", "#007CF0");
        add("hsl(220, 60%, 50%)", "#3366CC");
        add("hsl(220deg 60% 50%)", "#3366CC");
        add("hsl(480 100% 50%)", "#00FF00");
        add("oklch(0.7 0.1 30)", "#D58679");
        add("oklch(0% 0 0 / 0.5)", "#000000", 0.5);
        add("oklch(45.20% 0.3132 264.05)", "#0000FF"); // rounding is not clipping
        add("oklch(90% 0.4 140)", "#00FF00", -1, true);
        add(" CornflowerBlue ", "#6495ED");
    }

    void parseAccepted()
    {
        auto [text, hex, alpha, clipped] = fetch<QString, QString, double, bool>("text", "hex", "alpha", "clipped");
        const ParsedColor parsed = parseColor(text);
        QVERIFY2(parsed.ok(), qPrintable(parsed.problem));
        QCOMPARE(parsed.hex, hex);
        QCOMPARE(parsed.alpha.has_value(), alpha >= 0);
        if (parsed.alpha)
            QVERIFY(qAbs(*parsed.alpha - alpha) < 1e-9);
        QCOMPARE(parsed.clipped, clipped);
        QVERIFY(parsed.problem.isEmpty());
    }

    void parseRejected_data()
    {
        columns<QString, QString>("text", "problem");
        auto add = [](const char *text, const char *problem) { testRow(text, text, problem); };
        const char *range255 = "is out of range in rgb(), which takes 0 to 255, or 0% to 100%";
        add("blurple", "Not a color name or code: \u201Cblurple\u201D");
        add("#12345", "A hex color has 3, 4, 6 or 8 digits, not 5");
        add("#3F7CG0", "\u201CG\u201D is not a hex digit");
        add("#3F7CF0 x", "Unexpected \u201Cx\u201D after the color");
        add("lab(50% 40 59)", "Unknown color function: lab()");
        add("rgb(1, 2)", "rgb() takes 3 values and an optional alpha, not 2");
        add("rgba(1, 2, 3, 4, 5)", "rgba() takes 3 values and an optional alpha, not 5");
        add("rgb(1, , 3)", "A value is missing in rgb()");
        add("rgb(1, 2, 3 / 0.5)", "rgb() takes commas or spaces, not both");
        add("oklch(0.7, 0.1, 30)", "oklch() takes values separated by spaces, not commas");
        add("rgb(1deg 2 3)", "Not understood in rgb(): \u201C1deg\u201D");
        add("rgb(300, 0, 0)", qPrintable(QStringLiteral("300 ") + range255));
        add("rgb(101% 0 0)", qPrintable(QStringLiteral("101% ") + range255));
        add("rgba(1, 2, 3, 1.5)", "1.5 is out of range in rgba(), which takes 0 to 1, or 0% to 100%");
        add("hsl(10, 120%, 50%)", "120% is out of range in hsl(), which takes 0% to 100%");
        add("hsl(220, 0.6, 0.5)", "hsl() takes a percentage here, not \u201C0.6\u201D");
        add("oklch(1.5 0.1 30)", "1.5 is out of range in oklch(), which takes 0% to 100%, or 0 to 1");
    }

    void parseRejected()
    {
        auto [text, problem] = fetch<QString, QString>("text", "problem");
        const ParsedColor parsed = parseColor(text);
        QVERIFY(!parsed.ok());
        QCOMPARE(parsed.problem, problem);
    }

    // What the tab copies, pasted back, is the colour it came from: every 8-bit colour in steps of 15 (and
    // the ends), through each notation a colour can be pasted in. OKLCH to its printed precision comes back
    // within one step of a channel: near black a channel's step is far below 0.01 % of lightness.
    void copiedNotationsReadBack()
    {
        for (int r = 0; r <= 255; r += 15) {
            for (int g = 0; g <= 255; g += 15) {
                for (int b = 0; b <= 255; b += 15) {
                    const QString hex = QColor(r, g, b).name().toUpper();
                    for (const QString &notation :
                         {hex, rgbString(hex), rgbSpaceString(hex), lowerHexString(hex), bareHexString(hex)})
                        QCOMPARE(parseColor(notation).hex, hex);
                    const RGB back = rgbComponents(parseColor(oklchString(hex)).hex);
                    QVERIFY2(qAbs(back.r - r) <= 1 && qAbs(back.g - g) <= 1 && qAbs(back.b - b) <= 1,
                             qPrintable(oklchString(hex)));
                }
            }
        }
    }

    // Every colour name Qt knows (its own SVG list) reads as Qt reads it.
    void namedColorsAgreeWithQt()
    {
        const QStringList names = QColor::colorNames();
        QVERIFY(names.size() >= 147);
        for (const QString &name : names) {
            if (name == QStringLiteral("transparent"))
                continue;
            const ParsedColor parsed = parseColor(name);
            QVERIFY2(parsed.ok(), qPrintable(name));
            QCOMPARE(parsed.hex, QColor(name).name().toUpper());
        }
        QVERIFY(!parseColor(QStringLiteral("transparent")).ok());
    }
};

TESSELLON_TEST(tst_ColorSamplerService)
#include "tst_ColorSamplerService.moc"
