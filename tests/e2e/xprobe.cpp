// SPDX-License-Identifier: GPL-3.0-or-later
// Looks at the X display for the end-to-end tests.
//
//   xprobe pointer          visible pixels of the pointer's current image (0: hidden)
//   xprobe saver-state      "on" while the X server's screen saver is active, else "off"
#include <xcb/screensaver.h>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static int pointerPixels(xcb_connection_t *connection)
{
    std::free(xcb_xfixes_query_version_reply(connection, xcb_xfixes_query_version(connection, 4, 0),
                                             nullptr));
    xcb_xfixes_get_cursor_image_reply_t *image = xcb_xfixes_get_cursor_image_reply(
        connection, xcb_xfixes_get_cursor_image(connection), nullptr);
    if (!image)
        return 2;
    const uint32_t *pixels = xcb_xfixes_get_cursor_image_cursor_image(image);
    const int count = xcb_xfixes_get_cursor_image_cursor_image_length(image);
    int visible = 0;
    for (int i = 0; i < count; ++i)
        visible += (pixels[i] >> 24) != 0;
    std::printf("%d\n", visible);
    std::free(image);
    return 0;
}

static int saverState(xcb_connection_t *connection, xcb_window_t root)
{
    xcb_screensaver_query_info_reply_t *info = xcb_screensaver_query_info_reply(
        connection, xcb_screensaver_query_info(connection, root), nullptr);
    if (!info)
        return 2;
    std::printf("%s\n", info->state == XCB_SCREENSAVER_STATE_ON ? "on" : "off");
    std::free(info);
    return 0;
}

int main(int argc, char *argv[])
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (argc < 2 || xcb_connection_has_error(connection))
        return 2;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    int status = 2;
    if (!std::strcmp(argv[1], "pointer")) {
        status = pointerPixels(connection);
    } else if (!std::strcmp(argv[1], "saver-state")) {
        status = saverState(connection, root);
    }
    xcb_disconnect(connection);
    return status;
}
