#pragma once

#include "sections/Notify.h"
#include "stores/RecentColorsStore.h"

#include <QWidget>

class ColorSection : public QWidget
{
    Q_OBJECT

public:
    explicit ColorSection(Notify notify, RecentColorsStore &store, QWidget *parent = nullptr);

private:
    Notify m_notify;
    RecentColorsStore &m_store;
};
