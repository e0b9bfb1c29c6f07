// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/windowmanager.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {
xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

// The values of a window's property of the given type, at most 4096.
template <typename Each>
void forEachValue(xcb_connection_t *connection, xcb_window_t window, const char *property,
                  xcb_atom_t type, Each each)
{
    const xcb_atom_t name = atom(connection, property);
    if (name == XCB_ATOM_NONE)
        return;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, 4096), nullptr);
    if (reply && reply->format == 32) {
        const auto *values = static_cast<const uint32_t *>(xcb_get_property_value(reply));
        for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
            each(values[i]);
    }
    std::free(reply);
}
} // namespace

bool WindowManager::makesWindowsFullScreen()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return true;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;

    // A running window manager names a window of its own on the root window;
    // a name left behind by one that has ended names no window.
    bool running = false;
    forEachValue(
        connection, root, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW, [&](uint32_t window) {
            xcb_get_window_attributes_reply_t *attributes = xcb_get_window_attributes_reply(
                connection, xcb_get_window_attributes(connection, window), nullptr);
            running = attributes != nullptr;
            std::free(attributes);
        });
    bool fullScreen = false;
    const xcb_atom_t wanted = atom(connection, "_NET_WM_STATE_FULLSCREEN");
    forEachValue(connection, root, "_NET_SUPPORTED", XCB_ATOM_ATOM,
                 [&](uint32_t supported) { fullScreen = fullScreen || supported == wanted; });
    return running && fullScreen;
}

bool WindowManager::compositorPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
