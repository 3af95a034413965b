#pragma once

#include <QObject>

#include <memory>

// Hears every pointer button press on the X11 screen, wherever it lands, without grabbing anything: the
// X server sends raw input events (XInput 2) to whoever asks for them on the root window, and they still
// come while another client holds a grab. The tray panel closes on a press outside it even where the
// press moves no keyboard focus (a bare window manager, a click on the desktop or on the bar itself).
// Elsewhere (Wayland, where no client may see others' input) it stays silent.
class OutsideClickWatch : public QObject
{
    Q_OBJECT

public:
    explicit OutsideClickWatch(QObject *parent = nullptr);
    ~OutsideClickWatch() override;

    // Listens from now on; a connection to the X server is held only meanwhile.
    void start();
    void stop();
    bool isWatching() const;

Q_SIGNALS:
    // A primary, middle or secondary button went down somewhere (scrolling is not a press).
    void pressed();

private:
    struct Connection;
    void readEvents();

    std::unique_ptr<Connection> m_connection;
};
