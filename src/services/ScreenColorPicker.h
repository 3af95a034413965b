#pragma once

#include "services/AsyncTask.h"
#include "services/ColorSamplerService.h"

#include <QImage>
#include <QPointer>
#include <QRasterWindow>

class QScreen;

// Our own screen picker, for where no desktop portal picks colours (X11 without one): a full-screen window
// on every screen showing a still grab of it, with a loupe that magnifies the pixels around the pointer and
// names the one under it. A click picks; Escape or a right click cancels.
class LoupePicker : public AsyncTask
{
    Q_OBJECT

public:
    // Whether this session lets us grab the screen at all (X11 does; Wayland does not).
    static bool isAvailable();

    // Opens the overlays, as a task of `context` (see AsyncTask): `done` runs once with the pick; destroyed
    // before (with its context), the picker takes its overlays along and reports nothing.
    static LoupePicker *start(QObject *context, ColorSamplerService::PickCompletion done);
    ~LoupePicker() override;

    // The overlays, one per screen (for tests).
    QList<QWindow *> overlays() const;

private:
    LoupePicker(QObject *context, ColorSamplerService::PickCompletion done);
    void conclude(const ColorSamplerService::PickResult &result);
    void closeOverlays();

    ColorSamplerService::PickCompletion m_done;
    QList<QPointer<QWindow>> m_overlays;
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
