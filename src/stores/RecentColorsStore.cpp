#include "stores/RecentColorsStore.h"

RecentColorsStore::RecentColorsStore(QObject *parent)
    : RecentListStore({QStringLiteral("recentColors"), 10, true}, parent)
{}
