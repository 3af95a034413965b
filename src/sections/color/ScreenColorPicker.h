#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>

class QScreen;

// The outcome of one pick from the screen.
struct ScreenPick {
    enum class Outcome { picked, cancelled, failed };
    Outcome outcome = Outcome::cancelled;
    QString hex;     // when picked
    QString message; // when failed: one line for the banner
};

using ScreenPickDone = std::function<void(const ScreenPick &)>;

// Picks one pixel's colour from the screen: through the desktop portal where one answers (GNOME, KDE, on
// X11 and Wayland), else with our own loupe over a grab of the screen (X11). `done` runs once, unless
// `context` goes first.
void pickScreenColor(QObject *context, ScreenPickDone done);

// Our own picker: a full-screen overlay on every screen showing a still grab of it, with a loupe that
// magnifies the pixels around the pointer and names the one under it. A click picks, Escape or a right
// click cancels.
class LoupePicker : public QObject
{
    Q_OBJECT

public:
    // Whether this session lets us grab the screen at all (X11 does; Wayland does not).
    static bool isAvailable();

    // Opens the overlays; `done` runs once with the pick. The picker deletes itself afterwards.
    static LoupePicker *start(QObject *context, ScreenPickDone done);

    // The overlays, one per screen (for tests).
    QList<QWidget *> overlays() const;

private:
    LoupePicker(QObject *context, ScreenPickDone done);
    void finish(const ScreenPick &pick);

    ScreenPickDone m_done;
    QList<QPointer<QWidget>> m_overlays;
    bool m_finished = false;
};

// One screen's overlay.
class LoupeOverlay : public QWidget
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
