#include "core/color/ColorSamplerService.h"

#include "core/color/ColorMath.h"

namespace ColorSamplerService {

using namespace detail;

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

} // namespace ColorSamplerService
