// The text operations against their invariants and their slow reference. Input: the characters to strip,
// a 0xFF byte, then the text (each read as fuzz::text does).

#include "../TextToolsReference.h"
#include "FuzzInput.h"

#include "core/text/TextToolsService.h"

#include <QCollator>

#include <algorithm>

namespace {

QCollator cLocale()
{
    QCollator collator{QLocale::c()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace TextToolsService;
    namespace ref = TextToolsReference;
    const uint8_t *split = std::find(data, data + size, uint8_t(0xFF));
    const QString characters = fuzz::text(data, size_t(split - data));
    const QString text = split == data + size ? QString() : fuzz::text(split + 1, size_t(data + size - split - 1));
    static const QCollator collator = cLocale();

    for (SortOrder order : allSortOrders()) {
        const QString sorted = sort(text, order, collator);
        QStringList before = ref::lines(text);
        QStringList after = sorted.split(u'\n');
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        fuzz::check(before == after, "a sort outputs a permutation of the lines");
        fuzz::check(sorted == ref::sort(text, order, collator), "the sort agrees with its reference");
    }

    // Idempotent, but for what the line rules do to a result read again: its last line, if empty, ends in
    // a line feed that the next run drops as a final one ("a\n\n" trims to "a\n", that to "a"); and a line
    // ending in a lone "\r" (from "\r\r\n") is joined to the next by a feed into a "\r\n".
    auto idempotent = [&text](const QString &once, const QString &again) {
        return text.contains(u'\r') || again == once || again + u'\n' == once;
    };
    const QString deduped = dedupeLines(text);
    fuzz::check(deduped == ref::dedupeLines(text), "dedupe keeps the first of each line");
    fuzz::check(idempotent(deduped, dedupeLines(deduped)), "dedupe is idempotent");

    const QString trimmed = trim(text);
    fuzz::check(trimmed == ref::trim(text), "trim agrees with its reference");
    fuzz::check(idempotent(trimmed, trim(trimmed)), "trim is idempotent");

    fuzz::check(removeBlankLines(text) == ref::removeBlankLines(text), "remove blanks agrees with its reference");

    // Strip takes out whole characters of the text as it was, in one pass (the reference's rule). So the
    // result is not checked for stripped characters: it may hold one where a removal joined its
    // neighbours, as two halves of a flag around a removed letter become a flag.
    fuzz::check(strip(text, characters) == ref::strip(text, characters), "strip agrees with its reference");
    return 0;
}
