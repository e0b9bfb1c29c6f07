// Prints how many pixels of the pointer's current image on the X display can
// be seen (alpha above zero): 0 while the pointer is hidden.
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdio>
#include <cstdlib>

int main()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 2;
    xcb_xfixes_query_version_reply_t *version = xcb_xfixes_query_version_reply(
        connection, xcb_xfixes_query_version(connection, 4, 0), nullptr);
    std::free(version);
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
    xcb_disconnect(connection);
    return 0;
}
