#pragma once

#include "sections/Notify.h"

#include <QWidget>

class PlaceholderSection : public QWidget
{
    Q_OBJECT

public:
    explicit PlaceholderSection(Notify notify, QWidget *parent = nullptr);

private:
    Notify m_notify;
};
