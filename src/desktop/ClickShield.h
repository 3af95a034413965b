#pragma once

#include <QWidget>

// A clear window over the available area, under the tray panel, that hears a press anywhere else. Through
// XWayland neither the raw input X11 offers nor a pointer grab sees a press on the desktop's own surfaces,
// and GNOME moves no focus for a press on the empty desktop or on its bar: without this the panel would stay
// open there. KWin does move it, and has none.
class ClickShield : public QWidget
{
    Q_OBJECT

public:
    ClickShield();

    void cover(const QRect &area);

Q_SIGNALS:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
