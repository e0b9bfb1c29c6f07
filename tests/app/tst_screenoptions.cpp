// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/screenchoice.h"
#include "app/screenfollower.h"
#include "app/screenprobe.h"
#include "app/zoom.h"
#include "controls/picturebox.h"
#include "support/consolefixture.h"
#include "support/rows.h"

#include <QtTest>
#include <qpa/qplatformnativeinterface.h>

// The zoom factor, the screen choice and the display probe; the console on the second of two
// offscreen screens (twoscreens.json), then unplugged.
class TstScreenOptions : public QObject
{
    Q_OBJECT

    // The left screen, and the right one unless its cable is pulled.
    static void plug(bool right)
    {
        QJsonArray screens{QJsonObject{{"name", "left"}, {"width", 1024}, {"height", 768}}};
        if (right)
            screens.append(
                QJsonObject{{"name", "right"}, {"x", 1024}, {"width", 1920}, {"height", 1080}});
        using Set = void (*)(const QJsonObject &, QPlatformNativeInterface *);
        auto *native = QGuiApplication::platformNativeInterface();
        reinterpret_cast<Set>(native->nativeResourceForIntegration("setConfiguration"))(
            {{"screens", screens}}, native);
    }
    static void unplugRight() { plug(false); }

private slots:
    // The zoom factor, the screen chosen and whether a display is in reach.
    void choices_data()
    {
        QTest::addColumn<QString>("row");
        for (const QString &row : dataLines(QFINDTESTDATA("choices.txt")))
            QTest::newRow(qPrintable(row)) << row;
    }
    void choices()
    {
        QFETCH(QString, row);
        const QStringList w = row.split(' ');
        if (w[0] == "zoom") {
            QVERIFY(qAbs(Zoom::factor(w[1], QSizeF(w[2].toInt(), w[3].toInt())).value_or(0) -
                         w[4].toDouble()) < 1e-5);
        } else if (w[0] == "screen") {
            QCOMPARE(ScreenChoice::indexOf({"DP-1", "HDMI-1", "7"}, w[1]), w[2].toInt());
        } else if (w[0] == "window") {
            const QSize size = CommandLine::windowSize(w[1]);
            QCOMPARE(size.isValid() ? size : QSize(0, 0), QSize(w[2].toInt(), w[3].toInt()));
        } else if (w[0] == "id") {
            QCOMPARE(CommandLine::windowId(w[1]).value_or(0), w[2].toUInt());
        } else {
            // The platform is chosen already; these feed the probe alone.
            const char *names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
            for (int i = 0; i < 3; ++i)
                w[i + 1] == "-" ? qunsetenv(names[i]) : qputenv(names[i], w[i + 1].toUtf8());
            QCOMPARE(ScreenProbe::displayReachable(), w[4] == "1");
            QCOMPARE(ScreenProbe::platform(), w[5]);
        }
    }

    // --help lists the screens; the console on the second follows it when
    // it is unplugged, to cover the remaining screen.
    void unpluggedScreen()
    {
        QCOMPARE(ScreenChoice::describe(), QString("  0  left          1024x768 at 0,0  primary\n"
                                                   "  1  right         1920x1080 at 1024,0\n"));
        QCOMPARE(ScreenChoice::find("left"), QGuiApplication::screens().first());
        ScreenFollower follower;
        ConsoleFixture f;
        f.load();
        f.console->setScreen(ScreenChoice::find("1"));
        f.console->setWindowState(Qt::WindowNoState);
        f.console->setWindowState(Qt::WindowFullScreen);
        QTRY_COMPARE(f.console->geometry(), QRect(1024, 0, 1920, 1080));
        unplugRight();
        // The console covers the remaining screen, the artwork in its middle.
        QTRY_COMPARE(f.console->geometry(), QRect(0, 0, 1024, 768));
        QCOMPARE(ScreenChoice::describe(),
                 QString("  0  left          1024x768 at 0,0  primary\n"));
        QCOMPARE(f.c().Picture1->twipGeometry().center(), QPointF(1024 * 15 / 2, 768 * 15 / 2));
    }

    // A console fitted to its screen is fitted anew to the screen it moves
    // to: 1920 x 1080 holds it at 1.95, the remaining 1024 x 768 at 1.28.
    void fittedToTheScreenItIsOn()
    {
        plug(true);
        QCOMPARE(ScreenChoice::find("left"), QGuiApplication::screens().first());
        ScreenFollower follower;
        ConsoleFixture f;
        f.load();
        f.console->setScreen(ScreenChoice::find("1"));
        f.console->setFit(ConsoleWindow::Fit::Screen);
        f.console->refit();
        f.console->setWindowState(Qt::WindowNoState);
        f.console->setWindowState(Qt::WindowFullScreen);
        QTRY_COMPARE(f.console->geometry(), QRect(1024, 0, 1920, 1080));
        QCOMPARE(Twips::zoom(), 1080 / 554.0);
        unplugRight();
        QTRY_COMPARE(Twips::zoom(), 1.28);
        QTRY_COMPARE(f.console->geometry(), QRect(0, 0, 1024, 768));
        // The artwork in the middle of the screen's 12000 x 9000 twips at that zoom.
        QCOMPARE(f.c().Picture1->twipGeometry().center(), QPointF(6000, 4500));
        QCOMPARE(f.c().Picture1->geometry(), QRect(0, 29, 1024, 710));
    }
};

QTEST_MAIN(TstScreenOptions)
#include "tst_screenoptions.moc"
