// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/consolewindow.h"
#include "controls/twipcontrol.h"
#include "settings/programstate.h"
#include "storm/stormdoubles.h"
#include "support/fakes.h"

#include <QEvent>

#include <memory>
#include <random>

// One life of the program, from load() to its end.
struct Life
{
    // A settings file of the given kind and text, before the program starts.
    Life(quint64 seed, int fileKind, const QByteArray &file);
    TempSettings settings;
    RecordingStore store;
    StormRandom random;
    FakeClock clock;
    RecordingSoundPlayer sound;
    FakePointer pointer;
    RecordingScreenSaver screenSaver;
    StormDelay delay;
    ProgramState program;
    std::unique_ptr<ConsoleWindow> console;
    QList<TwipControl *> controls; // every one, hidden or not
    QList<TwipControl *> buttons;  // those on the artwork itself, where the buttons lie
    bool folder;
    QByteArray before; // the settings file as the program found it
    bool writable;     // a file the program may write
    QString atEnd;     // what showed when the program was told to end
};

// A seeded storm of clicks, drags, keys, timer ticks, power switches and
// window closes on the console, at random depths inside the console's own
// nested waits, with the program's invariants checked after every event.
// Another kind of event is one more row of its table.
class Storm
{
public:
    explicit Storm(quint64 seed);
    // Events on program lives that each begin with a good settings file, then
    // short lives on hostile settings files.
    void run(long events, int files);
    long lives() const { return lives_; }
    long done() const { return done_; }
    int deepest() const { return deepest_; }

private:
    using Act = void (Storm::*)();
    struct Kind
    {
        const char *name;
        int weight;
        Act act;
    };
    static const Kind kinds[];

    int below(int n) { return int(pick_() % quint64(n)); }
    ConsoleWindow &console() { return *life_->console; }
    ConsoleControls &c() { return life_->console->controls(); }
    void answerDialog();
    bool dark();
    void begin(int fileKind, const QByteArray &file);
    void end();
    void event();
    void inside();
    void check(const char *after);
    void checkAtRest();
    QString shows();
    [[noreturn]] void fail(const QString &what);

    void click();
    void drag();
    void key();
    void tick();
    void power() { console().power().label15Click(); }
    void close() { console().close(); }
    TwipControl *anyControl();
    void mouse(QWidget *w, QEvent::Type type, Qt::MouseButton button, QPointF at);

    quint64 seed_;
    std::mt19937_64 pick_;
    std::unique_ptr<Life> life_;
    long done_ = 0, budget_ = 0, lives_ = 0;
    int depth_ = 0, deepest_ = 0;
    const char *current_ = "";
    QTimer dialogs_;
};
