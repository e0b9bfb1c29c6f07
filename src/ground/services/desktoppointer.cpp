// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/desktoppointer.h"

#include "services/windowmanager.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <xcb/xcb.h>

#include <cmath>

QPoint DesktopPointer::position() const
{
    return QCursor::pos();
}

void DesktopPointer::moveTo(const QPoint &screenPixels)
{
    // On Wayland the pointer is the compositor's alone; Qt would only warn.
    if (WindowManager::compositorPlacesWindows())
        return;
    QCursor::setPos(screenPixels);
}

int DesktopPointer::showCursor(bool show)
{
    counter_ += show ? 1 : -1;
    const bool hide = counter_ < 0;
    if (hide != hidden_) {
        hidden_ = hide;
        if (hide)
            QGuiApplication::setOverrideCursor(Qt::BlankCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    }
    return counter_;
}

void DesktopPointer::confine(const QRect &screenPixels)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t *connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;

    // The grab confines the pointer to a window, so an input-only window of
    // the rectangle, at the bottom of the stack where it takes no clicks
    // from the program's windows, stands for it. An empty rectangle holds
    // the pointer at its corner.
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    const auto native = [ratio](int pixels) { return int(std::lround(pixels * ratio)); };
    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t overrideRedirect = 1;
    xcb_create_window(
        connection, XCB_COPY_FROM_PARENT, window, root, int16_t(native(screenPixels.x())),
        int16_t(native(screenPixels.y())), uint16_t(std::max(1, native(screenPixels.width()))),
        uint16_t(std::max(1, native(screenPixels.height()))), 0, XCB_WINDOW_CLASS_INPUT_ONLY,
        XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT, &overrideRedirect);
    const uint32_t bottom = XCB_STACK_MODE_BELOW;
    xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &bottom);
    xcb_map_window(connection, window);
    const xcb_grab_pointer_cookie_t grab =
        xcb_grab_pointer(connection, 1, root, 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, window,
                         XCB_NONE, XCB_CURRENT_TIME);
    xcb_discard_reply(connection, grab.sequence);
    if (confineWindow_ != 0)
        xcb_destroy_window(connection, confineWindow_);
    confineWindow_ = window;
    xcb_flush(connection);
}
