// What a person types into the placeholder tab: a custom dimension, and an avatar seed that becomes part
// of a file name.

#include "FuzzInput.h"

#include "net/PlaceholderService.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace PlaceholderService;
    const QString input = fuzz::text(data, size);

    static const QRegularExpression number(QStringLiteral("\\A[+-]?[0-9]+\\z"));
    if (const auto value = parseDimension(input)) {
        fuzz::check(*value >= 1, "a dimension is at least 1");
        fuzz::check(number.match(input).hasMatch(), "a dimension is a sign and ASCII digits only");
        bool ok = false;
        fuzz::check(input.toLongLong(&ok) == *value && ok, "a dimension is the number typed");
    }

    Request request;
    request.source = Source::avatar;
    request.seed = input;
    request.avatarStyle = avatarStyles().first();
    const QString base = baseFileName(request);
    fuzz::check(!base.isEmpty() && !base.startsWith(u'.'), "the file name is not empty nor hidden");
    fuzz::check(base.isValidUtf16(), "the file name holds no broken surrogate");
    for (QChar c : base)
        fuzz::check(c != u'/' && c != u'\\' && c.category() != QChar::Other_Control,
                    "the file name holds no separator nor control character");
    return 0;
}
