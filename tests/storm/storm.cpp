// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/captions.h"
#include "settings/settingsfile.h"
#include "support/consolefixture.h"
#include "support/rows.h"

#include <QAbstractButton>
#include <QTest>

#include <cstdio>

// A seeded storm of clicks, drags, keys, timer ticks, power switches, blank
// screens and window closes on the console, at random depths inside the
// console's own nested waits, with the program's invariants checked after
// every event; then short lives on hostile settings files. Usage:
// korva_storm [--seed S] [--events N] [--files F]; a failure names its seed.
namespace {

// Next to this file, one list a line (words.txt).
const QStringList Words = dataLines(KORVA_STORM_WORDS), Owned = Words[0].split('|'),
                  Keys = Words[1].split('|'), Numbers = Words[2].split('|');

struct Storm
{
    explicit Storm(unsigned long long seed) : seed(seed), pick(seed) {}
    unsigned long long seed;
    std::mt19937_64 pick;
    std::unique_ptr<ConsoleFixture> f; // the program's present life
    bool inFolder = false, writable = false;
    QList<QByteArray> before; // the lines of the settings file as the program found it
    QString atEnd;            // what showed when the program was told to end
    long budget = 0, lives = 0, done = 0;
    int depth = 0, deepest = 0;

    int below(qsizetype n) { return int(pick() % quint64(n)); }
    ConsoleWindow &console() { return *f->console; }
    bool ending() { return f->recordingDelay.ending(); }

    // A settings file as a careless hand or a broken disk leaves it: good
    // lines half the time, with huge, negative and odd numbers and duplicate
    // keys; sections, long lines and random bytes; all cut short at random.
    QByteArray hostileFile()
    {
        QByteArray text;
        for (int n = below(60); n > 0; --n)
            text += std::array<QByteArray, 5>{
                (Owned[below(Owned.size())] + '=' + Numbers[below(Numbers.size())] + '\n').toUtf8(),
                "[Sprache]\n", "[Optionen]\n", QByteArray(below(200000), '7'),
                QByteArray(1, char(pick()))}[std::clamp(below(10) - 4, 0, 4)];
        return text.left(below(text.size() + 1));
    }

    // One life of the program on this settings file, or on a folder in its
    // place, until the program ends or its events are spent.
    void life(bool folder, const QByteArray &text, long until)
    {
        f = std::make_unique<ConsoleFixture>();
        ++lives;
        budget = until;
        inFolder = folder && QDir().mkpath(f->settings.path());
        f->settings.writeFile(text); // which a folder in its place keeps out
        before = f->settings.readFile().split('\n');
        writable = !inFolder && QFileInfo(f->settings.path()).size() <= SettingsFile::MaxSize;
        atEnd.clear();
        // Start-up, too, draws from the storm's draws.
        f->random.onExhausted = [this] { f->random.push({double(pick() >> 11) * 0x1p-53}); };
        f->random.push({0.5});
        // Inside each of the console's waits, what its event loop has waiting
        // runs, then the storm's next events. At the deepest a running graph
        // is stopped so that the waits above can finish; once time is up the
        // program ends, which unwinds every wait.
        f->recordingDelay.during = [this](int) {
            QCoreApplication::processEvents();
            deepest = std::max(deepest, ++depth);
            if (done >= budget)
                console().close();
            else if (depth >= 12 && console().state().BarsRunning)
                console().bars().label12Click();
            else if (depth < 12)
                while (below(3) == 0 && done < budget && !ending())
                    event();
            --depth;
        };
        f->load();
        while (done < budget && !ending())
            event();
        console().close();
        check("the end");
        restartEventLoops();
        f.reset();
    }

    // A click on any control, shown or hidden, half the time one on the
    // artwork so that handlers nest deeply, now and then a drag; a key; a
    // tick of a timer; the power switch; the window's close.
    void event()
    {
        ++done;
        const int r = below(73), kind = (r >= 30) + (r >= 38) + (r >= 68) + (r >= 72);
        if (kind == 0) {
            const auto from = below(2) ? console().controls().Picture1->findChildren<TwipControl *>(
                                             Qt::FindDirectChildrenOnly)
                                       : console().findChildren<TwipControl *>();
            TwipControl *w = from[below(from.size())];
            const QPoint at(below(w->width() + 2) - 1, below(w->height() + 2) - 1);
            const QPoint to = below(10) ? at : QPoint(below(200) - 100, below(200) - 100);
            const Qt::MouseButton button = below(5) ? Qt::LeftButton : Qt::RightButton;
            QTest::mousePress(w, button, {}, at);
            QTest::mouseMove(w, to);
            QTest::mouseRelease(w, button, {}, to);
        } else if (kind == 1) {
            QTest::keySequence(&console(), Keys[below(Keys.size())]);
        } else if (kind == 2) {
            emit console().timer(below(6) + 1).timeout({});
        } else if (kind == 3) {
            console().power().label15Click();
        } else {
            console().close();
        }
        check(std::array{"click", "key", "tick", "power", "close"}[kind]);
    }

