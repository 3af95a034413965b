#pragma once

#include "services/ColorSamplerService.h"

#include <QImage>
#include <QPointer>
#include <QRasterWindow>

class QScreen;

// Our own screen picker, for where no desktop portal picks colours (X11 without one): a full-screen window
// on every screen showing a still grab of it, with a loupe that magnifies the pixels around the pointer and
// names the one under it. A click picks; Escape or a right click cancels.
class LoupePicker : public QObject
{
    Q_OBJECT

public:
    // Whether this session lets us grab the screen at all (X11 does; Wayland does not).
    static bool isAvailable();

    // Opens the overlays; `done` runs once with the pick. The picker deletes itself afterwards; destroyed
    // before (with its context), it takes its overlays along and reports nothing.
    static LoupePicker *start(QObject *context, ColorSamplerService::PickCompletion done);
    ~LoupePicker() override;

    // The overlays, one per screen (for tests).
    QList<QWindow *> overlays() const;

private:
    LoupePicker(QObject *context, ColorSamplerService::PickCompletion done);
    void finish(const ColorSamplerService::PickResult &result);

    ColorSamplerService::PickCompletion m_done;
    QList<QPointer<QWindow>> m_overlays;
    bool m_finished = false;
};

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
