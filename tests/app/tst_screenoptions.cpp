// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screenchoice.h"
#include "app/screenfollower.h"
#include "app/startchoices.h"
#include "app/zoom.h"
#include "controls/picturebox.h"
#include "support/consolefixture.h"
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>
#include <qpa/qplatformnativeinterface.h>

// Screen, zoom and mute from the command line and the settings; the console
// on the second of two offscreen screens (twoscreens.json), then unplugged.
class TstScreenOptions : public QObject
{
    Q_OBJECT
    static QStringList words(const QString &text) { return text.split(' ', Qt::SkipEmptyParts); }

private slots:
    void rows_data()
    {
        QTest::addColumn<QString>("row");
        // Arguments; stored settings; screen|zoom|mute, or the exit status.
        for (const char *row :
             {";;||0", "--screen HDMI-1 --zoom fit --mute;;HDMI-1|fit|1", ";Zoom=2.5 Mute=1;|2.5|1",
              "--zoom=1 --screen=1;Zoom=fit Mute=0;1|1|0", ";Zoom=4.5 Mute=yes;||0",
              "--zoom 0.4;;2", "--zoom big;;2", "--screen=;;2"})
            QTest::newRow(row) << QString(row);
        // Zoom, screen width and height: factor, 0 for none.
        for (const char *row : {"fit 800 480:0.86643", "fit 1024 768:1.28", "fit 1920 1080:1.94946",
                                "fit 3840 2160:3.89892", "fit 320 200:0.5", "fit 7680 4320:4",
                                "0.5 800 480:0.5", "4.01 800 480:0", "Fit 800 480:0"})
            QTest::newRow(row) << QString(row);
        // Screen choice among DP-1, HDMI-1 and 7: index, -1 for none.
        for (const char *row :
             {"=0", "1=1", "HDMI-1=1", "7=2", "3=-1", "-1=-1", "+1=-1", "hdmi-1=-1"})
            QTest::newRow(row) << QString(row);
    }
    void rows()
    {
        QFETCH(QString, row);
        if (row.contains(';')) {
            const QStringList part = row.split(';');
            TempSettings s;
            s.writeFile(("[Optionen]\n" + words(part[1]).join('\n') + '\n').toUtf8());
            const auto outcome = CommandLine::handle(QStringList{"k"} + words(part[0]), s.path());
            const auto chosen = StartChoices::resolve(outcome, s.store());
            const QStringList fields{chosen.screen, chosen.zoom, QString::number(chosen.mute)};
            QCOMPARE(outcome.start ? fields.join('|') : QString::number(outcome.exitCode), part[2]);
        } else if (row.contains(':')) {
            const QStringList w = words(QString(row).replace(':', ' '));
            const double factor =
                Zoom::factor(w[0], QSizeF(w[1].toInt(), w[2].toInt())).value_or(0);
            QVERIFY(qAbs(factor - w[3].toDouble()) < 1e-5);
        } else {
            QCOMPARE(ScreenChoice::indexOf({"DP-1", "HDMI-1", "7"}, row.section('=', 0, 0)),
                     row.section('=', 1).toInt());
        }
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
