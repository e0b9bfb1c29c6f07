// SPDX-License-Identifier: GPL-3.0-or-later
#include "storm/storm.h"

#include "controls/captionlabel.h"
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "settings/captions.h"
#include "settings/initext.h"
#include "settings/languagedialog.h"
#include "settings/settingsfile.h"
#include "storm/settingsfiles.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>

namespace {

// Bars grow past their target by at most one step, the largest 500 twips.
constexpr double WidestBar = 10000 + 500;
constexpr int DeepestWait = 12;

} // namespace

Life::Life(quint64 seed, int fileKind, const QByteArray &file)
    : store(settings.store()), random(seed), folder(fileKind == SettingsFiles::FolderKind)
{
    if (folder)
        QDir().mkpath(settings.path());
    else
        settings.writeFile(file);
    QFile written(settings.path());
    if (written.open(QIODevice::ReadOnly))
        before = written.readAll();
    writable = !folder && before.size() <= SettingsFile::MaxSize;
}

Storm::Storm(quint64 seed) : seed_(seed), pick_(seed)
{
    // Whichever modal dialog an event opens, the language dialog of an
    // unchosen language included, gets an answer from the loop it runs.
    QObject::connect(&dialogs_, &QTimer::timeout, [this] { answerDialog(); });
    dialogs_.start(0);
}

void Storm::answerDialog()
{
    QWidget *dialog = QApplication::activeModalWidget();
    if (!dialog)
        return;
    if (auto *language = qobject_cast<LanguageDialog *>(dialog))
        (below(2) ? language->Option1 : language->Option2)->setChecked(true);
    // The answer runs once this tick has returned, so that a dialog the
    // answer opens in turn gets its own answer from the next tick.
    auto *chooser = qobject_cast<QColorDialog *>(dialog);
    const QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
    if (chooser)
        QMetaObject::invokeMethod(chooser, below(2) ? "accept" : "reject", Qt::QueuedConnection);
    else if (!buttons.isEmpty() && below(3))
        QMetaObject::invokeMethod(buttons[below(int(buttons.size()))], "click",
                                  Qt::QueuedConnection);
    else
        QMetaObject::invokeMethod(dialog, "close", Qt::QueuedConnection);
}

const Storm::Kind Storm::kinds[] = {
    {"click", 30, &Storm::click}, {"drag", 3, &Storm::drag},   {"key", 8, &Storm::key},
    {"tick", 30, &Storm::tick},   {"power", 4, &Storm::power}, {"close", 1, &Storm::close},
};

void Storm::fail(const QString &what)
{
    std::fprintf(stderr, "storm seed %llu: after %s (event %ld, wait depth %d): %s\n",
                 (unsigned long long)seed_, current_, done_, depth_, qPrintable(what));
    std::_Exit(1);
}

void Storm::begin(int fileKind, const QByteArray &file)
{
    life_ = std::make_unique<Life>(pick_(), fileKind, file);
    ++lives_;
    Life &l = *life_;
    l.delay.inside = [this] { inside(); };
    l.console = std::make_unique<ConsoleWindow>(Services{l.store, l.random, l.clock, l.sound,
                                                         l.delay, l.pointer, l.screenSaver,
                                                         QCoreApplication::applicationDirPath()},
                                                l.program);
    l.console->load();
    for (int n = 1; n <= 6; ++n)
        l.console->timer(n).stop(); // the storm ticks them
    l.controls = l.console->findChildren<TwipControl *>();
    for (TwipControl *control : l.controls)
        if (control->parentWidget() == c().Picture1)
            l.buttons << control;
}

void Storm::end()
{
    if (!life_->delay.ending())
        close();
    check("the end");
    restartEventLoops();
    life_.reset();
}

void Storm::run(long events, int files)
{
    budget_ = events;
    while (done_ < budget_) {
        if (!life_)
            begin(0, "[Sprache]\nGerman=" + QByteArray::number(below(3)) + "\n");
        event();
        if (life_->delay.ending())
            end();
        else
            checkAtRest();
    }
    if (life_)
        end();
    for (int n = 0; n < files; ++n) {
        const int kind = below(SettingsFiles::Kinds);
        begin(kind, SettingsFiles::make(kind, pick_));
        budget_ = done_ + below(40);
        while (done_ < budget_ && !life_->delay.ending())
            event();
        end();
    }
}

void Storm::event()
{
    int total = 0;
    for (const Kind &kind : kinds)
        total += kind.weight;
    int roll = below(total);
    const Kind *kind = kinds;
    while (roll >= kind->weight)
        roll -= (kind++)->weight;
    ++done_;
    current_ = kind->name;
    (this->*kind->act)();
    check(kind->name);
}

void Storm::inside()
{
    deepest_ = std::max(deepest_, ++depth_);
    if (done_ >= budget_)
        close(); // time is up: ending unwinds every wait
    else if (depth_ >= DeepestWait && life_->console->state().BarsRunning)
        console().bars().label12Click(); // Stop, so the loops above can finish
    else if (depth_ < DeepestWait)
        while (below(3) == 0 && done_ < budget_ && !life_->delay.ending())
            event();
    --depth_;
}

