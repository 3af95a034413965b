#pragma once

#include "widgets/Layout.h"

#include <QAbstractButton>

// A borderless text button, like a link: the text alone in its tone, a dotted outline while it has keyboard
// focus. Drawn by hand so that it stays as small as its text and follows palette changes like any label.
class PlainButton : public QAbstractButton
{
    Q_OBJECT

public:
    PlainButton(const QString &text, Style::TextStyle style, Style::Tone tone, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
