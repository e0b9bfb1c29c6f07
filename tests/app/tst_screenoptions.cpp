// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screenchoice.h"
#include "app/screenfollower.h"
#include "app/zoom.h"
#include "controls/picturebox.h"
#include "support/consolefixture.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>
#include <qpa/qplatformnativeinterface.h>

// The zoom factor and the screen choice; the console on the second of two
// offscreen screens (twoscreens.json), then unplugged.
class TstScreenOptions : public QObject
{
    Q_OBJECT

private slots:
    // "zoom" rows: the zoom asked for, screen width and height, the factor
    // (0 for no zoom). "screen" rows: a choice among the screens DP-1, HDMI-1
    // and 7, its index (-1 for none).
    void choices_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row :
             {"zoom fit 800 480 0.86643", "zoom fit 1024 768 1.28", "zoom fit 1920 1080 1.94946",
              "zoom fit 3840 2160 3.89892", "zoom fit 320 200 0.5", "zoom fit 7680 4320 4",
              "zoom 0.5 800 480 0.5", "zoom 4.01 800 480 0", "zoom Fit 800 480 0", "screen  0",
              "screen 1 1", "screen HDMI-1 1", "screen 7 2", "screen 3 -1", "screen -1 -1",
              "screen +1 -1", "screen hdmi-1 -1"})
            QTest::newRow(row) << QString(row);
    }
    void choices()
    {
        QFETCH(QString, row);
        const QStringList w = row.split(' ');
        if (w[0] == "zoom")
            QVERIFY(qAbs(Zoom::factor(w[1], QSizeF(w[2].toInt(), w[3].toInt())).value_or(0) -
                         w[4].toDouble()) < 1e-5);
        else
            QCOMPARE(ScreenChoice::indexOf({"DP-1", "HDMI-1", "7"}, w[1]), w[2].toInt());
    }

    // --help lists the screens; the console on the second follows it when
    // it is unplugged, to cover the remaining screen.
    void unpluggedScreen()
    {
        QCOMPARE(ScreenChoice::describe(), QString("  0  left          1024x768 at 0,0  primary\n"
                                                   "  1  right         1920x1080 at 1024,0\n"));
        ScreenFollower follower;
        ConsoleFixture f;
        f.load();
        f.console->setScreen(ScreenChoice::find("1"));
        f.console->setWindowState(Qt::WindowNoState);
        f.console->setWindowState(Qt::WindowFullScreen);
        QTRY_COMPARE(f.console->geometry(), QRect(1024, 0, 1920, 1080));
        using Set = void (*)(const QJsonObject &, QPlatformNativeInterface *);
        auto *native = QGuiApplication::platformNativeInterface();
        reinterpret_cast<Set>(native->nativeResourceForIntegration("setConfiguration"))(
            {{"screens",
              QJsonArray{QJsonObject{{"name", "left"}, {"width", 1024}, {"height", 768}}}}},
            native);
        // The console covers the remaining screen, the artwork in its middle.
        QTRY_COMPARE(f.console->geometry(), QRect(0, 0, 1024, 768));
        QCOMPARE(ScreenChoice::describe(),
                 QString("  0  left          1024x768 at 0,0  primary\n"));
        QCOMPARE(f.c().Picture1->twipGeometry().center(), QPointF(1024 * 15 / 2, 768 * 15 / 2));
    }
};

QTEST_MAIN(TstScreenOptions)
#include "tst_screenoptions.moc"
