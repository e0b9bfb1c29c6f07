// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screenchoice.h"
#include "app/screenfollower.h"
#include "app/startchoices.h"
#include "app/zoom.h"
#include "controls/picturebox.h"
#include "support/consolefixture.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QScreen>
#include <QtTest>
#include <qpa/qplatformnativeinterface.h>

// Screen, zoom and mute from the command line and the settings; the console
// on a second screen that is then unplugged (two offscreen screens).
class TstScreenOptions : public QObject
{
    Q_OBJECT

private slots:
    void choices_data()
    {
        for (const char *name : {"arguments", "stored"})
            QTest::addColumn<QStringList>(name);
        QTest::addColumn<QString>("expected"); // exit status, or screen|zoom|mute
        const QStringList none;
        QTest::newRow("nothing") << none << none << "||0";
        QTest::newRow("all") << QStringList{"--screen", "HDMI-1", "--zoom", "fit", "--mute"} << none
                             << "HDMI-1|fit|1";
        QTest::newRow("stored") << none << QStringList{"Zoom=2.5", "Mute=1"} << "|2.5|1";
        QTest::newRow("command line first") << QStringList{"--zoom=1", "--screen=1"}
                                            << QStringList{"Zoom=fit", "Mute=0"} << "1|1|0";
        QTest::newRow("stored unusable") << none << QStringList{"Zoom=4.5", "Mute=yes"} << "||0";
        QTest::newRow("zoom too small") << QStringList{"--zoom", "0.4"} << none << "2";
        QTest::newRow("zoom not a number") << QStringList{"--zoom", "big"} << none << "2";
        QTest::newRow("empty screen") << QStringList{"--screen="} << none << "2";
    }
    void choices()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, stored);
        TempSettings settings;
        settings.writeFile(("[Optionen]\n" + stored.join('\n') + '\n').toUtf8());
        const auto outcome = CommandLine::handle(QStringList{"k"} + arguments, settings.path());
        const auto chosen = StartChoices::resolve(outcome, settings.store());
        const QStringList fields{chosen.screen, chosen.zoom, QString::number(chosen.mute)};
        QTEST(outcome.start ? fields.join('|') : QString::number(outcome.exitCode), "expected");
    }

    void factor_data()
    {
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<double>("factor"); // 0: not a zoom
        QTest::newRow("fit 800x480") << "fit" << QSizeF(800, 480) << 480 / 554.0;
        QTest::newRow("fit 1024x768") << "fit" << QSizeF(1024, 768) << 1.28;
        QTest::newRow("fit 1920x1080") << "fit" << QSizeF(1920, 1080) << 1080 / 554.0;
        QTest::newRow("fit 3840x2160") << "fit" << QSizeF(3840, 2160) << 2160 / 554.0;
        QTest::newRow("fit, tiny screen") << "fit" << QSizeF(320, 200) << 0.5;
        QTest::newRow("fit, huge screen") << "fit" << QSizeF(7680, 4320) << 4.0;
        QTest::newRow("number") << "0.5" << QSizeF(800, 480) << 0.5;
        QTest::newRow("too large") << "4.01" << QSizeF(3840, 2160) << 0.0;
        QTest::newRow("Fit") << "Fit" << QSizeF(3840, 2160) << 0.0;
    }
    void factor()
    {
        QFETCH(QString, zoom);
        QFETCH(QSizeF, screen);
        QTEST(Zoom::factor(zoom, screen).value_or(0.0), "factor");
    }

    void screenIndex_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("index");
        for (auto [choice, index] : {std::pair{"", 0},
                                     {"1", 1},
                                     {"HDMI-1", 1},
                                     {"7", 2},
                                     {"3", -1},
                                     {"-1", -1},
                                     {"+1", -1},
                                     {"hdmi-1", -1}})
            QTest::addRow("choice \"%s\"", choice) << QString(choice) << index;
    }
    void screenIndex()
    {
        QFETCH(QString, choice);
        QTEST(ScreenChoice::indexOf({"DP-1", "HDMI-1", "7"}, choice), "index");
    }

    void unpluggedScreen()
    {
        QScreen *right = ScreenChoice::find("right");
        QVERIFY(right && ScreenChoice::find("1") == right);
        ScreenFollower follower;
        ConsoleFixture f;
        f.load();
        f.console->setScreen(right);
        f.console->setWindowState(Qt::WindowNoState);
        f.console->setWindowState(Qt::WindowFullScreen);
        QTRY_COMPARE(f.console->geometry(), right->geometry());
        using SetConfiguration = void (*)(const QJsonObject &, QPlatformNativeInterface *);
        auto *native = QGuiApplication::platformNativeInterface();
        reinterpret_cast<SetConfiguration>(
            native->nativeResourceForIntegration("setConfiguration"))(
            {{"screens",
              QJsonArray{QJsonObject{{"name", "left"}, {"width", 1024}, {"height", 768}}}}},
            native);
        QTRY_COMPARE(f.console->geometry(), QRect(0, 0, 1024, 768));
        // The artwork lies in the middle of the smaller screen.
        QCOMPARE(f.c().Picture1->twipGeometry().center(), QPointF(1024 * 15 / 2, 768 * 15 / 2));
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    QFile config(dir.filePath("screens.json"));
    const char *screens = R"({"screens": [{"name": "left", "width": 1024, "height": 768},
        {"name": "right", "x": 1024, "width": 1920, "height": 1080}]})";
    if (!config.open(QIODevice::WriteOnly) || config.write(screens) < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TstScreenOptions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screenoptions.moc"
