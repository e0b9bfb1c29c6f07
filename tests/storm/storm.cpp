// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/captionlabel.h"
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "settings/captions.h"
#include "settings/languagedialog.h"
#include "settings/settingsfile.h"
#include "support/consolefixture.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdio>

// A seeded storm of clicks, drags, keys, timer ticks, power switches, blank
// screens and window closes on the console, at random depths inside the
// console's own nested waits, with the program's invariants checked after
// every event; then short lives on hostile settings files. Usage:
// korva_storm [--seed S] [--events N] [--files F]; a failure names its seed.
namespace {

// Bars grow past their target by at most one step, the largest 500 twips.
constexpr double WidestBar = 10000 + 500;
constexpr int DeepestWait = 12;
const QList<QByteArray> ProgramKeys = {"German",   "AniDir",  "AniSpeed", "Ani",
                                       "FirstBar", "LastBar", "SSaver",   "SSaverTime"};

// A settings file as a careless hand or a broken disk leaves it: pieces of
// good lines, huge, negative and odd numbers, long lines, duplicate keys and
// sections, random bytes, all cut short at random.
QByteArray hostileFile(std::mt19937_64 &random)
{
    const QByteArray numbers[] = {
        "0",    "1",  "-1",  "3",   "-32769", "2147483648", "1e308",
        "0x10", " 7", "1.5", "NaN", "1,2",    "",           "99999999999999999999"};
    QByteArray text;
    for (int n = int(random() % 60); n > 0; --n) {
        const int piece = int(random() % 10);
        if (piece < 5)
            text += ProgramKeys[random() % 8] + '=' + numbers[random() % 14] + '\n';
        else if (piece < 7)
            text += piece == 5 ? "[Sprache]\n" : "[Optionen]\n";
        else if (piece == 7)
            text += QByteArray(int(random() % 200000), '7');
        else
            text += char(random());
    }
    return text.left(int(random() % (text.size() + 1)));
}

class Storm
{
public:
    explicit Storm(quint64 seed) : seed_(seed), pick_(seed)
    {
        // Whichever modal dialog an event opens, the language dialog of an
        // unchosen language included, gets an answer from the loop it runs.
        QObject::connect(&dialogs_, &QTimer::timeout, [this] { answerDialog(); });
        dialogs_.start(0);
    }

    void run(long events, int files)
    {
        budget_ = events;
        while (done < budget_) {
            if (!life_)
                begin(false, "[Sprache]\nGerman=" + QByteArray::number(below(3)) + "\n");
            event();
            if (life_->recordingDelay.ending())
                end();
            else
                checkAtRest();
        }
        if (life_)
            end();
        for (int n = 0; n < files; ++n) {
            // Now and then a folder in the file's place.
            begin(below(7) == 0, hostileFile(pick_));
            budget_ = done + below(40);
            while (done < budget_ && !life_->recordingDelay.ending())
                event();
            end();
        }
    }
    long lives = 0, done = 0;
    int deepest = 0;

private:
    int below(int n) { return int(pick_() % quint64(n)); }
    ConsoleWindow &console() { return *life_->console; }
    ConsoleControls &c() { return life_->console->controls(); }

    // A new life of the program on this settings file, or a folder in its place.
    void begin(bool folder, const QByteArray &file)
    {
        life_ = std::make_unique<ConsoleFixture>();
        ++lives;
        ConsoleFixture &l = *life_;
        folder_ = folder && QDir().mkpath(l.settings.path());
        if (!folder)
            l.settings.writeFile(file);
        QFile written(l.settings.path());
        before_ = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
        writable_ = !folder_ && before_.size() <= SettingsFile::MaxSize;
        atEnd_.clear();
        l.random.onExhausted = [&l, draws = std::mt19937_64(pick_())]() mutable {
            l.random.push({std::uniform_real_distribution<double>()(draws)});
        };
        l.random.push({0.5}); // so that start-up, too, draws from the storm's draws
        // The console's waits run a real nested event loop, and the storm's
        // next events inside it.
        l.recordingDelay.during = [this](int) {
            QEventLoop loop;
            QTimer::singleShot(0, &loop, [&] {
                inside();
                loop.quit();
            });
            loop.exec();
        };
        l.load();
    }

