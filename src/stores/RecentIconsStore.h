#pragma once

#include "stores/RecentListStore.h"

// The icons the user copied or saved, newest first, as "prefix:name"; at most 12. Entries of any other
// shape (an edited settings file) are dropped on load; the others stay as they are.
class RecentIconsStore : public RecentListStore
{
    Q_OBJECT

public:
    explicit RecentIconsStore(QObject *parent = nullptr);

    const QStringList &icons() const { return items(); }

    // "prefix:name" with both parts present and no leading colon: the shape a search result has.
    static bool isIconName(const QString &entry);
};