    // What holds after every event, inside a handler or not; and at rest,
    // with no handler running: the graph is still, a screen that is off shows
    // black, and a console that shows has its pointer, lets the desktop's
    // screen saver run again and shows the bar section as the power caption
    // says. Replaying the seed repeats the storm up to a failure.
    void check(const char *after)
    {
        const auto expect = [&](bool holds, const char *what) {
            if (holds)
                return;
            std::fprintf(stderr, "storm seed %llu: after %s (event %ld, wait depth %d): %s\n", seed,
                         after, done, depth, what);
            std::_Exit(1);
        };
        ConsoleControls &k = console().controls();
        // What a person sees and hears of the bar graph and the power switch,
        // last the bar section's controls as shown (1) or hidden (0).
        QString shown =
            k.Label12->caption() + k.Label15->caption() + QString::number(f->sound.events.size());
        // Whether the black screen or one of its black sections shows.
        bool dark = !k.Picture4->isHidden() || k.PicNum->isHidden();
        for (int i = 1; i <= 9; ++i) {
            // A track is 10000 twips; a bar grows past its target by at most one
            // step, the largest 500 twips.
            const double width = k.PicBar[i]->twipWidth(), left = k.Marker[i - 1]->twipLeft();
            expect(width >= 0 && width <= 10500 && left == width - k.Marker[i - 1]->twipWidth(),
                   "a bar left its track, or its marker the bar's end");
            shown += ' ' + QString::number(width);
            dark = dark || (i < 9 && !k.PicOff[i]->isHidden());
        }
        for (QWidget *w : QWidgetList{k.Picture3, k.Label12, k.Image1, k.Label16, k.Image6})
            shown += w->isVisibleTo(&console()) ? "1" : "0";
        // The black sections cover the buttons of a section whose panel they hid.
        expect(dark || shown.endsWith("11111") || shown.endsWith("00000"), "a bar section in part");
        atEnd = ending() && atEnd.isEmpty() ? shown : atEnd;
        expect(atEnd.isEmpty() || shown == atEnd, "handlers went on after the end");
        const QList<QByteArray> now = f->settings.readFile().split('\n');
        expect(QFileInfo(f->settings.path()).isDir() == inFolder && (writable || now == before),
               "the settings file, or the folder in its place, was changed against the rules");
        // Every line of the file that does not hold one of the program's keys is still there.
        for (const QByteArray &line : before)
            expect(!writable || now.contains(line) || Owned.contains(line.split('=')[0].trimmed()),
                   "the settings file lost a line the program does not own");
        if (depth > 0 || ending())
            return;
        const QList<bool> &saver = f->screenSaver.requests;
        const ConsoleState &s = console().state();
        const bool on =
            QList{Captions::PowerOnGerman, Captions::PowerOnEnglish}.contains(k.Label15->caption());
        expect(!s.BarsRunning && k.Label12->caption() == Captions::Start, "the graph runs at rest");
        expect(!s.ScreenOff || !k.Picture4->isHidden(), "the screen is off, yet the console shows");
        expect(dark || (f->pointer.counter >= 0 && (saver.isEmpty() || saver.last())),
               "the console shows with the pointer hidden or the desktop's screen saver held off");
        expect(dark || on == k.Picture3->isVisibleTo(&console()), "the power caption is wrong");
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on every window of thousands of lives
    // would bury the storm's own lines; the sanitizers write past this.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    QHash<QString, QString> option; // --name value pairs
    for (int i = 1; i + 1 < argc; i += 2)
        option[argv[i]] = argv[i + 1];
    Storm storm(option.value("--seed", QString::number(std::random_device()())).toULongLong());
    const long events = option.value("--events", "20000").toLong();
    const int files = option.value("--files", "100").toInt();
    std::fprintf(stderr, "storm seed %llu: %ld events, %d files\n", storm.seed, events, files);
    // Whichever modal dialog an event opens, the language dialog of an
    // unchosen language included, gets an answer from the loop it runs: a
    // click on one of its buttons (a colour chooser's own buttons, picking
    // from the screen among them, are left alone), or it is accepted or
    // turned down. The answer runs once this tick has returned, so that a
    // dialog the answer opens in turn gets its own answer from the next tick.
    QTimer dialogs;
    QObject::connect(&dialogs, &QTimer::timeout, [&storm] {
        QWidget *dialog = QApplication::activeModalWidget();
        const auto b = dialog && !dialog->inherits("QColorDialog")
                           ? dialog->findChildren<QAbstractButton *>()
                           : QList<QAbstractButton *>();
        QObject *to = b.isEmpty() || !storm.below(3) ? dialog : b[storm.below(b.size())];
        const char *answer = to != dialog ? "click" : storm.below(2) ? "accept" : "reject";
        QMetaObject::invokeMethod(to, answer, Qt::QueuedConnection);
    });
    dialogs.start(0);
    while (storm.done < events)
        storm.life(false, "[Sprache]\nGerman=" + QByteArray::number(storm.below(3)) + "\n", events);
    // Now and then a folder in the file's place.
    for (int n = 0; n < files; ++n)
        storm.life(storm.below(7) == 0, storm.hostileFile(), storm.done + storm.below(40));
    std::printf("storm seed %llu passed: %ld events, %ld lives, %d settings files, waits %d deep\n",
                storm.seed, storm.done, storm.lives, files, storm.deepest);
}