    void end()
    {
        if (!life_->recordingDelay.ending())
            console().close();
        check("the end");
        restartEventLoops();
        life_.reset();
    }

    void event()
    {
        ++done;
        const int roll = below(73);
        if (roll < 30)
            click();
        else if (roll < 38)
            key();
        else if (roll < 68)
            emit console().timer(below(6) + 1).timeout({});
        else if (roll < 72)
            console().power().label15Click();
        else
            console().close();
        check(roll < 30   ? "click"
              : roll < 38 ? "key"
              : roll < 68 ? "tick"
              : roll < 72 ? "power"
                          : "close");
    }

    void inside()
    {
        deepest = std::max(deepest, ++depth_);
        if (done >= budget_)
            console().close(); // time is up: ending unwinds every wait
        else if (depth_ >= DeepestWait && console().state().BarsRunning)
            console().bars().label12Click(); // Stop, so the loops above can finish
        else if (depth_ < DeepestWait)
            while (below(3) == 0 && done < budget_ && !life_->recordingDelay.ending())
                event();
        --depth_;
    }

    void answerDialog()
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        if (auto *language = qobject_cast<LanguageDialog *>(dialog))
            (below(2) ? language->Option1 : language->Option2)->setChecked(true);
        // The answer runs once this tick has returned, so that a dialog the
        // answer opens in turn gets its own answer from the next tick.
        const QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
        if (qobject_cast<QColorDialog *>(dialog))
            QMetaObject::invokeMethod(dialog, below(2) ? "accept" : "reject", Qt::QueuedConnection);
        else if (!buttons.isEmpty() && below(3))
            QMetaObject::invokeMethod(buttons[below(int(buttons.size()))], "click",
                                      Qt::QueuedConnection);
        else
            QMetaObject::invokeMethod(dialog, "close", Qt::QueuedConnection);
    }

    // A click on any control, shown or hidden, half the time one on the
    // artwork so that handlers nest deeply; now and then a drag.
    void click()
    {
        const QList<TwipControl *> from =
            below(2) ? c().Picture1->findChildren<TwipControl *>(Qt::FindDirectChildrenOnly)
                     : console().findChildren<TwipControl *>();
        TwipControl *w = from[below(int(from.size()))];
        const QPointF at(below(w->width() + 2) - 1, below(w->height() + 2) - 1);
        const QPointF to = below(10) ? at : QPointF(below(200) - 100, below(200) - 100);
        const Qt::MouseButton button = below(5) ? Qt::LeftButton : Qt::RightButton;
        for (const QEvent::Type type :
             {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease}) {
            const QPointF where = type == QEvent::MouseButtonPress ? at : to;
            QMouseEvent event(type, where, w->mapToGlobal(where),
                              type == QEvent::MouseMove ? Qt::NoButton : button,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : button, {});
            QCoreApplication::sendEvent(w, &event);
        }
    }

    void key()
    {
        const char *const keys[] = {"Esc",   "Return", "Space", "F1",    "Alt+F4", "F5",
                                    "Alt+S", "Alt+P",  "Alt+R", "Alt+E", "Alt+O",  "Alt+I",
                                    "Alt+M", "X",      "S",     "Alt+X", "Ctrl+P", "Shift+R"};
        const QKeyCombination k = QKeySequence(keys[below(int(std::size(keys)))])[0];
        QTest::keyClick(&console(), k.key(), k.keyboardModifiers());
    }

