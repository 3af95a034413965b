#include "services/ColorSamplerService.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <array>
#include <cmath>

namespace ColorSamplerService {

namespace {

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

namespace {

// The CSS functional notations, in the comma-separated form or the space-separated one.
QString rgbNotation(const QString &hex, const QString &separator)
{
    const RGB rgb = rgbComponents(hex);
    // One pass over all four, so that no number is read as a placeholder.
    return QStringLiteral("rgb(%1%4%2%4%3)")
        .arg(QString::number(rgb.r), QString::number(rgb.g), QString::number(rgb.b), separator);
}

QString hslNotation(const QString &hex, const QString &separator)
{
    const HSL value = hsl(hex);
    // The hue is not wrapped after rounding: 359.5 and above print as 360.
    return QStringLiteral("hsl(%1%4%2%%4%3%)")
        .arg(QString::number(rounded(value.h)), QString::number(rounded(value.s * 100)),
             QString::number(rounded(value.l * 100)), separator);
}

} // namespace

QString rgbString(const QString &hex)
{
    return rgbNotation(hex, QStringLiteral(", "));
}

QString hslString(const QString &hex)
{
    return hslNotation(hex, QStringLiteral(", "));
}

QString swiftUIString(const QString &hex)
{
    const RGB rgb = rgbComponents(hex);
    return QString::asprintf("Color(red: %.3f, green: %.3f, blue: %.3f)", rgb.r / 255.0, rgb.g / 255.0, rgb.b / 255.0);
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

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector times(const Matrix &m, const Vector &v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

Matrix product(const Matrix &a, const Matrix &b)
{
    Matrix m{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            m[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return m;
}

Matrix inverse(const Matrix &m)
{
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                       m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    Matrix r{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            // The cofactor of (j, i) over the determinant.
            const int r0 = (j + 1) % 3, r1 = (j + 2) % 3, c0 = (i + 1) % 3, c1 = (i + 2) % 3;
            r[i][j] = (m[r0][c0] * m[r1][c1] - m[r0][c1] * m[r1][c0]) / det;
        }
    }
    return r;
}

// OKLab as CSS Color 4 defines it: linear sRGB to CIE XYZ (D65), XYZ to the LMS cone responses, their cube
// roots to OKLab.
const Matrix &rgbToLms()
{
    static const Matrix m = product(Matrix{{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                                            {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                                            {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}},
                                    Matrix{{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                                            {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                                            {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}});
    return m;
}

const Matrix &lmsToLab()
{
    static const Matrix m{{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                           {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                           {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
    return m;
}

double toLinear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double fromLinear(double c)
{
    const double magnitude = std::fabs(c);
    const double encoded = magnitude <= 0.0031308 ? magnitude * 12.92 : 1.055 * std::pow(magnitude, 1 / 2.4) - 0.055;
    return std::copysign(encoded, c);
}

// The sRGB channels (0…1, possibly outside it) of an OKLCH colour.
Vector rgbFromOklch(double l, double c, double h)
{
    static const Matrix labToLms = inverse(lmsToLab());
    static const Matrix lmsToRgb = inverse(rgbToLms());
    const double radians = h * M_PI / 180;
    Vector lms = times(labToLms, {l, c * std::cos(radians), c * std::sin(radians)});
    for (double &v : lms)
        v = v * v * v;
    Vector rgb = times(lmsToRgb, lms);
    for (double &v : rgb)
        v = fromLinear(v);
    return rgb;
}

QString fixed(double value, int decimals)
{
    // Whatever prints as zero prints without a sign.
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0;
    return QString::number(value, 'f', decimals);
}

struct LevelRow {
    int hundredths;
    const char *name;
};

// In the order of ContrastLevel.
constexpr LevelRow kLevels[] = {{300, "AA large"}, {450, "AA"}, {450, "AAA large"}, {700, "AAA"}};

const LevelRow &levelRow(ContrastLevel level)
{
    return kLevels[int(level)];
}

} // namespace

OKLCH oklch(const QString &hex)
{
    const RGB rgb = rgbComponents(hex);
    Vector lms = times(rgbToLms(), {toLinear(rgb.r / 255.0), toLinear(rgb.g / 255.0), toLinear(rgb.b / 255.0)});
    for (double &v : lms)
        v = std::cbrt(v);
    const Vector lab = times(lmsToLab(), lms);
    const double hue = std::atan2(lab[2], lab[1]) * 180 / M_PI;
    return {lab[0], std::hypot(lab[1], lab[2]), hue < 0 ? hue + 360 : hue};
}

QString oklchString(const QString &hex)
{
    const OKLCH value = oklch(hex);
    const QString chroma = fixed(value.c, 4);
    // A grey's hue is whatever rounding left over; it prints as 0, as does a hue that rounds up to 360.
    double hue = chroma == QStringLiteral("0.0000") ? 0 : value.h;
    if (fixed(hue, 2) == QStringLiteral("360.00"))
        hue = 0;
    return QStringLiteral("oklch(%1% %2 %3)").arg(fixed(value.l * 100, 2), chroma, fixed(hue, 2));
}

QString rgbSpaceString(const QString &hex)
{
    return rgbNotation(hex, QStringLiteral(" "));
}

QString hslSpaceString(const QString &hex)
{
    return hslNotation(hex, QStringLiteral(" "));
}

QString bareHexString(const QString &hex)
{
    const RGB rgb = rgbComponents(hex);
    return hexText(rgb.r, rgb.g, rgb.b).sliced(1);
}

QString lowerHexString(const QString &hex)
{
    return u'#' + bareHexString(hex).toLower();
}

QString qColorString(const QString &hex)
{
    const RGB rgb = rgbComponents(hex);
    return QStringLiteral("QColor(%1, %2, %3)").arg(rgb.r).arg(rgb.g).arg(rgb.b);
}

QString flutterString(const QString &hex)
{
    return QStringLiteral("Color(0xFF%1)").arg(bareHexString(hex));
}

QString hexLiteralString(const QString &hex)
{
    return QStringLiteral("0x") + bareHexString(hex);
}

double relativeLuminance(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * toLinear(rgb.redF()) + 0.7152 * toLinear(rgb.greenF()) + 0.0722 * toLinear(rgb.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

Contrast contrast(const QString &foregroundHex, const QString &backgroundHex)
{
    const double ratio = contrastRatio(color(foregroundHex), color(backgroundHex));
    // The tiny allowance keeps 21:1 (which the division gives as 20.999…) at 21.00.
    return {int(std::floor(ratio * 100 + 1e-6))};
}

QString Contrast::ratioText() const
{
    return QStringLiteral("%1.%2:1").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

bool Contrast::passes(ContrastLevel level) const
{
    return hundredths >= levelRow(level).hundredths;
}

const QList<ContrastLevel> &contrastLevels()
{
    static const QList<ContrastLevel> levels = {ContrastLevel::AALarge, ContrastLevel::AA, ContrastLevel::AAALarge,
                                                ContrastLevel::AAA};
    return levels;
}

QString levelName(ContrastLevel level)
{
    return QString::fromLatin1(levelRow(level).name);
}

QString Contrast::spokenMarks() const
{
    QStringList marks;
    for (ContrastLevel level : contrastLevels())
        marks.append((passes(level) ? tr("passes %1") : tr("fails %1")).arg(levelName(level)));
    return marks.join(QStringLiteral(", "));
}

QString contrastSummary(const QString &foregroundHex, const QString &backgroundHex)
{
    const Contrast value = contrast(foregroundHex, backgroundHex);
    // The best level met for normal text, and for large text where that reaches higher.
    QString grade;
    if (value.passes(ContrastLevel::AAA))
        grade = QStringLiteral("AAA");
    else if (value.passes(ContrastLevel::AA))
        grade = QStringLiteral("AA, AAA large");
    else if (value.passes(ContrastLevel::AALarge))
        grade = QStringLiteral("AA large");
    else
        grade = QStringLiteral("fails AA large");
    return QStringLiteral("%1 on %2 \u2014 %3, %4").arg(foregroundHex, backgroundHex, value.ratioText(), grade);
}

namespace {

struct NamedColor {
    const char *name;
    quint32 rgb;
};

constexpr NamedColor kNamedColors[] = {
#include "services/CssColorNames.inc"
};

std::optional<quint32> namedColor(const QString &name)
{
    static const QHash<QString, quint32> table = [] {
        QHash<QString, quint32> names;
        for (const NamedColor &entry : kNamedColors)
            names.insert(QString::fromLatin1(entry.name), entry.rgb);
        return names;
    }();
    const auto it = table.constFind(name.toLower());
    if (it == table.constEnd())
        return std::nullopt;
    return *it;
}

// Typed text inside a message is cut short, since anything may have been pasted.
QString shortened(QStringView text)
{
    QString shown = text.toString().simplified();
    if (shown.size() > 24)
        shown = shown.left(23) + u'\u2026';
    return shown;
}

QString quoted(QStringView text)
{
    return u'\u201C' + shortened(text) + u'\u201D';
}

ParsedColor failure(const QString &problem)
{
    ParsedColor parsed;
    parsed.problem = problem;
    return parsed;
}

QString unexpectedAfter(QStringView rest)
{
    return tr("Unexpected %1 after the color").arg(quoted(rest.trimmed()));
}

ParsedColor fromChannels(double r, double g, double b, std::optional<double> alpha)
{
    ParsedColor parsed;
    parsed.hex = hexText(rounded(r), rounded(g), rounded(b));
    parsed.alpha = alpha;
    return parsed;
}

ParsedColor parseHex(QStringView text)
{
    const qsizetype count = std::find_if_not(text.begin(), text.end(), isHexDigit) - text.begin();
    const QStringView rest = text.sliced(count);
    if (!rest.isEmpty()) {
        if (rest.front().isSpace())
            return failure(unexpectedAfter(rest));
        return failure(tr("%1 is not a hex digit").arg(quoted(rest.first(1))));
    }
    QString digits = text.toString();
    if (count == 3 || count == 4) {
        QString doubled;
        for (QChar c : digits)
            doubled += QString(2, c);
        digits = doubled;
    } else if (count != 6 && count != 8) {
        return failure(tr("A hex color has 3, 4, 6 or 8 digits, not %1").arg(count));
    }
    const auto channel = [&](int i) { return double(digits.mid(2 * i, 2).toUInt(nullptr, 16)); };
    return fromChannels(channel(0), channel(1), channel(2),
                        digits.size() == 8 ? std::optional<double>(channel(3) / 255) : std::nullopt);
}

enum class Part { Channel, Alpha, Hue, Percentage, Lightness, Chroma };

struct Reading {
    std::optional<double> value;
    QString problem;
};

// One value of a colour function: a number with a unit its place allows, brought to that place's scale
// (channels 0…255, hues in degrees, the rest as fractions; chroma as it is). `spaces`: the modern syntax,
// where "none" and unitless saturation and lightness are allowed.
Reading readPart(QStringView token, Part part, const QString &function, bool spaces)
{
    static const QRegularExpression number(
        QStringLiteral(R"(^([+-]?(?:\d+\.?\d*|\.\d+)(?:e[+-]?\d+)?)(%|deg|grad|rad|turn)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const Reading notUnderstood{std::nullopt, tr("Not understood in %1(): %2").arg(function, quoted(token))};
    if (spaces && token.compare(u"none", Qt::CaseInsensitive) == 0)
        return {0.0, {}};
    const QRegularExpressionMatch match = number.match(token.toString());
    bool ok = false;
    double value = match.hasMatch() ? match.captured(1).toDouble(&ok) : 0;
    if (!ok || !std::isfinite(value))
        return notUnderstood;
    const QString unit = match.captured(2).toLower();
    const bool percent = unit == QStringLiteral("%");
    if (part == Part::Hue) {
        if (percent)
            return notUnderstood;
        if (unit == QStringLiteral("grad"))
            value *= 0.9;
        else if (unit == QStringLiteral("rad"))
            value *= 180 / M_PI;
        else if (unit == QStringLiteral("turn"))
            value *= 360;
        return {value, {}};
    }
    if (!unit.isEmpty() && !percent)
        return notUnderstood;

    struct Scale {
        double numberMax;      // a plain number's range is 0 to this; 0: no plain number here
        double hundredPercent; // what 100% is worth
        const char *range;
    };
    Scale scale{};
    switch (part) {
    case Part::Channel:
        scale = {255, 255, QT_TRANSLATE_NOOP("ColorSamplerService", "0 to 255, or 0% to 100%")};
        break;
    case Part::Alpha:
        scale = {1, 1, QT_TRANSLATE_NOOP("ColorSamplerService", "0 to 1, or 0% to 100%")};
        break;
    case Part::Percentage:
        scale = {spaces ? 100.0 : 0.0, 1, QT_TRANSLATE_NOOP("ColorSamplerService", "0% to 100%")};
        if (!percent && !spaces)
            return {std::nullopt, tr("%1() takes a percentage here, not %2").arg(function, quoted(token))};
        break;
    case Part::Lightness:
        scale = {1, 1, QT_TRANSLATE_NOOP("ColorSamplerService", "0% to 100%, or 0 to 1")};
        break;
    case Part::Chroma:
        scale = {std::numeric_limits<double>::infinity(), 0.4, QT_TRANSLATE_NOOP("ColorSamplerService", "0 or more")};
        break;
    case Part::Hue:
        break;
    }
    const double upper = percent ? (part == Part::Chroma ? scale.numberMax : 100.0) : scale.numberMax;
    if (value < 0 || value > upper)
        return {std::nullopt,
                tr("%1 is out of range in %2(), which takes %3").arg(shortened(token), function, tr(scale.range))};
    if (percent)
        return {value / 100 * scale.hundredPercent, {}};
    // Saturation and lightness without "%" still count in percent.
    return {part == Part::Percentage ? value / 100 : value, {}};
}

ParsedColor parseFunction(const QString &name, QStringView rest)
{
    if (name != QStringLiteral("rgb") && name != QStringLiteral("rgba") && name != QStringLiteral("hsl") &&
        name != QStringLiteral("hsla") && name != QStringLiteral("oklch"))
        return failure(tr("Unknown color function: %1()").arg(name));
    const qsizetype close = rest.indexOf(u')');
    if (close < 0)
        return failure(tr("Missing \u201C)\u201D at the end of %1()").arg(name));
    if (!rest.sliced(close + 1).trimmed().isEmpty())
        return failure(unexpectedAfter(rest.sliced(close + 1)));
    const QString inner = rest.first(close).toString().trimmed();
    const QString family = name.startsWith(u'r') ? QStringLiteral("rgb") : name.first(3);

    static const QRegularExpression whitespace(QStringLiteral("\\s+"));
    const QString countProblem = tr("%1() takes 3 values and an optional alpha, not %2");
    QStringList values;
    QString alphaToken;
    const bool spaces = !inner.contains(u',');
    if (!spaces) {
        if (name == QStringLiteral("oklch"))
            return failure(tr("oklch() takes values separated by spaces, not commas"));
        if (inner.contains(u'/'))
            return failure(tr("%1() takes commas or spaces, not both").arg(name));
        values = inner.split(u',');
        for (QString &value : values)
            value = value.trimmed();
        if (values.size() != 3 && values.size() != 4)
            return failure(countProblem.arg(name).arg(values.size()));
        if (values.contains(QString()))
            return failure(tr("A value is missing in %1()").arg(name));
        if (values.size() == 4)
            alphaToken = values.takeLast();
    } else {
        const qsizetype slash = inner.indexOf(u'/');
        values = inner.first(slash < 0 ? inner.size() : slash).split(whitespace, Qt::SkipEmptyParts);
        if (values.size() != 3)
            return failure(countProblem.arg(name).arg(values.size()));
        if (slash >= 0) {
            const QStringList alpha = inner.sliced(slash + 1).split(whitespace, Qt::SkipEmptyParts);
            if (alpha.size() != 1)
                return failure(tr("%1() takes one alpha after \u201C/\u201D").arg(name));
            alphaToken = alpha.first();
        }
    }

    const std::array<Part, 3> parts =
        family == QStringLiteral("rgb")   ? std::array{Part::Channel, Part::Channel, Part::Channel}
        : family == QStringLiteral("hsl") ? std::array{Part::Hue, Part::Percentage, Part::Percentage}
                                          : std::array{Part::Lightness, Part::Chroma, Part::Hue};
    std::array<double, 3> numbers{};
    for (int i = 0; i < 3; ++i) {
        const Reading reading = readPart(values[i], parts[i], name, spaces);
        if (!reading.value)
            return failure(reading.problem);
        numbers[i] = *reading.value;
    }
    std::optional<double> alpha;
    if (!alphaToken.isEmpty()) {
        const Reading reading = readPart(alphaToken, Part::Alpha, name, spaces);
        if (!reading.value)
            return failure(reading.problem);
        alpha = reading.value;
    }

    if (family == QStringLiteral("rgb"))
        return fromChannels(numbers[0], numbers[1], numbers[2], alpha);
    if (family == QStringLiteral("hsl")) {
        ParsedColor parsed;
        parsed.hex = hex(numbers[0], numbers[1], numbers[2]);
        parsed.alpha = alpha;
        return parsed;
    }
    // An OKLCH colour may lie outside what sRGB can show: each channel is brought to its nearest end,
    // and said so, unless it is only the rounding of a colour that is inside.
    Vector rgb = rgbFromOklch(numbers[0], numbers[1], numbers[2]);
    bool clipped = false;
    for (double &channel : rgb) {
        const double scaled = channel * 255;
        if (scaled < -0.5 || scaled >= 255.5)
            clipped = true;
        channel = std::clamp(scaled, 0.0, 255.0);
    }
    ParsedColor parsed = fromChannels(rgb[0], rgb[1], rgb[2], alpha);
    parsed.clipped = clipped;
    return parsed;
}

} // namespace

ParsedColor parseColor(const QString &input)
{
    const QString text = input.trimmed();
    if (text.startsWith(u'#'))
        return parseHex(QStringView(text).sliced(1));
    static const QRegularExpression function(QStringLiteral("^([a-z]+)\\s*\\((.*)$"),
                                             QRegularExpression::CaseInsensitiveOption |
                                                 QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = function.match(text);
    if (match.hasMatch())
        return parseFunction(match.captured(1).toLower(), match.capturedView(2));
    if (const std::optional<quint32> rgb = namedColor(text))
        return fromChannels((*rgb >> 16) & 0xFF, (*rgb >> 8) & 0xFF, *rgb & 0xFF, std::nullopt);
    // Hex without "#": all hex digits, or at least starting with a digit, so that the message is about hex.
    if (!text.isEmpty() && (text.front().isDigit() || std::all_of(text.begin(), text.end(), isHexDigit)))
        return parseHex(text);
    return failure(tr("Not a color name or code: %1").arg(quoted(text)));
}

} // namespace ColorSamplerService
