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
};

QTEST_GUILESS_MAIN(tst_ColorSamplerService)
#include "tst_ColorSamplerService.moc"
