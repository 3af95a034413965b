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

// Ten shades "50" (lightest) to "900", keeping the hue (and at least a faint saturation).
QList<PaletteEntry> shades(const QString &hex);
// Complementary, analogous either side, triadic.
QList<PaletteEntry> harmonies(const QString &hex);
// The shade ramp as CSS custom properties in a :root block, lower-case hex, no final line feed.
QString shadesCSS(const QString &hex);

} // namespace ColorSamplerService
