// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/clock.h"
#include "services/delay.h"
#include "services/pointerservice.h"
#include "services/randomsource.h"
#include "services/screensaverswitch.h"
#include "settings/inisettingsstore.h"
#include "sound/soundplayer.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>

// Random draws given by the test, in order. A draw asked for after the script
// has run out runs onExhausted, which may push more; else it is 0.
class ScriptedRandom : public RandomSource
{
public:
    void push(std::initializer_list<double> draws) { draws_.insert(draws_.end(), draws); }
    // The draw u that makes choose(n) give the choice k.
    static double forChoice(int k, int n) { return (k - 0.5) / n; }
    void pushChoice(int k, int n) { draws_.push_back(forChoice(k, n)); }
    // The draws of one move of the bar graph at `speed` (AniSpeed): `bar`
    // grows to `target`, or shrinks from `width` to `target`, by `step`.
    void pushMove(int bar, int target, int step, int speed, std::optional<double> width = {})
    {
        const int span[] = {51, 41, 101, 201, 251}, base[] = {100, 130, 170, 200, 250};
        pushMoveDraws(!width, (step - base[speed + 1] + 0.5) / span[speed + 1], bar,
                      width ? (target + 0.5) / (*width + 1) : (target - 4000 + 0.5) / 6001);
    }
    // The same by its draws: grow or shrink, the step's draw, the bar, the width's draw.
    void pushMoveDraws(bool grow, double step, int bar, double width)
    {
        push({grow ? 0.25 : 0.75, step});
        pushChoice(bar, 9);
        push({width});
    }
    double next() override
    {
        if (draws_.empty() && onExhausted)
            onExhausted();
        exhausted_ = exhausted_ || draws_.empty();
        const double draw = draws_.empty() ? 0.0 : draws_.front();
        if (!draws_.empty())
            draws_.pop_front();
        return draw;
    }
    bool exhausted() const { return exhausted_; }
    std::function<void()> onExhausted;
    size_t left() const { return draws_.size(); }

private:
    std::deque<double> draws_;
    bool exhausted_ = false;
};

class FakeClock : public Clock
{
public:
    QDateTime now = QDateTime(QDate(2024, 3, 7), QTime(14, 5));
    QDateTime localNow() const override { return now; }
};

// A pointer that only remembers where it is, its display counter and where
// it was last confined.
class FakePointer : public PointerService
{
public:
    QPoint at;
    int counter = 0;
    QRect confined{-1, -1, 1, 1};
    QPoint position() const override { return at; }
    void moveTo(const QPoint &screenPixels) override { at = screenPixels; }
    int showCursor(bool show) override { return counter += show ? 1 : -1; }
    void confine(const QRect &screenPixels) override { confined = screenPixels; }
};

// Records each request: false holds the desktop's screen saver off, true lets it run.
class RecordingScreenSaver : public ScreenSaverSwitch
{
public:
    QList<bool> requests;
    void setActive(bool active) override { requests << active; }
};

// Records "play <file name>" and "stop" in order.
class RecordingSoundPlayer : public SoundPlayer
{
public:
    QStringList events;
    void play(const QString &path) override { events << "play " + QFileInfo(path).fileName(); }
    void stop() override { events << QStringLiteral("stop"); }
};

// A settings store in a fresh temporary folder, as the program keeps it.
class TempSettings
{
public:
    QString path() const { return dir_.filePath("KORVA-Interface.conf"); }
    // Replaces the file with the given text, before the store is first used.
    void writeFile(const QByteArray &content)
    {
        QFile file(path());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(content);
    }
    // The file as it is now; empty when it cannot be read.
    QByteArray readFile() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    IniSettingsStore &store()
    {
        if (!store_)
            store_ = std::make_unique<IniSettingsStore>(path());
        return *store_;
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<IniSettingsStore> store_;
};

// A wait that does not wait: it records each duration and runs the test's
// hook in its place, so a test can click "inside" a wait.
class RecordingDelay : public Delay
{
public:
    QList<double> waits;
    std::function<void(int index)> during;
    bool wait(double seconds) override
    {
        if (!ending() && seconds > 0) {
            waits << seconds;
            if (during)
                during(int(waits.size()) - 1);
        }
        return !ending();
    }
};

// An ended program leaves every event loop quitting at once; this lets the
// next test, or the next life of the program, run its loops again.
inline void restartEventLoops()
{
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
