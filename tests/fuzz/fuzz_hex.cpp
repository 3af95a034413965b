// The hex colour reader: whatever it is given, every notation derived from it is well formed, and a colour
// read back from its own hex is the same colour.

#include "FuzzInput.h"

#include "services/ColorSamplerService.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ColorSamplerService;
    const QString input = fuzz::text(data, size);
    static const QRegularExpression wellFormed(QStringLiteral("\\A#[0-9A-F]{6}\\z"));
    const QString normal = hex(color(input));
    fuzz::check(wellFormed.match(normal).hasMatch(), "a colour's hex is # and six upper-case digits");
    fuzz::check(hex(color(normal)) == normal, "a hex reads back as itself");
    const RGB rgb = rgbComponents(input);
    fuzz::check(rgb.r >= 0 && rgb.r <= 255 && rgb.g >= 0 && rgb.g <= 255 && rgb.b >= 0 && rgb.b <= 255,
                "components are bytes");
    const HSL h = hsl(input);
    fuzz::check(h.h >= 0 && h.h < 360 && h.s >= 0 && h.s <= 1 && h.l >= 0 && h.l <= 1, "HSL is in range");
    for (const PaletteEntry &entry : shades(input) + harmonies(input))
        fuzz::check(wellFormed.match(entry.hex).hasMatch(), "palette entries are hex colours");
    return 0;
}
