// SPDX-License-Identifier: GPL-3.0-or-later
// Bar steps per second: the console as main.cpp builds it, powered on and
// started at the given speed; counts every width change of the nine bars for
// MEASURE seconds after a settle of 2 s and prints the steps per second.
//
//   barsteps [SPEED [MEASURE]]      SPEED -1..3 (default 0), MEASURE in s (default 10)

#include "app/consolewindow.h"
#include "app/desktop.h"
#include "controls/picturebox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    Desktop::preparePlatform();
    QApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    const int speed = args.size() > 1 ? args.at(1).toInt() : 0;
    const double measureSeconds = args.size() > 2 ? args.at(2).toDouble() : 10.0;
    constexpr int SettleMs = 2000;

    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "barsteps: no temporary folder\n");
        return 1;
    }
    const QString settingsPath = folder.filePath(QStringLiteral("KORVA-Interface.conf"));
    {
        QFile file(settingsPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
            std::fprintf(stderr, "barsteps: cannot write %s\n", qPrintable(settingsPath));
            return 1;
        }
        file.write(QStringLiteral("[Sprache]\nGerman=1\n\n[Optionen]\nAniSpeed=%1\nSSaver=0\n")
                       .arg(speed)
                       .toUtf8());
    }

    Desktop desktop(settingsPath);
    ConsoleWindow console(desktop.services(), desktop.program);
    console.load();
    if (console.delay().ending())
        return 1;

    // Every width change of a bar is one step.
    bool counting = false;
    qint64 steps = 0;
    for (int i = 1; i <= 9; ++i)
        QObject::connect(console.controls().PicBar[i], &TwipControl::twipResized, &app, [&] {
            if (counting)
                ++steps;
        });

    console.power().label15Click();
    // Start runs the bar loop inside this call until the program ends.
    QTimer::singleShot(0, &app, [&] { console.bars().label12Click(); });

    QElapsedTimer elapsed;
    QTimer::singleShot(SettleMs, Qt::PreciseTimer, &app, [&] {
        counting = true;
        elapsed.start();
    });
    QTimer::singleShot(SettleMs + int(measureSeconds * 1000), Qt::PreciseTimer, &app, [&] {
        counting = false;
        const double seconds = elapsed.nsecsElapsed() / 1e9;
        std::fprintf(stderr, "barsteps: speed %d, %lld steps in %.3f s\n", speed,
                     static_cast<long long>(steps), seconds);
        std::printf("%.1f\n", seconds > 0 ? steps / seconds : 0.0);
        std::fflush(stdout);
        console.delay().endProgram();
    });

    const int status = app.exec();
    return status;
}
