// The case conversions and the cleaner, on any text: they end, the cleaner only ever removes or replaces
// the characters it counts (and counts every one), and no conversion leaves a line break out of place.

#include "FuzzInput.h"

#include "core/text/TextTransforms.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace TextTransforms;
    const QString text = fuzz::text(data, size);
    const Cleaned cleaned = cleanInvisibles(text);
    const int replaced = cleaned.spaces + cleaned.quotes;
    fuzz::check(cleaned.text.size() == text.size() - (cleaned.total() - replaced),
                "the cleaner counts what it removes");
    fuzz::check(cleaned.text.count(u'\n') == text.count(u'\n') && cleanInvisibles(cleaned.text).total() == 0,
                "the cleaner keeps the lines, and a cleaned text is clean");
    const qsizetype lines = text.isEmpty() ? 0 : count(text).lines;
    for (Case to : {Case::camel, Case::snake, Case::kebab}) {
        const QString converted = changeCase(text, to, QLocale(QLocale::English));
        fuzz::check((converted.isEmpty() ? 0 : converted.count(u'\n') + 1) <= qMax<qsizetype>(lines, 1),
                    "identifiers keep to their lines");
    }
    for (Case to : {Case::upper, Case::lower, Case::title})
        fuzz::check(changeCase(text, to, QLocale(QLocale::Turkish)).count(u'\n') == text.count(u'\n'),
                    "a case keeps the line breaks");
    return 0;
}