    // What a person sees and hears of the bar graph and the power switch,
    // first the bar section's controls as shown (1) or hidden (0).
    QString shows()
    {
        QString what;
        for (QWidget *w : std::initializer_list<QWidget *>{c().Picture3, c().Label12, c().Image1,
                                                           c().Label16, c().Image6})
            what += w->isVisibleTo(&console()) ? "1" : "0";
        what += QString(" %1 %2 %3")
                    .arg(life_->sound.events.size())
                    .arg(c().Label12->caption(), c().Label15->caption());
        for (int i = 1; i <= 9; ++i)
            what += " " + QString::number(c().PicBar[i]->twipWidth());
        return what;
    }

    // Whether the black screen or one of its black sections shows.
    bool dark()
    {
        bool dark = !c().Picture4->isHidden() || c().PicNum->isHidden();
        for (int i = 1; i <= 8; ++i)
            dark = dark || !c().PicOff[i]->isHidden();
        return dark;
    }

    // Replaying the seed repeats the storm up to the failure.
    void expect(bool holds, const char *what)
    {
        if (holds)
            return;
        std::fprintf(stderr, "storm seed %llu: after %s (event %ld, wait depth %d): %s\n",
                     (unsigned long long)seed_, current_, done, depth_, what);
        std::_Exit(1);
    }

    // What holds after every event, inside a handler or not.
    void check(const char *after)
    {
        current_ = after;
        for (int i = 1; i <= 9; ++i) {
            const double width = c().PicBar[i]->twipWidth();
            expect(width >= 0 && width <= WidestBar &&
                       c().Marker[i - 1]->twipLeft() == width - c().Marker[i - 1]->twipWidth(),
                   "a bar is narrower than 0 or too wide, or its marker left its end");
        }
        // The black sections cover the buttons of a section whose panel they hid.
        const QString shown = shows();
        expect(dark() || shown.startsWith("11111") || shown.startsWith("00000"),
               "the bar section shows in part");
        if (life_->recordingDelay.ending() && atEnd_.isEmpty())
            atEnd_ = shown;
        expect(atEnd_.isEmpty() || shown == atEnd_, "handlers went on after the end");
        QFile file(life_->settings.path());
        const QByteArray now = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        expect(folder_ ? QFileInfo(file).isDir() : writable_ || now == before_,
               "the settings file, or the folder in its place, was changed against the rules");
        // Every line of the file that does not hold one of the program's keys is still there.
        const QList<QByteArray> lines = now.split('\n');
        for (const QByteArray &line : before_.split('\n'))
            expect(!writable_ || lines.contains(line) ||
                       ProgramKeys.contains(line.split('=').first().trimmed()),
                   "the settings file lost a line the program does not own");
    }

    // With no handler running the graph is still, a screen that is off shows
    // black, and a console that shows has its pointer, lets the desktop's
    // screen saver run again and shows the bar section as the power caption says.
    void checkAtRest()
    {
        expect(!console().state().BarsRunning && c().Label12->caption() == Captions::Start,
               "no handler runs, yet the bar graph runs");
        expect(!console().state().ScreenOff || !c().Picture4->isHidden(),
               "the screen is off, yet the black screen is hidden");
        if (dark())
            return;
        const QList<bool> &saver = life_->screenSaver.requests;
        expect(life_->pointer.counter >= 0 && (saver.isEmpty() || saver.last()),
               "the console shows with the pointer hidden or the desktop's screen saver held off");
        const QString power = c().Label15->caption();
        expect((power == Captions::PowerOnGerman || power == Captions::PowerOnEnglish) ==
                   c().Picture3->isVisibleTo(&console()),
               "the bar section does not show as the power caption says");
    }

    quint64 seed_;
    std::mt19937_64 pick_;
    std::unique_ptr<ConsoleFixture> life_;
    bool folder_ = false, writable_ = false;
    QByteArray before_; // the settings file as the program found it
    QString atEnd_;     // what showed when the program was told to end
    long budget_ = 0;
    int depth_ = 0;
    const char *current_ = "";
    QTimer dialogs_;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on every window of thousands of lives
    // would bury the storm's own lines; the sanitizers write past this.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
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
                (unsigned long long)seed, storm.done, storm.lives, files, storm.deepest);
}
