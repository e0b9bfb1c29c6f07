// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/desktoppointer.h"
#include "services/desktopscreensaver.h"
#include "services/windowmanager.h"
#include "support/rows.h"

#include <QProcess>
#include <QtTest>

#include <xcb/screensaver.h>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

// The desktop services on a bare X server of the test's own: what a window
// manager announces, the pointer held to its rectangle and hidden, and the X
// server's screen saver held off.
class TstX11 : public QObject
{
    Q_OBJECT

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;

    xcb_atom_t atom(const QByteArray &name)
    {
        auto *reply = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, name.size(), name), nullptr);
        const xcb_atom_t found = reply->atom;
        std::free(reply);
        return found;
    }
    bool saverOn()
    {
        auto *info = xcb_screensaver_query_info_reply(x, xcb_screensaver_query_info(x, root), {});
        const bool on = info->state == XCB_SCREENSAVER_STATE_ON;
        std::free(info);
        return on;
    }
    bool pointerVisible() // any pixel of the pointer's current image not transparent
    {
        auto *image = xcb_xfixes_get_cursor_image_reply(x, xcb_xfixes_get_cursor_image(x), {});
        const uint32_t *pixels = xcb_xfixes_get_cursor_image_cursor_image(image);
        const int size = xcb_xfixes_get_cursor_image_cursor_image_length(image);
        const bool visible = std::any_of(pixels, pixels + size, [](uint32_t p) { return p >> 24; });
        std::free(image);
        return visible;
    }

private slots:
    // The root window names a window manager's window and the window states
    // it supports (windowmanager.txt); then whether it sizes full-screen windows.
    void windowManagerSizesFullScreenWindows_data()
    {
        dataRows(QFINDTESTDATA("windowmanager.txt"));
    }
    void windowManagerSizesFullScreenWindows()
    {
        QFETCH(QStringList, row); // name, window, states, sizes full-screen windows
        const xcb_window_t window = xcb_generate_id(x);
        xcb_create_window(x, 0, window, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, 0, 0, {});
        if (row[1] == "gone")
            xcb_destroy_window(x, window);
        QList<uint32_t> atoms;
        for (const QString &state : row[2].split(','))
            atoms << atom("_NET_WM_STATE_" + state.toLatin1());
        xcb_change_property(x, XCB_PROP_MODE_REPLACE, root, atom("_NET_SUPPORTING_WM_CHECK"),
                            XCB_ATOM_WINDOW, 32, row[1] == "none" ? 0 : 1, &window);
        // Checked, so the server has it all before the program asks.
        std::free(xcb_request_check(
            x, xcb_change_property_checked(x, XCB_PROP_MODE_REPLACE, root, atom("_NET_SUPPORTED"),
                                           XCB_ATOM_ATOM, 32, atoms.size(), atoms.data())));
        QCOMPARE(WindowManager::makesWindowsFullScreen(), row[3] == "yes");
        QVERIFY(!WindowManager::compositorPlacesWindows());
    }

    // Moved inside, above left and below right of a rectangle, then of an
    // empty one.
    void pointerIsHeldToItsRectangle()
    {
        DesktopPointer pointer;
        QString seen;
        for (const QRect &held : {QRect(100, 50, 200, 100), QRect(400, 300, 0, 0)}) {
            pointer.confine(held);
            for (const QPoint &to : {QPoint(150, 80), QPoint(5, 5), QPoint(900, 700)}) {
                pointer.moveTo(to);
                seen += QString("%1,%2 ").arg(pointer.position().x()).arg(pointer.position().y());
            }
        }
        QCOMPARE(seen, "150,80 100,50 299,149 400,300 400,300 400,300 ");
    }

    // Held, the saver does not start; let go, it starts again.
    void screenSaverIsHeldOff()
    {
        xcb_set_screen_saver(x, 1, 0, XCB_BLANKING_NOT_PREFERRED, XCB_EXPOSURES_ALLOWED);
        // Checked, so the server has the one-second saver before the hold.
        std::free(xcb_request_check(x, xcb_force_screen_saver_checked(x, XCB_SCREEN_SAVER_RESET)));
        DesktopScreenSaver saver(QString{});
        saver.setActive(false);
        QTest::qWait(3000); // a free saver starts within two seconds of its reset here
        QVERIFY(!saverOn());
        saver.setActive(true);
        QTRY_VERIFY_WITH_TIMEOUT(saverOn(), 5000);
    }

    // Over the program's window the pointer is blank while more hides than
    // shows were asked for, and shows again once they balance.
    void pointerHidesOverTheWindow()
    {
        std::free(xcb_xfixes_query_version_reply(x, xcb_xfixes_query_version(x, 4, 0), {}));
        QWidget window; // the bare server's own pointer is blank; the window's is an arrow
        window.setCursor(Qt::ArrowCursor);
        window.showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        DesktopPointer pointer;
        pointer.moveTo({300, 200});
        QTRY_VERIFY(pointerVisible());
        QList<int> counters;
        for (const bool show : {true, false, false, false, true, true, true}) {
            counters << pointer.showCursor(show);
            QTRY_COMPARE(pointerVisible(), counters.last() >= 0);
        }
        QCOMPARE(counters, QList<int>({1, 0, -1, -2, -1, 0, 1}));
    }
};

// The test starts its own X server and runs on it; without one it is skipped.
int main(int argc, char *argv[])
{
    QProcess xvfb;
    xvfb.start("Xvfb", {"-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24"});
    if (!xvfb.waitForReadyRead(20000))
        return 77;
    qputenv("DISPLAY", ":" + xvfb.readAll().trimmed());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TstX11 test;
    const int failed = QTest::qExec(&test, argc, argv);
    xvfb.close(); // ends the server
    return failed;
}

#include "tst_x11.moc"
