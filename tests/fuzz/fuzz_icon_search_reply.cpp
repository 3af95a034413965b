// The icon service's search reply: any bytes give either a failure or icons that name a set and an icon,
// and those icons written back into a reply read back the same.

#include "FuzzInput.h"

#include "net/IconifyService.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace IconifyService;
    const auto result = parseSearchReply(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const auto *icons = std::get_if<QList<IconID>>(&result);
    if (!icons) {
        fuzz::check(!std::get<Failure>(result).description().isEmpty(), "a failure says why");
        return 0;
    }
    QJsonArray ids;
    for (const IconID &icon : *icons) {
        fuzz::check(!icon.prefix.isEmpty() && !icon.name.isEmpty(), "an icon has a set and a name");
        fuzz::check(!icon.prefix.contains(u':'), "the set's prefix holds no colon");
        ids.append(icon.id());
    }
    const QByteArray again = QJsonDocument(QJsonObject{{QStringLiteral("icons"), ids}}).toJson();
    const auto reread = parseSearchReply(again);
    fuzz::check(std::holds_alternative<QList<IconID>>(reread) && std::get<QList<IconID>>(reread) == *icons,
                "icons written back read back the same");
    return 0;
}
