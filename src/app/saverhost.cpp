// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/saverhost.h"

#include "app/commandline.h"
#include "app/consolewindow.h"
#include "services/delay.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

namespace {

xcb_connection_t *connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

QSize sizeOf(xcb_connection_t *x, xcb_window_t window)
{
    xcb_get_geometry_reply_t *reply =
        xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    const QSize size = reply ? QSize(reply->width, reply->height) : QSize();
    std::free(reply);
    return size;
}

} // namespace

quint32 SaverHost::findWindow(quint32 asked, QString *reason)
{
    xcb_connection_t *x = connection();
    if (!x) {
        *reason = QStringLiteral("A screen saver needs an X display.");
        return 0;
    }
    quint32 window = asked;
    if (!window) {
        const QString named = qEnvironmentVariable("XSCREENSAVER_WINDOW").trimmed();
        if (!named.isEmpty())
            window = CommandLine::windowId(named).value_or(0);
        if (!named.isEmpty() && !window) {
            *reason = QStringLiteral("XSCREENSAVER_WINDOW names no window: '%1'.").arg(named);
            return 0;
        }
    }
    if (!window)
        window = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    if (!sizeOf(x, window).isValid()) {
        *reason = QStringLiteral("No window 0x%1.").arg(window, 0, 16);
        return 0;
    }
    return window;
}

QSize SaverHost::windowSize(quint32 window)
{
    xcb_connection_t *x = connection();
    return x ? sizeOf(x, window) : QSize();
}

SaverHost::SaverHost(ConsoleWindow &console, quint32 window) : SaverHost(console, window, Rhythm())
{}

SaverHost::SaverHost(ConsoleWindow &console, quint32 window, Rhythm rhythm)
    : console_(console), window_(window), rhythm_(rhythm)
{
    blankTimer_.setInterval(rhythm_.every);
    connect(&blankTimer_, &QTimer::timeout, this, &SaverHost::blankCycle);
    qApp->installNativeEventFilter(this);
}

SaverHost::~SaverHost()
{
    qApp->removeNativeEventFilter(this);
}

void SaverHost::embed()
{
    xcb_connection_t *x = connection();
    // The saver daemon owns the keyboard and the pointer: clicks and keys
    // go through the console to whatever lies below.
    console_.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                            Qt::WindowDoesNotAcceptFocus);
    console_.setFit(ConsoleWindow::Fit::Window);
    console_.winId();
    console_.windowHandle()->setParent(QWindow::fromWinId(window_));
    console_.setGeometry(QRect(QPoint(), sizeOf(x, window_)));
    // Learn of the window's changes of size, and of its end.
    const quint32 events = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, window_, XCB_CW_EVENT_MASK, &events);
    xcb_flush(x);
}

void SaverHost::startBlankCycle()
{
    blankTimer_.start();
}

void SaverHost::start()
{
    startBlankCycle();
    // Each of the two runs on inside its own animation: the power switch
    // returns once the graph shows, Start only when the program ends.
    QTimer::singleShot(0, this, [this] {
        console_.power().label15Click();
        if (!console_.delay().ending())
            console_.bars().label12Click();
    });
}

void SaverHost::blankCycle()
{
    if (console_.state().ScreenOff)
        return;
    console_.blank().blankAtOnce();
    QTimer::singleShot(rhythm_.lasts, this, [this] {
        if (console_.state().ScreenOff && !console_.delay().ending())
            console_.blank().blackScreenClick();
    });
}

bool SaverHost::nativeEventFilter(const QByteArray &type, void *message, qintptr *)
{
    if (type != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    switch (event->response_type & 0x7f) {
    case XCB_CONFIGURE_NOTIFY: {
        const auto *configure = static_cast<const xcb_configure_notify_event_t *>(message);
        if (configure->window == window_)
            console_.resize(configure->width, configure->height);
        break;
    }
    case XCB_DESTROY_NOTIFY:
        // The console's own window went with it; nothing is left to draw
        // on or to save, and every further word to the X server would be
        // answered with an error.
        if (const xcb_window_t gone =
                static_cast<const xcb_destroy_notify_event_t *>(message)->window;
            gone == window_ || gone == console_.winId()) {
            std::fflush(nullptr);
            std::_Exit(0);
        }
        break;
    default:
        break;
    }
    return false;
}
