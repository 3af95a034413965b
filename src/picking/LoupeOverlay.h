#pragma once

#include <QImage>
#include <QRasterWindow>

class QScreen;

// One screen's overlay.
class LoupeOverlay : public QRasterWindow
{
    Q_OBJECT

public:
    LoupeOverlay(QScreen *screen, const QImage &grab);

    // The colour of the screen pixel under a point of this overlay, as hex text.
    QString hexAt(const QPoint &position) const;

Q_SIGNALS:
    void picked(const QString &hex);
    // Return, Enter or Space: the pixel under the pointer, which may be on another screen's overlay than
    // the one with the keyboard.
    void pickedByKey();
    void cancelled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPoint devicePixel(const QPoint &position) const;

    QImage m_grab;
    QPoint m_pointer{-1, -1};
};
