#include "desktop/x11/X11.h"

#include <QByteArray>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>

namespace X11 {

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const QByteArray &name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_NONE);
    std::free(reply);
    return found;
}

} // namespace

bool reachable()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool connected = !xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    return connected;
}

bool xembedTrayOwned()
{
    // A connection of our own: Qt's is busy with the display, and this one is short.
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screen);
    bool owned = false;
    if (!xcb_connection_has_error(connection)) {
        const xcb_atom_t selection = atom(connection, "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen));
        if (selection != XCB_NONE) {
            xcb_get_selection_owner_reply_t *owner =
                xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
            owned = owner && owner->owner != XCB_NONE;
            std::free(owner);
        }
    }
    xcb_disconnect(connection);
    return owned;
}

std::optional<unsigned long> activeWindow()
{
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screen);
    std::optional<unsigned long> active;
    if (!xcb_connection_has_error(connection)) {
        const xcb_atom_t property = atom(connection, "_NET_ACTIVE_WINDOW");
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; i < screen && screens.rem > 0; ++i)
            xcb_screen_next(&screens);
        if (property != XCB_NONE && screens.rem > 0) {
            xcb_get_property_reply_t *reply = xcb_get_property_reply(
                connection,
                xcb_get_property(connection, 0, screens.data->root, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1),
                nullptr);
            if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
                active = *static_cast<const xcb_window_t *>(xcb_get_property_value(reply));
            std::free(reply);
        }
    }
    xcb_disconnect(connection);
    return active;
}

void setStartupId(unsigned long window, const QByteArray &id)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (!xcb_connection_has_error(connection)) {
        const xcb_atom_t property = atom(connection, "_NET_STARTUP_ID");
        const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
        if (property != XCB_NONE && utf8 != XCB_NONE) {
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window), property, utf8, 8,
                                uint32_t(id.size()), id.constData());
            // Waits for the server, so the property is there before the window is mapped.
            std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
        }
    }
    xcb_disconnect(connection);
}

void keepOutOfTaskList(unsigned long window)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (!xcb_connection_has_error(connection)) {
        const xcb_atom_t property = atom(connection, "_NET_WM_STATE");
        // Qt adds its own states to these as it maps the window, and keeps them.
        const std::array<xcb_atom_t, 3> states{atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                               atom(connection, "_NET_WM_STATE_SKIP_PAGER"),
                                               atom(connection, "_KDE_NET_WM_STATE_SKIP_SWITCHER")};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window), property, XCB_ATOM_ATOM, 32,
                            uint32_t(states.size()), states.data());
        // Waits for the server, so the states are there before the window is mapped.
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    xcb_disconnect(connection);
}

} // namespace X11
