// The glyph search beyond the catalogue: whatever is typed or pasted, it ends, and finds only characters one
// may copy (nothing beyond U+10FFFF, no surrogate, nothing for private use), each once and named, each
// stand-in small enough for a tile.

#include "FuzzInput.h"

#include "core/glyphs/UnicodeNames.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QSet<char32_t> seen;
    for (const UnicodeNames::Character &c : UnicodeNames::search(fuzz::text(data, size))) {
        fuzz::check(c.codePoint <= 0x10FFFF && !QChar::isSurrogate(c.codePoint) &&
                        QChar::category(c.codePoint) != QChar::Other_PrivateUse,
                    "only characters one may copy");
        fuzz::check(!c.name.isEmpty() && !seen.contains(c.codePoint), "each character named, and once");
        fuzz::check(UnicodeNames::standIn(c).size() <= 5, "a stand-in fits a tile");
        seen.insert(c.codePoint);
    }
    return 0;
}
