#pragma once

#include "stores/RecentListStore.h"

// The glyphs the user copied, newest first; at most 12. There is deliberately no way to empty it at once.
class RecentGlyphsStore : public RecentListStore
{
    Q_OBJECT

public:
    explicit RecentGlyphsStore(QObject *parent = nullptr);

    const QStringList &glyphs() const { return items(); }
};
