#pragma once

// What the colour service's files share among themselves; not for its callers.

#include <QColor>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace ColorSamplerService::detail {

using Vector = std::array<double, 3>;

// Nearest integer, halves away from zero (127.5 becomes 128).
qint64 rounded(double value);
QString tr(const char *text);
QString hexText(qint64 r, qint64 g, qint64 b);
bool isHexDigit(QChar c);
// Six characters as one 24-bit value: six hex digits, or a "+" and five digits, or a "-" and five zeros
// (the forms an unsigned base-16 parse accepts).
std::optional<quint32> parseSix(QStringView text);
const QColor &greyFallback();

// An sRGB channel (0…1) made linear.
double toLinear(double c);
// The sRGB channels (0…1, possibly outside it) of an OKLCH colour.
Vector rgbFromOklch(double l, double c, double h);
// A number to so many decimals; whatever prints as zero prints without a sign.
QString fixed(double value, int decimals);

} // namespace ColorSamplerService::detail
