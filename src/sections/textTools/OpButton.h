#pragma once

#include <QPushButton>

class Spinner;

// A button of the text tools rows. It may be inert: drawn at 45 % and ignoring clicks, yet still hoverable,
// so its hint and tooltip still explain what it would do. While its operation runs it shows a spinner in
// place of its label (its accessible name stays).
class OpButton : public QPushButton
{
    Q_OBJECT

public:
    explicit OpButton(const QString &title, QWidget *parent = nullptr);

    void setInert(bool inert);
    bool isInert() const { return m_inert; }
    void setBusy(bool busy);
    bool isBusy() const { return m_spinner != nullptr; }

Q_SIGNALS:
    void hovered(bool entered);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QString m_title;
    bool m_inert = false;
    Spinner *m_spinner = nullptr;
};
