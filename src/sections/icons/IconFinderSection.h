#pragma once

#include "sections/Notify.h"

#include <QWidget>

class IconFinderSection : public QWidget
{
    Q_OBJECT

public:
    explicit IconFinderSection(Notify notify, QWidget *parent = nullptr);

private:
    Notify m_notify;
};
