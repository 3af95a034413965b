#pragma once

#include "sections/Notify.h"

#include <QWidget>

class TextToolsSection : public QWidget
{
    Q_OBJECT

public:
    explicit TextToolsSection(Notify notify, QWidget *parent = nullptr);

private:
    Notify m_notify;
};
