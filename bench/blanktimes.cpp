// SPDX-License-Identifier: GPL-3.0-or-later
// Durations of the blank screen's entry and return: the console as main.cpp
// builds it, blanked at once and brought back RUNS times after a settle of
// 1 s; prints the median entry and return times in seconds on one line.
//
//   blanktimes [RUNS]      RUNS default 5

#include "app/consolewindow.h"
#include "app/desktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

static double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int main(int argc, char *argv[])
{
    Desktop::preparePlatform();
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int runs = std::max(1, args.size() > 1 ? args.at(1).toInt() : 5);

    QTemporaryDir folder;
    const QString settingsPath = folder.filePath(QStringLiteral("KORVA-Interface.conf"));
    QFile file(settingsPath);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "blanktimes: cannot write %s\n", qPrintable(settingsPath));
        return 1;
    }
    file.write("[Sprache]\nGerman=1\n\n[Optionen]\nSSaver=0\n");
    file.close();

    Desktop desktop(settingsPath);
    ConsoleWindow console(desktop.services(), desktop.program);
    console.load();
    if (console.delay().ending())
        return 1;

    std::vector<double> entry, back;
    QTimer::singleShot(1000, &app, [&] {
        QElapsedTimer clock;
        for (int run = 0; run < runs; ++run) {
            clock.start();
            console.blank().blankAtOnce();
            entry.push_back(clock.nsecsElapsed() / 1e9);
            clock.start();
            console.blank().OnLine();
            back.push_back(clock.nsecsElapsed() / 1e9);
        }
        std::printf("%.3f %.3f\n", median(entry), median(back));
        std::fflush(stdout);
        console.delay().endProgram();
    });
    return app.exec();
}
