#include "stores/RecentIconsStore.h"

#include <algorithm>

RecentIconsStore::RecentIconsStore(QObject *parent)
    : RecentListStore({QStringLiteral("recentIcons"), 12, false, &RecentIconsStore::isIconName}, parent)
{}

bool RecentIconsStore::isIconName(const QString &entry)
{
    const qsizetype colon = entry.indexOf(QLatin1Char(':'));
    return colon > 0 && colon + 1 < entry.size() && entry.size() <= 512 &&
           std::none_of(entry.begin(), entry.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}
