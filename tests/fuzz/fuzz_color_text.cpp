// The colour readers. The hex reader: whatever it is given, every notation derived from it is well formed,
// and a colour read back from its own hex is the same colour. The reader of colours typed or pasted: it
// either reads a colour (a well-formed hex, an alpha between 0 and 1) or says in one short sentence what it
// did not understand; and every notation the tab copies reads back as the colour it came from (OKLCH to
// within a step).

#include "FuzzInput.h"

#include "core/color/ColorSamplerService.h"

#include <QRegularExpression>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ColorSamplerService;
    const QString input = fuzz::text(data, size);
    static const QRegularExpression wellFormed(QStringLiteral("\\A#[0-9A-F]{6}\\z"));
    const QString normal = hex(color(input));
    fuzz::check(wellFormed.match(normal).hasMatch(), "a colour's hex is # and six upper-case digits");
    fuzz::check(hex(color(normal)) == normal, "a hex reads back as itself");
    const HSL h = hsl(input);
    fuzz::check(h.h >= 0 && h.h < 360 && h.s >= 0 && h.s <= 1 && h.l >= 0 && h.l <= 1, "HSL is in range");
    for (const PaletteEntry &entry : shades(input) + harmonies(input))
        fuzz::check(wellFormed.match(entry.hex).hasMatch(), "palette entries are hex colours");

    const ParsedColor parsed = parseColor(input);
    if (!parsed.ok()) {
        fuzz::check(!parsed.problem.isEmpty() && parsed.problem.size() <= 120, "a refusal is one short sentence");
        return 0;
    }
    fuzz::check(parsed.problem.isEmpty(), "a colour read has no problem");
    fuzz::check(wellFormed.match(parsed.hex).hasMatch(), "a colour read is # and six upper-case digits");
    fuzz::check(!parsed.alpha || (*parsed.alpha >= 0 && *parsed.alpha <= 1), "alpha is 0 to 1");
    for (const QString &notation : {parsed.hex, rgbString(parsed.hex), rgbSpaceString(parsed.hex),
                                    lowerHexString(parsed.hex), bareHexString(parsed.hex)})
        fuzz::check(parseColor(notation).hex == parsed.hex, "a copied notation reads back as its colour");
    // OKLCH, printed to a hundredth of a percent of lightness, comes back within one step of each channel.
    const RGB rgb = rgbComponents(parsed.hex);
    const RGB back = rgbComponents(parseColor(oklchString(parsed.hex)).hex);
    fuzz::check(std::abs(back.r - rgb.r) <= 1 && std::abs(back.g - rgb.g) <= 1 && std::abs(back.b - rgb.b) <= 1,
                "OKLCH reads back within a step");
    return 0;
}
