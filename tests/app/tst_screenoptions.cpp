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
    // Zoom, screen width and height: the factor, 0 for no zoom.
    void zoomFitsTheArtworkWithinBounds_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : {"fit 800 480 0.86643", "fit 1024 768 1.28", "fit 1920 1080 1.94946",
                                "fit 3840 2160 3.89892", "fit 320 200 0.5", "fit 7680 4320 4",
                                "0.5 800 480 0.5", "4.01 800 480 0", "Fit 800 480 0"})
            QTest::newRow(row) << QString(row);
    }
    void zoomFitsTheArtworkWithinBounds()
    {
        QFETCH(QString, row);
        const QStringList w = row.split(' ');
        const QSizeF screen(w[1].toInt(), w[2].toInt());
        QVERIFY(qAbs(Zoom::factor(w[0], screen).value_or(0) - w[3].toDouble()) < 1e-5);
    }

    // A choice among the screens DP-1, HDMI-1 and 7: its index, -1 for none.
    void screenIsChosenByNumberOrName_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row :
             {"=0", "1=1", "HDMI-1=1", "7=2", "3=-1", "-1=-1", "+1=-1", "hdmi-1=-1"})
            QTest::newRow(row) << QString(row);
    }
    void screenIsChosenByNumberOrName()
    {
        QFETCH(QString, row);
        QCOMPARE(ScreenChoice::indexOf({"DP-1", "HDMI-1", "7"}, row.section('=', 0, 0)),
                 row.section('=', 1).toInt());
    }

    void helpListsTheScreens()
    {
        QCOMPARE(ScreenChoice::describe(), QString("  0  left          1024x768 at 0,0  primary\n"
                                                   "  1  right         1920x1080 at 1024,0\n"));
    }

    void unpluggedScreen()
    {
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
        QCOMPARE(f.c().Picture1->twipGeometry().center(), QPointF(1024 * 15 / 2, 768 * 15 / 2));
    }
};

QTEST_MAIN(TstScreenOptions)
#include "tst_screenoptions.moc"
