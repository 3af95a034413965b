/* A pointer for end-to-end tests on a wlroots compositor (sway), which has no input devices when it runs
 * headless. It creates one virtual pointer and keeps it for as long as it runs, so that clients see one
 * pointer appear once, not a new device per click. Commands, one per line on standard input:
 *   move X Y      put the pointer at X,Y of the output (in its logical pixels)
 *   click         press and release the primary button
 * Each command is answered with "ok" once the compositor has taken it.
 * Usage: wl_pointer OUTPUT_WIDTH OUTPUT_HEIGHT
 */
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

static struct wl_seat *seat;
static struct zwlr_virtual_pointer_manager_v1 *manager;

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
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
    if (!manager) {
        fprintf(stderr, "the compositor has no virtual pointers\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1 *pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    wl_display_roundtrip(display);
    setvbuf(stdout, NULL, _IOLBF, 0);
    printf("ready\n");

    char line[256];
    while (fgets(line, sizeof line, stdin)) {
        unsigned x = 0, y = 0;
        if (sscanf(line, "move %u %u", &x, &y) == 2) {
            zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), x, y, width, height);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else if (strncmp(line, "click", 5) == 0) {
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
            zwlr_virtual_pointer_v1_frame(pointer);
            wl_display_roundtrip(display);
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), BTN_LEFT, WL_POINTER_BUTTON_STATE_RELEASED);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else {
            fprintf(stderr, "unknown command: %s", line);
            continue;
        }
        if (wl_display_roundtrip(display) < 0)
            return 1;
        printf("ok\n");
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
