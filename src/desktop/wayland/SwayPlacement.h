#pragma once

#include "desktop/ipc/UnixSocket.h"
#include <QJsonValue>

#include <QRect>
#include <QString>

#include <optional>

// Places the panel near the tray on sway (and any compositor that speaks i3's IPC), where no Wayland window
// may place itself and a floating window otherwise appears in the middle of the screen.
//
// The click on the tray icon left the pointer on it: the compositor is asked to centre the panel on the
// pointer, which says on which side of the screen the tray is, and then to move it next to the bar, inside
// the area that the bar leaves free.
class SwayPlacement
{
public:
    SwayPlacement();

    // Whether such a compositor is there to ask (its socket is named in SWAYSOCK, on Wayland).
    static bool isAvailable();

    // Attaches the open panel (of `size`, its frame included) to the tray; false if the compositor would not.
    bool attach(const QSize &size);
    // Keeps the attached panel in place as it takes `size`.
    void follow(const QSize &size);

private:
    static QByteArray message(quint32 type, const QByteArray &payload);
    QJsonValue ask(quint32 type, const QByteArray &payload = {});
    bool run(const QString &command);
    QString criteria() const;

    QRect m_anchor;
    QRect m_available;
    QSize m_frame; // what the compositor adds around the window
    std::optional<QPoint> m_placedAt;
    UnixSocket m_moves; // kept open while the panel follows a resizing tab
};
