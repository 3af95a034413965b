#pragma once

#include "stores/RecentListStore.h"

// The colours the user picked, newest first, as upper-case hex texts; at most 10.
class RecentColorsStore : public RecentListStore
{
    Q_OBJECT

public:
    explicit RecentColorsStore(QObject *parent = nullptr);

    const QStringList &colors() const { return items(); }
    void clear() { clearItems(); }
};
