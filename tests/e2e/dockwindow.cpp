// SPDX-License-Identifier: GPL-3.0-or-later
// A dock along the top of the screen, as a desktop panel is: a window of the
// given height that reserves its strip with _NET_WM_STRUT_PARTIAL. Runs until
// it is killed.
//
//   dockwindow HEIGHT

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <unistd.h>

static xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

int main(int argc, char *argv[])
{
    const uint32_t height = argc > 1 ? uint32_t(std::atoi(argv[1])) : 40;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t grey = 0x808080;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0,
                      screen->width_in_pixels, uint16_t(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen->root_visual, XCB_CW_BACK_PIXEL, &grey);
    const xcb_atom_t dock = atom(connection, "_NET_WM_WINDOW_TYPE_DOCK");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window,
                        atom(connection, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &dock);
    // left, right, top, bottom, then the start and end of each side's strip.
    const uint32_t strut[12] = {0, 0, height, 0, 0, 0, 0, 0, 0, screen->width_in_pixels - 1u, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window,
                        atom(connection, "_NET_WM_STRUT_PARTIAL"), XCB_ATOM_CARDINAL, 32, 12,
                        strut);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, 4, "dock");
    // A window manager still starting up may miss the window: it is shown
    // again until the work area leaves its strip free.
    const xcb_atom_t workArea = atom(connection, "_NET_WORKAREA");
    for (;;) {
        xcb_map_window(connection, window);
        xcb_flush(connection);
        usleep(500000);
        xcb_get_property_reply_t *area = xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, screen->root, workArea, XCB_ATOM_CARDINAL, 0, 4),
            nullptr);
        const bool reserved =
            area && xcb_get_property_value_length(area) >= 16 &&
            static_cast<const uint32_t *>(xcb_get_property_value(area))[1] == height;
        std::free(area);
        if (reserved)
            break;
        xcb_unmap_window(connection, window);
    }
    for (;;)
        pause();
}
