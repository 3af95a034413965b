#pragma once

#include "sections/Notify.h"

#include <QWidget>

class LoremSection : public QWidget
{
    Q_OBJECT

public:
    explicit LoremSection(Notify notify, QWidget *parent = nullptr);

private:
    Notify m_notify;
};
