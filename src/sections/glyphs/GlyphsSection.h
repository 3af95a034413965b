#pragma once

#include "sections/Notify.h"
#include "stores/RecentGlyphsStore.h"

#include <QWidget>

class GlyphsSection : public QWidget
{
    Q_OBJECT

public:
    explicit GlyphsSection(Notify notify, RecentGlyphsStore &store, QWidget *parent = nullptr);

private:
    Notify m_notify;
    RecentGlyphsStore &m_store;
};
