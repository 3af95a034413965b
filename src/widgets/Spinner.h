#pragma once

#include <QTimer>
#include <QWidget>

class QPushButton;

// A small indeterminate progress indicator: an arc that turns while the spinner is shown.
class Spinner : public QWidget
{
    Q_OBJECT

public:
    explicit Spinner(int size, QWidget *parent = nullptr);

    QSize sizeHint() const override { return {m_size, m_size}; }

    // Stays in the middle of its parent (a button showing it in place of its label), as that resizes.
    void keepCentred();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_size;
    int m_angle = 0;
    QTimer m_timer;
};

// Shows `spinner` (a child of `button`, kept centred) in place of the button's label and icon while `busy`,
// and puts `text` and `symbol` back after. A busy button cannot be pressed; its accessible name stays.
void showBusy(QPushButton *button, Spinner *spinner, bool busy, const QString &text, const QString &symbol);