void Storm::mouse(QWidget *w, QEvent::Type type, Qt::MouseButton button, QPointF at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

// Half the time one of the artwork's own controls, so handlers nest deeply.
TwipControl *Storm::anyControl()
{
    const QList<TwipControl *> &from = below(2) ? life_->buttons : life_->controls;
    return from[below(int(from.size()))];
}

void Storm::click()
{
    TwipControl *w = anyControl();
    const QPointF at(below(w->width() + 2) - 1, below(w->height() + 2) - 1);
    const Qt::MouseButton button = below(5) ? Qt::LeftButton : Qt::RightButton;
    mouse(w, QEvent::MouseButtonPress, button, at);
    mouse(w, QEvent::MouseButtonRelease, button, at);
}

void Storm::drag()
{
    TwipControl *w = anyControl();
    mouse(w, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    mouse(w, QEvent::MouseMove, Qt::LeftButton, QPointF(below(200) - 100, below(200) - 100));
    mouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, {0, 0});
}

void Storm::key()
{
    const int keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_F1, Qt::Key_F4,
                        Qt::Key_F5,     Qt::Key_S,      Qt::Key_P,     Qt::Key_R,  Qt::Key_E,
                        Qt::Key_O,      Qt::Key_I,      Qt::Key_M,     Qt::Key_X};
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::AltModifier, Qt::ControlModifier,
                                               Qt::ShiftModifier};
    const int k = keys[below(int(std::size(keys)))];
    const Qt::KeyboardModifiers m = modifiers[below(4)];
    QKeyEvent press(QEvent::KeyPress, k, m), release(QEvent::KeyRelease, k, m);
    QCoreApplication::sendEvent(&console(), &press);
    QCoreApplication::sendEvent(&console(), &release);
}

void Storm::tick()
{
    QMetaObject::invokeMethod(&console().timer(below(6) + 1), "timeout");
}

// What a person sees and hears of the bar graph and the power switch.
QString Storm::shows()
{
    QStringList what{QString::number(life_->sound.events.size()), c().Label12->caption(),
                     c().Label15->caption()};
    for (QWidget *w : std::initializer_list<QWidget *>{c().Picture3, c().Label12, c().Image1,
                                                       c().Label16, c().Image6})
        what << (w->isVisibleTo(&console()) ? "shown" : "hidden");
    for (int i = 1; i <= 9; ++i)
        what << QString::number(c().PicBar[i]->twipWidth());
    return what.join(' ');
}

void Storm::check(const char *after)
{
    current_ = after;
    Life &l = *life_;
    for (int i = 1; i <= 9; ++i) {
        const double width = c().PicBar[i]->twipWidth();
        if (!(width >= 0 && width <= WidestBar))
            fail(QString("bar %1 is %2 twips wide").arg(i).arg(width));
        if (c().Marker[i - 1]->twipLeft() != width - c().Marker[i - 1]->twipWidth())
            fail(QString("marker %1 left its bar's end").arg(i - 1));
    }
    // The black sections cover the buttons of a section whose panel they hid.
    QStringList section;
    for (QWidget *w : std::initializer_list<QWidget *>{c().Picture3, c().Label12, c().Image1,
                                                       c().Label16, c().Image6})
        section << (w->isVisibleTo(&console()) ? "shown" : "hidden");
    if (!dark() && section.contains("shown") && section.contains("hidden"))
        fail("the bar section shows in part: " + section.join(' '));
    if (c().Label12->caption() != Captions::Start && c().Label12->caption() != Captions::Stop)
        fail("Start caption " + c().Label12->caption());
    if (l.delay.ending()) {
        if (l.atEnd.isEmpty())
            l.atEnd = shows();
        else if (shows() != l.atEnd)
            fail("handlers went on after the end: " + l.atEnd + " became " + shows());
    }
    if (l.folder) {
        if (!QFileInfo(l.settings.path()).isDir())
            fail("the folder in the settings file's place is gone");
        return;
    }
    QFile file(l.settings.path());
    const QByteArray now = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!l.writable) {
        if (now != l.before)
            fail("a settings file the program may not write was changed");
        return;
    }
    // Every value the program wrote reads back, and every line of the file
    // that is not one of those keys is still there.
    const IniText text(now);
    QStringList writtenKeys;
    for (auto key = l.store.written.cbegin(); key != l.store.written.cend(); ++key) {
        const QString section = key.key().section('/', 0, 0), name = key.key().section('/', 1);
        writtenKeys << name;
        if (text.value(section, name) != key.value())
            fail("settings file lost " + key.key() + "=" + key.value());
    }
    const QList<QByteArray> lines = now.split('\n');
    for (const QByteArray &line : l.before.split('\n'))
        if (!writtenKeys.contains(QString::fromUtf8(line.split('=').first().trimmed())) &&
            !lines.contains(line))
            fail("settings file lost the line " + QString::fromUtf8(line.left(60)));
}

// Whether the black screen or one of its black sections shows.
bool Storm::dark()
{
    bool dark = !c().Picture4->isHidden() || c().PicNum->isHidden();
    for (int i = 1; i <= 8; ++i)
        dark = dark || !c().PicOff[i]->isHidden();
    return dark;
}

// With no handler running the graph is still, a screen that is off shows black,
// and a console that shows has its pointer, lets the desktop's screen saver
// run again and shows the bar section as the power caption says.
void Storm::checkAtRest()
{
    Life &l = *life_;
    if (console().state().BarsRunning || c().Label12->caption() != Captions::Start)
        fail("no handler runs, yet the bar graph runs");
    if (console().state().ScreenOff && c().Picture4->isHidden())
        fail("the screen is off, yet the black screen is hidden");
    if (dark())
        return;
    if (l.pointer.counter < 0)
        fail(QString("the console shows with the pointer hidden (%1)").arg(l.pointer.counter));
    if (!l.screenSaver.requests.isEmpty() && !l.screenSaver.requests.last())
        fail("the console shows with the desktop's screen saver held off");
    const bool on = c().Label15->caption() == Captions::PowerOnGerman ||
                    c().Label15->caption() == Captions::PowerOnEnglish;
    if (on != c().Picture3->isVisibleTo(&console()))
        fail("power caption " + c().Label15->caption() + " with the bar section " +
             (on ? "hidden" : "shown"));
}
