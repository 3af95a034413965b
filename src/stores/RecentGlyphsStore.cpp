#include "stores/RecentGlyphsStore.h"

RecentGlyphsStore::RecentGlyphsStore(QObject *parent)
    : RecentListStore({QStringLiteral("recentGlyphs"), 12, false}, parent)
{}
