// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/desktoppointer.h"
#include "services/desktopscreensaver.h"
#include "services/sessionbusprobe.h"
#include "services/windowmanager.h"

#include <QProcess>
#include <QtTest>

#include <xcb/screensaver.h>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

// The desktop services on a bare X server of the test's own: what a window
// manager announces, the pointer held to its rectangle and hidden, the X
// server's screen saver held off, and the session bus the program asks.
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
    // The root window names a window manager's window (one that lives, or
    // one left behind) and the states it supports.
    void windowManagerSizesFullScreenWindows_data()
    {
        QTest::addColumn<QString>("manager");
        QTest::addColumn<QByteArrayList>("supported");
        QTest::addColumn<bool>("sizes");
        const QByteArray above = "_NET_WM_STATE_ABOVE", full = "_NET_WM_STATE_FULLSCREEN";
        QTest::newRow("bare server") << "none" << QByteArrayList() << false;
        QTest::newRow("running, full screen last")
            << "living" << QByteArrayList{above, full} << true;
        QTest::newRow("running, full screen first")
            << "living" << QByteArrayList{full, above} << true;
        QTest::newRow("running, no full screen") << "living" << QByteArrayList{above} << false;
        QTest::newRow("ended") << "gone" << QByteArrayList{full} << false;
        QTest::newRow("full screen, no manager") << "none" << QByteArrayList{full} << false;
    }
    void windowManagerSizesFullScreenWindows()
    {
        QFETCH(QString, manager);
        QFETCH(QByteArrayList, supported);
        const xcb_window_t window = xcb_generate_id(x);
        xcb_create_window(x, 0, window, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, 0, 0, {});
        if (manager == "gone")
            xcb_destroy_window(x, window);
        QList<uint32_t> atoms;
        for (const QByteArray &name : supported)
            atoms << atom(name);
        xcb_change_property(x, XCB_PROP_MODE_REPLACE, root, atom("_NET_SUPPORTING_WM_CHECK"),
                            XCB_ATOM_WINDOW, 32, manager == "none" ? 0 : 1, &window);
        // Checked, so the server has it all before the program asks.
        std::free(xcb_request_check(
            x, xcb_change_property_checked(x, XCB_PROP_MODE_REPLACE, root, atom("_NET_SUPPORTED"),
                                           XCB_ATOM_ATOM, 32, atoms.size(), atoms.data())));
        QTEST(WindowManager::makesWindowsFullScreen(), "sizes");
        QVERIFY(!WindowManager::compositorPlacesWindows());
    }

    void pointerIsHeldToItsRectangle_data()
    {
        QTest::addColumn<QRect>("held");
        QTest::addColumn<QPoint>("movedTo");
        QTest::addColumn<QPoint>("at");
        const QRect held(100, 50, 200, 100);
        QTest::newRow("inside") << held << QPoint(150, 80) << QPoint(150, 80);
        QTest::newRow("above left") << held << QPoint(5, 5) << QPoint(100, 50);
        QTest::newRow("below right") << held << QPoint(900, 700) << QPoint(299, 149);
        QTest::newRow("empty") << QRect(400, 300, 0, 0) << QPoint(900, 700) << QPoint(400, 300);
    }
    void pointerIsHeldToItsRectangle()
    {
        QFETCH(QRect, held);
        QFETCH(QPoint, movedTo);
        DesktopPointer pointer;
        pointer.confine(held);
        pointer.moveTo(movedTo);
        QTEST(pointer.position(), "at");
    }

    // Held, the saver does not start; let go, it starts again.
    void screenSaverIsHeldOff()
    {
        xcb_set_screen_saver(x, 1, 0, XCB_BLANKING_NOT_PREFERRED, XCB_EXPOSURES_ALLOWED);
        xcb_force_screen_saver(x, XCB_SCREEN_SAVER_RESET);
        DesktopScreenSaver saver(QString{});
        saver.setActive(false);
        QTest::qWait(3000); // a free saver starts about two seconds after its reset here
        QVERIFY(!saverOn());
        saver.setActive(true);
        QTRY_VERIFY_WITH_TIMEOUT(saverOn(), 5000);
    }

    // Over the program's window the pointer is blank while the display
    // counter is below zero, and shows again when it is back at zero.
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
        for (const bool show : {false, true}) {
            pointer.showCursor(show);
            QTRY_COMPARE(pointerVisible(), show);
        }
    }

    // The bus the desktop names, else the bus socket in the runtime folder.
    void sessionBusAddress()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        QCOMPARE(SessionBusProbe::sessionAddress(), QString());
        QFile(runtime.filePath("bus")).open(QIODevice::WriteOnly);
        QCOMPARE(SessionBusProbe::sessionAddress(), "unix:path=" + runtime.filePath("bus"));
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:abstract=given");
        QCOMPARE(SessionBusProbe::sessionAddress(), "unix:abstract=given");
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
    xvfb.terminate();
    xvfb.waitForFinished();
    return failed;
}

#include "tst_x11.moc"
