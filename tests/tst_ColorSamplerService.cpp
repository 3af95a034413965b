#include "services/ColorSamplerService.h"

#include <QTest>

using namespace ColorSamplerService;

class tst_ColorSamplerService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hexFromColor_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("hex");
        QTest::newRow("red") << QColor::fromRgbF(1, 0, 0) << "#FF0000";
        QTest::newRow("a half rounds up") << QColor::fromRgbF(0.5f, 0.5f, 0.5f) << "#808080";
        QTest::newRow("small values padded") << QColor(1, 10, 15) << "#010A0F";
        QTest::newRow("HSV colour converted") << QColor::fromHsv(120, 255, 255) << "#00FF00";
    }

    void hexFromColor()
    {
        QFETCH(QColor, color);
        QFETCH(QString, hex);
        QCOMPARE(ColorSamplerService::hex(color), hex);
    }

    // The lenient reading and every notation, from one hex text. Unreadable text reads as the mid grey.
    void notations_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("rgb");
        QTest::addColumn<QString>("hsl");
        QTest::addColumn<QString>("swiftUI");
        QTest::newRow("canonical") << "#1A2B3C"
                                   << "rgb(26, 43, 60)"
                                   << "hsl(210, 40%, 17%)"
                                   << "Color(red: 0.102, green: 0.169, blue: 0.235)";
        QTest::newRow("spaces, newline, lower case") << " #1a2b3c\n"
                                                     << "rgb(26, 43, 60)"
                                                     << "hsl(210, 40%, 17%)"
                                                     << "Color(red: 0.102, green: 0.169, blue: 0.235)";
        QTest::newRow("without #") << "1A2B3C"
                                   << "rgb(26, 43, 60)"
                                   << "hsl(210, 40%, 17%)"
                                   << "Color(red: 0.102, green: 0.169, blue: 0.235)";
        QTest::newRow("red") << "#FF0000"
                             << "rgb(255, 0, 0)"
                             << "hsl(0, 100%, 50%)"
                             << "Color(red: 1.000, green: 0.000, blue: 0.000)";
        QTest::newRow("blue-ish") << "#3366CC"
                                  << "rgb(51, 102, 204)"
                                  << "hsl(220, 60%, 50%)"
                                  << "Color(red: 0.200, green: 0.400, blue: 0.800)";
        QTest::newRow("hue 359.76 prints as 360") << "#FF0001"
                                                  << "rgb(255, 0, 1)"
                                                  << "hsl(360, 100%, 50%)"
                                                  << "Color(red: 1.000, green: 0.000, blue: 0.004)";
        QTest::newRow("orange") << "#FF8000"
                                << "rgb(255, 128, 0)"
                                << "hsl(30, 100%, 50%)"
                                << "Color(red: 1.000, green: 0.502, blue: 0.000)";
        QTest::newRow("green is max, ties go to red first") << "#FFFF00"
                                                            << "rgb(255, 255, 0)"
                                                            << "hsl(60, 100%, 50%)"
                                                            << "Color(red: 1.000, green: 1.000, blue: 0.000)";
        QTest::newRow("light: other saturation formula") << "#E0F0FF"
                                                         << "rgb(224, 240, 255)"
                                                         << "hsl(209, 100%, 94%)"
                                                         << "Color(red: 0.878, green: 0.941, blue: 1.000)";
        QTest::newRow("plus sign and five digits") << "+12345"
                                                   << "rgb(1, 35, 69)"
                                                   << "hsl(210, 97%, 14%)"
                                                   << "Color(red: 0.004, green: 0.137, blue: 0.271)";
        QTest::newRow("minus and five zeros is black") << "-00000"
                                                       << "rgb(0, 0, 0)"
                                                       << "hsl(0, 0%, 0%)"
                                                       << "Color(red: 0.000, green: 0.000, blue: 0.000)";
        const QString grey = QStringLiteral("rgb(128, 128, 128)");
        const QString greyHsl = QStringLiteral("hsl(0, 0%, 50%)");
        const QString greySwift = QStringLiteral("Color(red: 0.502, green: 0.502, blue: 0.502)");
        QTest::newRow("grey itself") << "#808080" << grey << greyHsl << greySwift;
        QTest::newRow("short form") << "#FFF" << grey << greyHsl << greySwift;
        QTest::newRow("two #") << "##12345" << grey << greyHsl << greySwift;
        QTest::newRow("non-digit") << "#12345G" << grey << greyHsl << greySwift;
        QTest::newRow("empty") << "" << grey << greyHsl << greySwift;
        QTest::newRow("minus with a digit") << "-00001" << grey << greyHsl << greySwift;
        QTest::newRow("sign inside") << "12+345" << grey << greyHsl << greySwift;
        QTest::newRow("seven digits") << "#1234567" << grey << greyHsl << greySwift;
        QTest::newRow("inner space") << "#12 345" << grey << greyHsl << greySwift;
    }

    void notations()
    {
        QFETCH(QString, hex);
        QFETCH(QString, rgb);
        QFETCH(QString, hsl);
        QFETCH(QString, swiftUI);
        QCOMPARE(rgbString(hex), rgb);
        QCOMPARE(hslString(hex), hsl);
        QCOMPARE(swiftUIString(hex), swiftUI);
    }

    void hexFromHSL_data()
    {
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("s");
        QTest::addColumn<double>("l");
        QTest::addColumn<QString>("hex");
        QTest::newRow("red") << 0.0 << 1.0 << 0.5 << "#FF0000";
        QTest::newRow("360 wraps to red") << 360.0 << 1.0 << 0.5 << "#FF0000";
        QTest::newRow("negative hue") << -30.0 << 1.0 << 0.5 << "#FF0080";
        QTest::newRow("far above 360") << 840.0 << 1.0 << 0.5 << "#00FF00";
        QTest::newRow("dark green") << 120.0 << 1.0 << 0.25 << "#008000";
        QTest::newRow("round trip of #3366CC") << 220.0 << 0.6 << 0.5 << "#3366CC";
        QTest::newRow("grey") << 0.0 << 0.0 << 0.5 << "#808080";
        QTest::newRow("white") << 200.0 << 0.7 << 1.0 << "#FFFFFF";
    }

    void hexFromHSL()
    {
        QFETCH(double, h);
        QFETCH(double, s);
        QFETCH(double, l);
        QFETCH(QString, hex);
        QCOMPARE(ColorSamplerService::hex(h, s, l), hex);
    }

    void paletteNamesAndOrder()
    {
        QStringList names;
        for (const PaletteEntry &entry : ColorSamplerService::shades(QStringLiteral("#3366CC")))
            names.append(entry.name);
        QCOMPARE(names, (QStringList{"50", "100", "200", "300", "400", "500", "600", "700", "800", "900"}));
        names.clear();
        for (const PaletteEntry &entry : ColorSamplerService::harmonies(QStringLiteral("#3366CC")))
            names.append(entry.name);
        QCOMPARE(names, (QStringList{"Complementary", "Analogous \u221230\u00B0", "Analogous +30\u00B0", "Triadic"}));
    }

    // Shades keep the hue at the table's lightness, with at least 5 % saturation.
    void shades_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<double>("hue");
        QTest::addColumn<double>("saturation");
        QTest::newRow("black: hue 0, floor 0.05") << "#000000" << 0.0 << 0.05;
        QTest::newRow("white: the same ramp as black") << "#FFFFFF" << 0.0 << 0.05;
        QTest::newRow("3 % saturation raised to 5 %") << "#7A7D7D" << 180.0 << 0.05;
        QTest::newRow("saturated keeps its own") << "#3366CC" << 220.0 << 0.6;
    }

    void shades()
    {
        QFETCH(QString, hex);
        QFETCH(double, hue);
        QFETCH(double, saturation);
        const QList<double> lightness = {0.96, 0.90, 0.80, 0.68, 0.56, 0.46, 0.38, 0.30, 0.22, 0.14};
        const QList<PaletteEntry> ramp = ColorSamplerService::shades(hex);
        QCOMPARE(ramp.size(), 10);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(ramp[i].hex, ColorSamplerService::hex(hue, saturation, lightness[i]));
    }

    void harmonies_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QStringList>("expected");
        // #F00028 has hue 350 exactly (saturation 1, lightness 120/255): complementary at 170, analogous at
        // 320 and 20, triadic at 110. #F02800 has hue 10, so its lower analogous one is at 340.
        const double l = 120 / 255.0;
        QTest::newRow("worked by hand") << "#F00028" << QStringList{"#00F0C8", "#F000A0", "#F05000", "#28F000"};
        QTest::newRow("hue 350 wraps") << "#F00028"
                                       << QStringList{
                                              ColorSamplerService::hex(170, 1, l), ColorSamplerService::hex(320, 1, l),
                                              ColorSamplerService::hex(20, 1, l), ColorSamplerService::hex(110, 1, l)};
        QTest::newRow("hue 10: analogous below at 340")
            << "#F02800"
            << QStringList{ColorSamplerService::hex(190, 1, l), ColorSamplerService::hex(340, 1, l),
                           ColorSamplerService::hex(40, 1, l), ColorSamplerService::hex(130, 1, l)};
        QTest::newRow("a grey is its own harmony")
            << "#777777" << QStringList{"#777777", "#777777", "#777777", "#777777"};
    }

    void harmonies()
    {
        QFETCH(QString, hex);
        QFETCH(QStringList, expected);
        QStringList actual;
        for (const PaletteEntry &entry : ColorSamplerService::harmonies(hex))
            actual.append(entry.hex);
        QCOMPARE(actual, expected);
    }

    void cssExport()
    {
        const QString css = shadesCSS(QStringLiteral("#3366CC"));
        QString expected = QStringLiteral(":root {\n");
        for (const PaletteEntry &shade : ColorSamplerService::shades(QStringLiteral("#3366CC")))
            expected += QStringLiteral("  --shade-") + shade.name + QStringLiteral(": ") + shade.hex.toLower() +
                        QStringLiteral(";\n");
        expected += u'}';
        QCOMPARE(css, expected);
        QCOMPARE(css.count(u'\n'), 11);
        QVERIFY(!css.contains(u'\r'));
        // Worked by hand: hue 220, saturation 0.6 at lightness 0.96 and 0.14.
        QVERIFY(css.contains(QStringLiteral("\n  --shade-50: #eff3fb;\n")));
        QVERIFY(css.endsWith(QStringLiteral("--shade-900: #0e1d39;\n}")));
    }

    // Expected values from colorjs.io 0.7.1 (the CSS Color 4 editors' library), not from this code.
    void moreNotations_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("oklch");
        QTest::addColumn<QString>("rgb");
        QTest::addColumn<QString>("hsl");
        QTest::addColumn<QString>("code"); // lower-case hex, bare hex, QColor, Flutter, 0x literal
        QTest::newRow("blue") << "#3F7CF0"
                              << "oklch(60.80% 0.1860 261.72)"
                              << "rgb(63 124 240)"
                              << "hsl(219 86% 59%)"
                              << "#3f7cf0 3F7CF0 QColor(63, 124, 240) Color(0xFF3F7CF0) 0x3F7CF0";
        QTest::newRow("black") << "#000000"
                               << "oklch(0.00% 0.0000 0.00)"
                               << "rgb(0 0 0)"
                               << "hsl(0 0% 0%)"
                               << "#000000 000000 QColor(0, 0, 0) Color(0xFF000000) 0x000000";
        QTest::newRow("white: a grey, hue 0") << "#FFFFFF"
                                              << "oklch(100.00% 0.0000 0.00)"
                                              << "rgb(255 255 255)"
                                              << "hsl(0 0% 100%)"
                                              << "#ffffff FFFFFF QColor(255, 255, 255) Color(0xFFFFFFFF) 0xFFFFFF";
        QTest::newRow("mid grey") << "#808080"
                                  << "oklch(59.99% 0.0000 0.00)"
                                  << "rgb(128 128 128)"
                                  << "hsl(0 0% 50%)"
                                  << "#808080 808080 QColor(128, 128, 128) Color(0xFF808080) 0x808080";
        QTest::newRow("near black") << "#010101"
                                    << "oklch(6.72% 0.0000 0.00)"
                                    << "rgb(1 1 1)"
                                    << "hsl(0 0% 0%)"
                                    << "#010101 010101 QColor(1, 1, 1) Color(0xFF010101) 0x010101";
        QTest::newRow("near white") << "#FEFEFE"
                                    << "oklch(99.70% 0.0000 0.00)"
                                    << "rgb(254 254 254)"
                                    << "hsl(0 0% 100%)"
                                    << "#fefefe FEFEFE QColor(254, 254, 254) Color(0xFFFEFEFE) 0xFEFEFE";
        QTest::newRow("red") << "#FF0000"
                             << "oklch(62.80% 0.2577 29.23)"
                             << "rgb(255 0 0)"
                             << "hsl(0 100% 50%)"
                             << "#ff0000 FF0000 QColor(255, 0, 0) Color(0xFFFF0000) 0xFF0000";
        QTest::newRow("green") << "#00FF00"
                               << "oklch(86.64% 0.2948 142.50)"
                               << "rgb(0 255 0)"
                               << "hsl(120 100% 50%)"
                               << "#00ff00 00FF00 QColor(0, 255, 0) Color(0xFF00FF00) 0x00FF00";
        QTest::newRow("blue primary, the largest chroma")
            << "#0000FF"
            << "oklch(45.20% 0.3132 264.05)"
            << "rgb(0 0 255)"
            << "hsl(240 100% 50%)"
            << "#0000ff 0000FF QColor(0, 0, 255) Color(0xFF0000FF) 0x0000FF";
        QTest::newRow("magenta") << "#FF00FF"
                                 << "oklch(70.17% 0.3225 328.36)"
                                 << "rgb(255 0 255)"
                                 << "hsl(300 100% 50%)"
                                 << "#ff00ff FF00FF QColor(255, 0, 255) Color(0xFFFF00FF) 0xFF00FF";
        QTest::newRow("dark slate") << "#1A2B3C"
                                    << "oklch(28.26% 0.0388 249.34)"
                                    << "rgb(26 43 60)"
                                    << "hsl(210 40% 17%)"
                                    << "#1a2b3c 1A2B3C QColor(26, 43, 60) Color(0xFF1A2B3C) 0x1A2B3C";
        QTest::newRow("unreadable: the grey fallback, like the other rows")
            << "NOT A COLOR"
            << "oklch(59.99% 0.0000 0.00)"
            << "rgb(128 128 128)"
            << "hsl(0 0% 50%)"
            << "#808080 808080 QColor(128, 128, 128) Color(0xFF808080) 0x808080";
    }

    void moreNotations()
    {
        QFETCH(QString, hex);
        QFETCH(QString, oklch);
        QFETCH(QString, rgb);
        QFETCH(QString, hsl);
        QFETCH(QString, code);
        QCOMPARE(oklchString(hex), oklch);
        QCOMPARE(rgbSpaceString(hex), rgb);
        QCOMPARE(hslSpaceString(hex), hsl);
        QCOMPARE(QStringList({lowerHexString(hex), bareHexString(hex), qColorString(hex), flutterString(hex),
                              hexLiteralString(hex)})
                     .join(u' '),
                 code);
    }

    // Ratios from colorjs.io 0.7.1; the greys are the usual boundary cases on white.
    void contrast_data()
    {
        QTest::addColumn<QString>("foreground");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QString>("passes"); // the levels met, easiest first
        QTest::addColumn<QString>("summary");
        QTest::newRow("black on white") << "#000000"
                                        << "#FFFFFF"
                                        << "21.00:1"
                                        << "AA large, AA, AAA large, AAA"
                                        << "#000000 on #FFFFFF \u2014 21.00:1, AAA";
        QTest::newRow("white on black, the same") << "#FFFFFF"
                                                  << "#000000"
                                                  << "21.00:1"
                                                  << "AA large, AA, AAA large, AAA"
                                                  << "#FFFFFF on #000000 \u2014 21.00:1, AAA";
        QTest::newRow("equal colours") << "#3F7CF0"
                                       << "#3F7CF0"
                                       << "1.00:1"
                                       << ""
                                       << "#3F7CF0 on #3F7CF0 \u2014 1.00:1, fails AA large";
        QTest::newRow("3.03: large text only") << "#949494"
                                               << "#FFFFFF"
                                               << "3.03:1"
                                               << "AA large"
                                               << "#949494 on #FFFFFF \u2014 3.03:1, AA large";
        QTest::newRow("2.99: nothing") << "#959595"
                                       << "#FFFFFF"
                                       << "2.99:1"
                                       << ""
                                       << "#959595 on #FFFFFF \u2014 2.99:1, fails AA large";
        // 2.998 would round to 3.00 and still fail: it is cut, so what is shown agrees with the marks.
        QTest::newRow("2.998 shows as 2.99") << "#595959"
                                             << "#000000"
                                             << "2.99:1"
                                             << ""
                                             << "#595959 on #000000 \u2014 2.99:1, fails AA large";
        QTest::newRow("4.54: AA") << "#767676"
                                  << "#FFFFFF"
                                  << "4.54:1"
                                  << "AA large, AA, AAA large"
                                  << "#767676 on #FFFFFF \u2014 4.54:1, AA, AAA large";
        QTest::newRow("4.478: not AA") << "#777777"
                                       << "#FFFFFF"
                                       << "4.47:1"
                                       << "AA large"
                                       << "#777777 on #FFFFFF \u2014 4.47:1, AA large";
        QTest::newRow("7.005: AAA") << "#595959"
                                    << "#FFFFFF"
                                    << "7.00:1"
                                    << "AA large, AA, AAA large, AAA"
                                    << "#595959 on #FFFFFF \u2014 7.00:1, AAA";
        QTest::newRow("6.897: not AAA") << "#5A5A5A"
                                        << "#FFFFFF"
                                        << "6.89:1"
                                        << "AA large, AA, AAA large"
                                        << "#5A5A5A on #FFFFFF \u2014 6.89:1, AA, AAA large";
        QTest::newRow("a blue on white") << "#3F7CF0"
                                         << "#FFFFFF"
                                         << "3.92:1"
                                         << "AA large"
                                         << "#3F7CF0 on #FFFFFF \u2014 3.92:1, AA large";
    }

    void contrast()
    {
        QFETCH(QString, foreground);
        QFETCH(QString, background);
        QFETCH(QString, ratio);
        QFETCH(QString, passes);
        QFETCH(QString, summary);
        const Contrast value = ColorSamplerService::contrast(foreground, background);
        QCOMPARE(value.ratioText(), ratio);
        QStringList met, spoken;
        for (ContrastLevel level :
             {ContrastLevel::AALarge, ContrastLevel::AA, ContrastLevel::AAALarge, ContrastLevel::AAA}) {
            if (value.passes(level))
                met.append(levelName(level));
            spoken.append((value.passes(level) ? QStringLiteral("passes ") : QStringLiteral("fails ")) +
                          levelName(level));
        }
        QCOMPARE(met.join(QStringLiteral(", ")), passes);
        QCOMPARE(value.spokenMarks(), spoken.join(QStringLiteral(", ")));
        QCOMPARE(contrastSummary(foreground, background), summary);
    }

    // What a person types or pastes. Expected hexes of the oklch() rows are colorjs.io's.
    void parseAccepted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<double>("alpha"); // -1: none given
        QTest::addColumn<bool>("clipped");
        QTest::newRow("#6") << "#3F7CF0"
                            << "#3F7CF0" << -1.0 << false;
        QTest::newRow("6 without #, lower case") << "3f7cf0"
                                                 << "#3F7CF0" << -1.0 << false;
        QTest::newRow("#3") << "#3a7"
                            << "#33AA77" << -1.0 << false;
        QTest::newRow("3 without #, letters only") << "fab"
                                                   << "#FFAABB" << -1.0 << false;
        QTest::newRow("#4 has alpha") << "#3a78"
                                      << "#33AA77" << 0x88 / 255.0 << false;
        QTest::newRow("8 without #") << "3F7CF080"
                                     << "#3F7CF0" << 0x80 / 255.0 << false;
        QTest::newRow("surrounding space and newline") << "  #3F7CF0\n"
                                                       << "#3F7CF0" << -1.0 << false;
        QTest::newRow("rgb commas") << "rgb(63, 124, 240)"
                                    << "#3F7CF0" << -1.0 << false;
        QTest::newRow("rgb tight commas") << "rgb(63,124,240)"
                                          << "#3F7CF0" << -1.0 << false;
        QTest::newRow("rgb spaces") << "rgb(63 124 240)"
                                    << "#3F7CF0" << -1.0 << false;
        QTest::newRow("RGB upper case, inner spaces") << "RGB( 63  124 240 )"
                                                      << "#3F7CF0" << -1.0 << false;
        QTest::newRow("rgba commas") << "rgba(63, 124, 240, 0.5)"
                                     << "#3F7CF0" << 0.5 << false;
        QTest::newRow("rgb spaces, slash alpha") << "rgb(63 124 240 / 25%)"
                                                 << "#3F7CF0" << 0.25 << false;
        QTest::newRow("rgba without alpha") << "rgba(63 124 240)"
                                            << "#3F7CF0" << -1.0 << false;
        QTest::newRow("percent channels, halves round up") << "rgb(50%, 25%, 100%)"
                                                           << "#8040FF" << -1.0 << false;
        QTest::newRow("fractional channels") << "rgb(62.5 124.4 239.6)"
                                             << "#3F7CF0" << -1.0 << false;
        QTest::newRow("none is zero") << "rgb(none 124 240)"
                                      << "#007CF0" << -1.0 << false;
        QTest::newRow("hsl commas") << "hsl(220, 60%, 50%)"
                                    << "#3366CC" << -1.0 << false;
        QTest::newRow("hsl spaces") << "hsl(220 60% 50%)"
                                    << "#3366CC" << -1.0 << false;
        QTest::newRow("hsl spaces, bare numbers") << "hsl(220 60 50)"
                                                  << "#3366CC" << -1.0 << false;
        QTest::newRow("hsla with alpha") << "hsla(220, 60%, 50%, 1)"
                                         << "#3366CC" << 1.0 << false;
        QTest::newRow("hue in deg") << "hsl(220deg 60% 50%)"
                                    << "#3366CC" << -1.0 << false;
        QTest::newRow("hue in turns") << "hsl(0.5turn 100% 50%)"
                                      << "#00FFFF" << -1.0 << false;
        QTest::newRow("hue past 360 wraps") << "hsl(480 100% 50%)"
                                            << "#00FF00" << -1.0 << false;
        QTest::newRow("negative hue") << "hsl(-120, 100%, 50%)"
                                      << "#0000FF" << -1.0 << false;
        QTest::newRow("oklch percent") << "oklch(60.80% 0.1860 261.72)"
                                       << "#3F7CF0" << -1.0 << false;
        QTest::newRow("oklch number lightness") << "oklch(0.7 0.1 30)"
                                                << "#D58679" << -1.0 << false;
        QTest::newRow("oklch chroma percent") << "oklch(62.8% 40% 29.23)"
                                              << "#D85B4C" << -1.0 << false;
        QTest::newRow("oklch white") << "oklch(100% 0 0)"
                                     << "#FFFFFF" << -1.0 << false;
        QTest::newRow("oklch black, alpha") << "oklch(0% 0 0 / 0.5)"
                                            << "#000000" << 0.5 << false;
        QTest::newRow("oklch of blue: rounding is not clipping") << "oklch(45.20% 0.3132 264.05)"
                                                                 << "#0000FF" << -1.0 << false;
        QTest::newRow("oklch outside sRGB") << "oklch(90% 0.4 140)"
                                            << "#00FF00" << -1.0 << true;
        QTest::newRow("named") << "rebeccapurple"
                               << "#663399" << -1.0 << false;
        QTest::newRow("named, mixed case") << " CornflowerBlue "
                                           << "#6495ED" << -1.0 << false;
        QTest::newRow("named grey spelling") << "darkslategrey"
                                             << "#2F4F4F" << -1.0 << false;
    }

    void parseAccepted()
    {
        QFETCH(QString, text);
        QFETCH(QString, hex);
        QFETCH(double, alpha);
        QFETCH(bool, clipped);
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
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("unknown word") << "blurple"
                                      << "Not a color name or code: \u201Cblurple\u201D";
        QTest::newRow("two words") << "dark blue"
                                   << "Not a color name or code: \u201Cdark blue\u201D";
        QTest::newRow("long paste is cut") << "the quick brown fox jumps over the lazy dog"
                                           << "Not a color name or code: \u201Cthe quick brown fox jum\u2026\u201D";
        QTest::newRow("five digits") << "#12345"
                                     << "A hex color has 3, 4, 6 or 8 digits, not 5";
        QTest::newRow("seven digits, no #") << "1234567"
                                            << "A hex color has 3, 4, 6 or 8 digits, not 7";
        QTest::newRow("# alone") << "#"
                                 << "A hex color has 3, 4, 6 or 8 digits, not 0";
        QTest::newRow("bad digit") << "#3F7CG0"
                                   << "\u201CG\u201D is not a hex digit";
        QTest::newRow("two #") << "##3F7CF0"
                               << "\u201C#\u201D is not a hex digit";
        QTest::newRow("hex, then more") << "#3F7CF0 x"
                                        << "Unexpected \u201Cx\u201D after the color";
        QTest::newRow("function, then more") << "rgb(1, 2, 3);"
                                             << "Unexpected \u201C;\u201D after the color";
        QTest::newRow("unknown function") << "lab(50% 40 59)"
                                          << "Unknown color function: lab()";
        QTest::newRow("no closing parenthesis") << "rgb(1, 2, 3"
                                                << "Missing \u201C)\u201D at the end of rgb()";
        QTest::newRow("two values") << "rgb(1, 2)"
                                    << "rgb() takes 3 values and an optional alpha, not 2";
        QTest::newRow("five values") << "rgba(1, 2, 3, 4, 5)"
                                     << "rgba() takes 3 values and an optional alpha, not 5";
        QTest::newRow("four values with spaces") << "rgb(1 2 3 4)"
                                                 << "rgb() takes 3 values and an optional alpha, not 4";
        QTest::newRow("empty") << "rgb()"
                               << "rgb() takes 3 values and an optional alpha, not 0";
        QTest::newRow("empty value") << "rgb(1, , 3)"
                                     << "A value is missing in rgb()";
        QTest::newRow("commas and slash") << "rgb(1, 2, 3 / 0.5)"
                                          << "rgb() takes commas or spaces, not both";
        QTest::newRow("two alphas") << "rgb(1 2 3 / 0.5 1)"
                                    << "rgb() takes one alpha after \u201C/\u201D";
        QTest::newRow("oklch with commas") << "oklch(0.7, 0.1, 30)"
                                           << "oklch() takes values separated by spaces, not commas";
        QTest::newRow("not a number") << "rgb(1, x, 3)"
                                      << "Not understood in rgb(): \u201Cx\u201D";
        QTest::newRow("angle on a channel") << "rgb(1deg 2 3)"
                                            << "Not understood in rgb(): \u201C1deg\u201D";
        QTest::newRow("percent hue") << "hsl(50% 50% 50%)"
                                     << "Not understood in hsl(): \u201C50%\u201D";
        QTest::newRow("none in the old syntax") << "rgb(none, 2, 3)"
                                                << "Not understood in rgb(): \u201Cnone\u201D";
        QTest::newRow("channel above 255") << "rgb(300, 0, 0)"
                                           << "300 is out of range in rgb(), which takes 0 to 255, or 0% to 100%";
        QTest::newRow("negative channel") << "rgb(-1 0 0)"
                                          << "-1 is out of range in rgb(), which takes 0 to 255, or 0% to 100%";
        QTest::newRow("percent above 100") << "rgb(101% 0 0)"
                                           << "101% is out of range in rgb(), which takes 0 to 255, or 0% to 100%";
        QTest::newRow("alpha above 1") << "rgba(1, 2, 3, 1.5)"
                                       << "1.5 is out of range in rgba(), which takes 0 to 1, or 0% to 100%";
        QTest::newRow("saturation above 100%") << "hsl(10, 120%, 50%)"
                                               << "120% is out of range in hsl(), which takes 0% to 100%";
        QTest::newRow("old hsl wants percent") << "hsl(220, 0.6, 0.5)"
                                               << "hsl() takes a percentage here, not \u201C0.6\u201D";
        QTest::newRow("oklch lightness above 1") << "oklch(1.5 0.1 30)"
                                                 << "1.5 is out of range in oklch(), which takes 0% to 100%, or 0 to 1";
        QTest::newRow("negative chroma") << "oklch(0.5 -0.1 30)"
                                         << "-0.1 is out of range in oklch(), which takes 0 or more";
        QTest::newRow("number too large to hold") << "rgb(1e999 0 0)"
                                                  << "Not understood in rgb(): \u201C1e999\u201D";
    }

    void parseRejected()
    {
        QFETCH(QString, text);
        QFETCH(QString, problem);
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
                    const QString hex = QStringLiteral("#%1%2%3")
                                            .arg(r, 2, 16, QLatin1Char('0'))
                                            .arg(g, 2, 16, QLatin1Char('0'))
                                            .arg(b, 2, 16, QLatin1Char('0'))
                                            .toUpper();
                    for (const QString &notation :
                         {rgbString(hex), rgbSpaceString(hex), lowerHexString(hex), bareHexString(hex)})
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

QTEST_GUILESS_MAIN(tst_ColorSamplerService)
#include "tst_ColorSamplerService.moc"
