#pragma once

#include "net/AsyncTask.h"
#include "picking/ScreenColorPicker.h"

#include <QPointer>
#include <QWindow>

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
    static LoupePicker *start(QObject *context, ScreenColorPicker::PickCompletion done);
    ~LoupePicker() override;

    // The overlays, one per screen (for tests).
    QList<QWindow *> overlays() const;

private:
    LoupePicker(QObject *context, ScreenColorPicker::PickCompletion done);
    void conclude(const ScreenColorPicker::PickResult &result);
    void closeOverlays();

    ScreenColorPicker::PickCompletion m_done;
    QString hexUnderPointer() const;

    QList<QPointer<QWindow>> m_overlays;
};
