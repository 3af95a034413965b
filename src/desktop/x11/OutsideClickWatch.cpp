#include "desktop/x11/OutsideClickWatch.h"

#include "core/Logging.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>

namespace {

// Buttons 4 to 7 are the wheel's steps.
constexpr uint32_t kLastRealButton = 3;

} // namespace

struct OutsideClickWatch::Connection {
    xcb_connection_t *xcb = nullptr;
    uint8_t xinputOpcode = 0;
    std::unique_ptr<QSocketNotifier> notifier;

    ~Connection()
    {
        notifier.reset();
        if (xcb)
            xcb_disconnect(xcb);
    }
};

OutsideClickWatch::OutsideClickWatch(QObject *parent) : QObject(parent)
{}

OutsideClickWatch::~OutsideClickWatch() = default;

bool OutsideClickWatch::isWatching() const
{
    return m_connection != nullptr;
}

void OutsideClickWatch::start()
{
    if (m_connection || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // A connection of our own, so that the raw events never reach Qt's own event handling.
    auto connection = std::make_unique<Connection>();
    int screenNumber = 0;
    connection->xcb = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection->xcb))
        return;
    const xcb_query_extension_reply_t *xinput = xcb_get_extension_data(connection->xcb, &xcb_input_id);
    if (!xinput || !xinput->present) {
        qCInfo(lcPointer)
            << "No XInput on this X server: a click elsewhere closes the panel only if it moves the focus";
        return;
    }
    connection->xinputOpcode = xinput->major_opcode;
    // Raw events need XInput 2.1 or later.
    xcb_input_xi_query_version_reply_t *version =
        xcb_input_xi_query_version_reply(connection->xcb, xcb_input_xi_query_version(connection->xcb, 2, 2), nullptr);
    const bool recent =
        version && (version->major_version > 2 || (version->major_version == 2 && version->minor_version >= 1));
    std::free(version);
    if (!recent)
        return;

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection->xcb));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return;
    struct {
        xcb_input_event_mask_t head;
        uint32_t mask;
    } selection{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS};
    xcb_input_xi_select_events(connection->xcb, screens.data->root, 1, &selection.head);
    xcb_flush(connection->xcb);

    connection->notifier =
        std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection->xcb), QSocketNotifier::Read);
    connect(connection->notifier.get(), &QSocketNotifier::activated, this, &OutsideClickWatch::readEvents);
    m_connection = std::move(connection);
}

void OutsideClickWatch::stop()
{
    m_connection.reset();
}

void OutsideClickWatch::readEvents()
{
    bool press = false;
    while (m_connection) {
        xcb_generic_event_t *event = xcb_poll_for_event(m_connection->xcb);
        if (!event)
            break;
        if ((event->response_type & 0x7f) == XCB_GE_GENERIC) {
            const auto *generic = reinterpret_cast<const xcb_ge_generic_event_t *>(event);
            if (generic->extension == m_connection->xinputOpcode && generic->event_type == XCB_INPUT_RAW_BUTTON_PRESS) {
                const auto *raw = reinterpret_cast<const xcb_input_raw_button_press_event_t *>(event);
                press = press || raw->detail <= kLastRealButton;
            }
        }
        std::free(event);
    }
    if (m_connection && xcb_connection_has_error(m_connection->xcb))
        m_connection.reset();
    if (press)
        Q_EMIT pressed();
}
