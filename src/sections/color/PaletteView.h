#pragma once

#include "sections/Notify.h"

#include <QAbstractButton>
#include <QWidget>

// One palette colour: a plain rectangle of the colour, rounded on the chosen sides; its tooltip (and
// accessible name) is "NAME — #HEX", and a click copies the hex.
class PaletteSwatch : public QAbstractButton
{
    Q_OBJECT

public:
    PaletteSwatch(const QString &name, const QString &hex, bool roundLeft, bool roundRight, QWidget *parent = nullptr);

    QString hex() const { return m_hex; }
    QSize sizeHint() const override { return {24, 24}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_hex;
    bool m_roundLeft;
    bool m_roundRight;
};

// The shade ramp and the harmonies of one colour, each swatch copying its hex, and the ramp's CSS export.
class PaletteView : public QWidget
{
    Q_OBJECT

public:
    PaletteView(const QString &hex, Notify notify, QWidget *parent = nullptr);

private:
    void copyCSS();

    QString m_hex;
    Notify m_notify;
};
