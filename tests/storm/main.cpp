// SPDX-License-Identifier: GPL-3.0-or-later
#include "storm/storm.h"

#include <QApplication>

#include <cstdio>

// Runs the storm: korva_storm [--seed S] [--events N] [--files F]. A failure
// names its seed, so the same storm can run again.
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says so each time a window is raised; thousands
    // of lives would bury the storm's own lines.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &where, const QString &text) {
            if (!text.contains(QLatin1String("does not support raise()")))
                standard(type, where, text);
        });
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto option = [&](const char *name, quint64 otherwise) {
        const int at = int(args.indexOf(name));
        return at > 0 && at + 1 < args.size() ? args[at + 1].toULongLong() : otherwise;
    };
    const quint64 seed = option("--seed", QRandomGenerator::system()->generate64());
    const long events = long(option("--events", 20000));
    const int files = int(option("--files", 100));
    std::printf("storm seed %llu: %ld events, %d settings files\n", (unsigned long long)seed,
                events, files);
    std::fflush(stdout);
    Storm storm(seed);
    storm.run(events, files);
    std::printf("storm seed %llu passed: %ld events in %ld program lives, %d settings files, "
                "waits nested %d deep\n",
                (unsigned long long)seed, storm.done(), storm.lives(), files, storm.deepest());
    return 0;
}
