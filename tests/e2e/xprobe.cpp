// SPDX-License-Identifier: GPL-3.0-or-later
// Looks at the X display for the end-to-end tests:
//   xprobe pointer       visible pixels of the pointer's current image (0: hidden)
//   xprobe saver-state   "on" while the X server's screen saver is active, else "off"
// It ends right after one answer, so the replies are left to the end of the process.
#include <xcb/screensaver.h>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (argc < 2 || xcb_connection_has_error(c))
        return 2;
    if (!std::strcmp(argv[1], "saver-state")) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        auto *info =
            xcb_screensaver_query_info_reply(c, xcb_screensaver_query_info(c, root), nullptr);
        if (!info)
            return 2;
        std::puts(info->state == XCB_SCREENSAVER_STATE_ON ? "on" : "off");
        return 0;
    }
    xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 4, 0), nullptr);
    auto *image = xcb_xfixes_get_cursor_image_reply(c, xcb_xfixes_get_cursor_image(c), nullptr);
    if (std::strcmp(argv[1], "pointer") || !image)
        return 2;
    const uint32_t *pixels = xcb_xfixes_get_cursor_image_cursor_image(image);
    int visible = 0;
    for (int i = 0; i < xcb_xfixes_get_cursor_image_cursor_image_length(image); ++i)
        visible += (pixels[i] >> 24) != 0;
    std::printf("%d\n", visible);
    return 0;
}
