#include "core/color/ColorSamplerService.h"

#include "core/color/ColorMath.h"

#include <QCoreApplication>

#include <cmath>

namespace ColorSamplerService {

namespace detail {

// Nearest integer, halves away from zero (127.5 becomes 128).
qint64 rounded(double value)
{
    return qint64(std::round(value));
}

QString tr(const char *text)
{
    return QCoreApplication::translate("ColorSamplerService", text);
}

QString hexText(qint64 r, qint64 g, qint64 b)
{
    return QString::asprintf("#%02llX%02llX%02llX", static_cast<long long>(r), static_cast<long long>(g),
                             static_cast<long long>(b));
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Six characters as one 24-bit value: six hex digits, or a "+" and five digits, or a "-" and five zeros
// (the forms an unsigned base-16 parse accepts).
std::optional<quint32> parseSix(QStringView text)
{
    if (text.size() != 6)
        return std::nullopt;
    QStringView digits = text;
    const QChar sign = text.front();
    if (sign == u'+' || sign == u'-')
        digits = text.sliced(1);
    if (!std::all_of(digits.begin(), digits.end(), isHexDigit))
        return std::nullopt;
    bool ok = false;
    const quint32 value = digits.toUInt(&ok, 16);
    if (!ok || (sign == u'-' && value != 0))
        return std::nullopt;
    return value;
}

const QColor &greyFallback()
{
    static const QColor grey = QColor::fromRgbF(0.5f, 0.5f, 0.5f);
    return grey;
}

} // namespace detail

using namespace detail;

namespace {

struct ShadeRow {
    const char *name;
    double lightness;
};

constexpr ShadeRow kShades[] = {{"50", 0.96},  {"100", 0.90}, {"200", 0.80}, {"300", 0.68}, {"400", 0.56},
                                {"500", 0.46}, {"600", 0.38}, {"700", 0.30}, {"800", 0.22}, {"900", 0.14}};

struct HarmonyRow {
    const char *name; // UTF-8
    double offset;
};

constexpr HarmonyRow kHarmonies[] = {
    {QT_TRANSLATE_NOOP("ColorSamplerService", "Complementary"), 180},
    {QT_TRANSLATE_NOOP("ColorSamplerService", "Analogous \u221230\u00B0"), -30},
    {QT_TRANSLATE_NOOP("ColorSamplerService", "Analogous +30\u00B0"), 30},
    {QT_TRANSLATE_NOOP("ColorSamplerService", "Triadic"), 120},
};

} // namespace

QString hex(const QColor &color)
{
    const QColor srgb = color.toRgb().isValid() ? color.toRgb() : color;
    return hexText(rounded(srgb.redF() * 255.0), rounded(srgb.greenF() * 255.0), rounded(srgb.blueF() * 255.0));
}

QColor color(const QString &hex)
{
    QStringView text = QStringView(hex).trimmed();
    if (text.startsWith(u'#'))
        text = text.sliced(1);
    const std::optional<quint32> value = parseSix(text);
    if (!value)
        return greyFallback();
    return QColor::fromRgbF(float(((*value >> 16) & 0xFF) / 255.0), float(((*value >> 8) & 0xFF) / 255.0),
                            float((*value & 0xFF) / 255.0));
}

RGB rgbComponents(const QString &hex)
{
    const QColor c = color(hex).toRgb();
    return {rounded(c.redF() * 255.0), rounded(c.greenF() * 255.0), rounded(c.blueF() * 255.0)};
}

HSL hsl(const QString &hex)
{
    const RGB rgb = rgbComponents(hex);
    const double r = rgb.r / 255.0;
    const double g = rgb.g / 255.0;
    const double b = rgb.b / 255.0;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double d = max - min;
    const double l = (max + min) * 0.5;
    if (d == 0)
        return {0, 0, l};
    const double s = l > 0.5 ? d / (2 - max - min) : d / (max + min);
    double h = 0;
    if (r == max)
        h = (g - b) / d + (g < b ? 6 : 0);
    else if (g == max)
        h = (b - r) / d + 2;
    else
        h = (r - g) / d + 4;
    return {h * 60, s, l};
}

QString hex(double h, double s, double l)
{
    const double hue = std::fmod(std::fmod(h, 360.0) + 360.0, 360.0);
    const double c = (1 - std::fabs(2 * l - 1)) * s;
    const double sector = hue / 60;
    const double x = c * (1 - std::fabs(std::fmod(sector, 2.0) - 1));
    const double m = l - c / 2;
    double r1 = c, g1 = 0, b1 = x;
    if (sector >= 0 && sector < 1) {
        r1 = c, g1 = x, b1 = 0;
    } else if (sector >= 1 && sector < 2) {
        r1 = x, g1 = c, b1 = 0;
    } else if (sector >= 2 && sector < 3) {
        r1 = 0, g1 = c, b1 = x;
    } else if (sector >= 3 && sector < 4) {
        r1 = 0, g1 = x, b1 = c;
    } else if (sector >= 4 && sector < 5) {
        r1 = x, g1 = 0, b1 = c;
    }
    return hexText(rounded((m + r1) * 255), rounded((m + g1) * 255), rounded((m + b1) * 255));
}

QList<PaletteEntry> shades(const QString &hex)
{
    const HSL base = hsl(hex);
    // Greys and near-greys still get a faint tint.
    const double saturation = base.s <= 0.05 ? 0.05 : base.s;
    QList<PaletteEntry> entries;
    for (const ShadeRow &row : kShades)
        entries.append({QString::fromLatin1(row.name), ColorSamplerService::hex(base.h, saturation, row.lightness)});
    return entries;
}

QList<PaletteEntry> harmonies(const QString &hex)
{
    const HSL base = hsl(hex);
    QList<PaletteEntry> entries;
    for (const HarmonyRow &row : kHarmonies)
        entries.append({QCoreApplication::translate("ColorSamplerService", row.name),
                        ColorSamplerService::hex(base.h + row.offset, base.s, base.l)});
    return entries;
}

QString shadesCSS(const QString &hex)
{
    QStringList lines{QStringLiteral(":root {")};
    for (const PaletteEntry &shade : shades(hex))
        lines.append(QStringLiteral("  --shade-%1: %2;").arg(shade.name, shade.hex.toLower()));
    lines.append(QStringLiteral("}"));
    return lines.join(u'\n');
}

} // namespace ColorSamplerService
