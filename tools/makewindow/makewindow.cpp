// SPDX-License-Identifier: GPL-3.0-or-later
// makewindow WxH: maps a plain black top-level window of that size at 0,0, prints its id in
// decimal and stays until it is killed; the server then destroys the window. The end-to-end tests
// hand the id to the program as a screen saver's window would be handed.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    unsigned width = 0, height = 0;
    if (argc != 2 || std::sscanf(argv[1], "%ux%u", &width, &height) != 2 || !width || !height) {
        std::fprintf(stderr, "usage: makewindow WIDTHxHEIGHT\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "makewindow: no display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_screen_t *screen = screens.data;

    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t values[] = {screen->black_pixel};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, width, height,
                      0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL,
                      values);
    const char title[] = "makewindow";
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, sizeof title - 1, title);
    xcb_map_window(connection, window);
    xcb_flush(connection);
    std::printf("%u\n", window);
    std::fflush(stdout);

    // Nothing is selected on the window, so this only returns when the connection is lost.
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection))
        std::free(event);
    xcb_disconnect(connection);
    return 0;
}
