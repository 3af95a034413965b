#include "core/color/ColorSamplerService.h"

#include "core/color/ColorMath.h"

#include <QStringList>

#include <cmath>

namespace ColorSamplerService {

using namespace detail;

namespace {

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

} // namespace ColorSamplerService
