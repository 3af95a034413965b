/* Input for end-to-end tests on a compositor that runs headless with no input devices: a wlroots one
 * (sway), through its virtual-pointer protocol, or KWin, through its fake-input protocol (which KWin offers
 * to any client when started with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1). It keeps one device for as long as
 * it runs, so that clients see one pointer appear once, not a new device per click. Commands, one per line
 * on standard input:
 *   move X Y      put the pointer at X,Y of the output (in its logical pixels)
 *   click [right] press and release the primary button (or the secondary one)
 *   key CODE      press and release a key, by its evdev code (KWin only)
 * Each command is answered with "ok" once the compositor has taken it.
 * Usage: wl_pointer OUTPUT_WIDTH OUTPUT_HEIGHT
 */
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"
#ifdef HAVE_KDE_FAKE_INPUT
#include "fake-input-client-protocol.h"
#else
struct org_kde_kwin_fake_input;
#endif

#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

static struct wl_seat *seat;
static struct zwlr_virtual_pointer_manager_v1 *manager;
static struct org_kde_kwin_fake_input *fake;

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
#ifdef HAVE_KDE_FAKE_INPUT
    else if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        fake = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
#endif
}

static void global_remove(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {global, global_remove};

static uint32_t now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (uint32_t)(ts.tv_sec * 1000 + ts.tv_nsec / 1000000);
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s OUTPUT_WIDTH OUTPUT_HEIGHT\n", argv[0]);
        return 2;
    }
    const uint32_t width = (uint32_t)atoi(argv[1]);
    const uint32_t height = (uint32_t)atoi(argv[2]);
    struct wl_display *display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    struct wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (!manager && !fake) {
        fprintf(stderr, "the compositor has no virtual pointers\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1 *pointer =
        manager ? zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat) : NULL;
#ifdef HAVE_KDE_FAKE_INPUT
    if (fake)
        org_kde_kwin_fake_input_authenticate(fake, "Tessellon tests", "end-to-end tests");
#endif
    wl_display_roundtrip(display);
    setvbuf(stdout, NULL, _IOLBF, 0);
    printf("ready\n");

    char line[256];
    while (fgets(line, sizeof line, stdin)) {
        unsigned x = 0, y = 0;
        const uint32_t button = strncmp(line, "click right", 11) == 0 ? BTN_RIGHT : BTN_LEFT;
        if (!pointer) {
#ifdef HAVE_KDE_FAKE_INPUT
            unsigned code = 0;
            if (sscanf(line, "move %u %u", &x, &y) == 2) {
                org_kde_kwin_fake_input_pointer_motion_absolute(fake, wl_fixed_from_int((int)x),
                                                                wl_fixed_from_int((int)y));
            } else if (strncmp(line, "click", 5) == 0) {
                org_kde_kwin_fake_input_button(fake, button, WL_POINTER_BUTTON_STATE_PRESSED);
                wl_display_roundtrip(display);
                org_kde_kwin_fake_input_button(fake, button, WL_POINTER_BUTTON_STATE_RELEASED);
            } else if (sscanf(line, "key %u", &code) == 1) {
                org_kde_kwin_fake_input_keyboard_key(fake, code, WL_KEYBOARD_KEY_STATE_PRESSED);
                wl_display_roundtrip(display);
                org_kde_kwin_fake_input_keyboard_key(fake, code, WL_KEYBOARD_KEY_STATE_RELEASED);
            } else {
                fprintf(stderr, "unknown command: %s", line);
                continue;
            }
#endif
        } else if (sscanf(line, "move %u %u", &x, &y) == 2) {
            zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), x, y, width, height);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else if (strncmp(line, "click", 5) == 0) {
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), button, WL_POINTER_BUTTON_STATE_PRESSED);
            zwlr_virtual_pointer_v1_frame(pointer);
            wl_display_roundtrip(display);
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), button, WL_POINTER_BUTTON_STATE_RELEASED);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else {
            fprintf(stderr, "unknown command: %s", line);
            continue;
        }
        if (wl_display_roundtrip(display) < 0)
            return 1;
        printf("ok\n");
    }
    if (pointer)
        zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
