#pragma once

#include <QPointer>
#include <QWidget>

// A rounded rectangle of the secondary tone at 8 %, behind a text area (a preview, an editor). Around an
// editor it is the field's visible boundary: it takes a control's edge, and the focus ring while the editor
// has the focus.
class InsetBox : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    void frameField(QWidget *field);
    bool framesField() const { return m_field != nullptr; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QWidget> m_field;
};
