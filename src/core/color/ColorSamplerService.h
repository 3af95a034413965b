#pragma once

#include <QColor>
#include <QList>
#include <QString>

#include <optional>

// The colour tool's conversions. Its one colour representation is hex text: "#" and six upper-case
// hexadecimal digits, red, green, blue; everything shown or copied is derived from it again each time.
// Halves round away from zero and nothing is clamped.
namespace ColorSamplerService {

struct RGB {
    qint64 r = 0;
    qint64 g = 0;
    qint64 b = 0;
    bool operator==(const RGB &) const = default;
};

struct HSL {
    double h = 0; // degrees, 0 up to 360
    double s = 0; // 0…1
    double l = 0; // 0…1
    bool operator==(const HSL &) const = default;
};

struct PaletteEntry {
    QString name;
    QString hex;
    bool operator==(const PaletteEntry &) const = default;
};

QString hex(const QColor &color);
// Lenient: surrounding whitespace and one leading "#" are dropped, lower case is fine; anything unreadable
// gives the same neutral mid grey.
QColor color(const QString &hex);
RGB rgbComponents(const QString &hex);
HSL hsl(const QString &hex);
QString rgbString(const QString &hex);
QString hslString(const QString &hex);
QString swiftUIString(const QString &hex);
// Any finite hue: it is wrapped into 0 up to 360 first.
QString hex(double h, double s, double l);

// More notations of the same hex, for the "More formats" rows.
struct OKLCH {
    double l = 0; // 0…1
    double c = 0; // chroma, 0 up to about 0.37 inside sRGB
    double h = 0; // degrees, 0 up to 360
};
OKLCH oklch(const QString &hex);
// "oklch(60.80% 0.1860 261.72)": lightness as a percentage, chroma and hue to four and two decimals; a
// grey's hue, which has no meaning, prints as 0.
QString oklchString(const QString &hex);
QString rgbSpaceString(const QString &hex);   // rgb(63 124 240)
QString hslSpaceString(const QString &hex);   // hsl(219 86% 59%)
QString lowerHexString(const QString &hex);   // #3f7cf0
QString bareHexString(const QString &hex);    // 3F7CF0
QString qColorString(const QString &hex);     // QColor(63, 124, 240)
QString flutterString(const QString &hex);    // Color(0xFF3F7CF0)
QString hexLiteralString(const QString &hex); // 0x3F7CF0

// WCAG 2.x: the relative luminance of an opaque sRGB colour (0 to 1) and the contrast ratio of two (1 to 21).
double relativeLuminance(const QColor &color);
double contrastRatio(const QColor &a, const QColor &b);

enum class ContrastLevel { AALarge, AA, AAALarge, AAA }; // from the easiest to meet to the hardest

// The contrast of two hex colours as it is shown: the ratio cut (not rounded) to hundredths, so that a
// ratio shown as 4.50 always meets 4.5:1 and one shown as 4.49 never does.
struct Contrast {
    int hundredths = 100;
    QString ratioText() const; // "3.92:1"
    bool passes(ContrastLevel level) const;
    // "passes AA large, fails AA, fails AAA large, fails AAA", for a screen reader.
    QString spokenMarks() const;
};
Contrast contrast(const QString &foregroundHex, const QString &backgroundHex);
const QList<ContrastLevel> &contrastLevels(); // all four, easiest first
QString levelName(ContrastLevel level);       // "AA large"
// The colours every contrast check offers besides the recent ones.
inline const QString kWhite = QStringLiteral("#FFFFFF");
inline const QString kBlack = QStringLiteral("#000000");
// One line to paste into a review: "#3F7CF0 on #FFFFFF — 3.92:1, AA large".
QString contrastSummary(const QString &foregroundHex, const QString &backgroundHex);

// A colour as a person types or pastes it: hex of 3, 4, 6 or 8 digits with or without "#"; rgb()/rgba()
// and hsl()/hsla() with commas or spaces; oklch(); a CSS colour name. Case and surrounding space do not
// matter. Alpha is read, and dropped from the hex.
struct ParsedColor {
    QString hex;                 // canonical; empty when the text was not understood
    QString problem;             // what was not understood, as a sentence for the banner
    std::optional<double> alpha; // given by the text, 0…1
    bool clipped = false;        // an oklch() colour outside sRGB, brought inside channel by channel
    bool ok() const { return !hex.isEmpty(); }
};
ParsedColor parseColor(const QString &text);

// Ten shades "50" (lightest) to "900", keeping the hue (and at least a faint saturation).
QList<PaletteEntry> shades(const QString &hex);
// Complementary, analogous either side, triadic.
QList<PaletteEntry> harmonies(const QString &hex);
// The shade ramp as CSS custom properties in a :root block, lower-case hex, no final line feed.
QString shadesCSS(const QString &hex);

} // namespace ColorSamplerService
