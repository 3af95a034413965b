// The icon service's search reply: any bytes give either a failure or icons that name a set and an icon
// (with a count that is no negative number and sets named), and those icons written back into a reply read
// back the same.

#include "FuzzInput.h"

#include "net/IconifyService.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace IconifyService;
    const auto result = parseSearchReply(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const auto *page = std::get_if<SearchPage>(&result);
    if (!page) {
        fuzz::check(!std::get<Failure>(result).description().isEmpty(), "a failure says why");
        return 0;
    }
    fuzz::check(page->total.value_or(0) >= 0, "a count is never negative");
    for (const IconSet &set : page->sets)
        fuzz::check(!set.prefix.isEmpty() && !set.name.isEmpty(), "a set has a prefix and a name");
    const QList<IconID> *icons = &page->icons;
    QJsonArray ids;
    for (const IconID &icon : *icons) {
        fuzz::check(!icon.prefix.isEmpty() && !icon.name.isEmpty(), "an icon has a set and a name");
        fuzz::check(!icon.prefix.contains(u':'), "the set's prefix holds no colon");
        ids.append(icon.id());
    }
    const QByteArray again = QJsonDocument(QJsonObject{{QStringLiteral("icons"), ids}}).toJson();
    const auto reread = parseSearchReply(again);
    fuzz::check(std::holds_alternative<SearchPage>(reread) && std::get<SearchPage>(reread).icons == *icons,
                "icons written back read back the same");
    return 0;
}
