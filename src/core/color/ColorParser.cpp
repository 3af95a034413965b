#include "core/color/ColorSamplerService.h"

#include "core/color/ColorMath.h"

#include <QRegularExpression>

#include <cmath>

namespace ColorSamplerService {

using namespace detail;

namespace {

struct NamedColor {
    const char *name;
    quint32 rgb;
};

constexpr NamedColor kNamedColors[] = {
#include "core/color/CssColorNames.inc"
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
