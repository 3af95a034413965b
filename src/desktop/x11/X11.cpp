#include "desktop/x11/X11.h"

#include <QByteArray>

#include <xcb/xcb.h>

#include <cstdlib>

namespace X11 {

bool xembedTrayOwned()
{
    // A connection of our own: Qt's is busy with the display, and this one is short.
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screen);
    bool owned = false;
    if (!xcb_connection_has_error(connection)) {
        const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen);
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()), nullptr);
        if (atom) {
            xcb_get_selection_owner_reply_t *owner =
                xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
            owned = owner && owner->owner != XCB_NONE;
            std::free(owner);
            std::free(atom);
        }
    }
    xcb_disconnect(connection);
    return owned;
}

void setStartupId(unsigned long window, const QByteArray &id)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (!xcb_connection_has_error(connection)) {
        const auto intern = [connection](const char *name) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
                connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
            const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_NONE);
            std::free(reply);
            return atom;
        };
        const xcb_atom_t property = intern("_NET_STARTUP_ID");
        const xcb_atom_t utf8 = intern("UTF8_STRING");
        if (property != XCB_NONE && utf8 != XCB_NONE) {
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window), property, utf8, 8,
                                uint32_t(id.size()), id.constData());
            // Waits for the server, so the property is there before the window is mapped.
            std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
        }
    }
    xcb_disconnect(connection);
}

} // namespace X11
