#include "core/color/ColorSamplerService.h"

#include "core/color/ColorMath.h"

#include <array>
#include <cmath>

namespace ColorSamplerService {

namespace {

using Matrix = std::array<detail::Vector, 3>;
using detail::Vector;

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

double fromLinear(double c)
{
    const double magnitude = std::fabs(c);
    const double encoded = magnitude <= 0.0031308 ? magnitude * 12.92 : 1.055 * std::pow(magnitude, 1 / 2.4) - 0.055;
    return std::copysign(encoded, c);
}

} // namespace

namespace detail {

double toLinear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
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

} // namespace detail

using namespace detail;

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

} // namespace ColorSamplerService
