#pragma once

#include <QWidget>

// A rounded rectangle of the secondary tone at 8 %, behind a text area (a preview, an editor).
class InsetBox : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};
