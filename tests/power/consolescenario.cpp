// SPDX-License-Identifier: GPL-3.0-or-later
#include "power/consolescenario.h"

#include "controls/captionlabel.h"
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "options/optionsdialog.h"
#include "support/bardraws.h"

#include <QtTest>

namespace {
QString shown(const QWidget *control)
{
    return control->isVisibleTo(control->window()) ? "shown" : "hidden";
}

QPoint point(const QString &text)
{
    return QPoint(text.section(',', 0, 0).toInt(), text.section(',', 1).toInt());
}

QString rect(const TwipControl *w)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(w->twipLeft())
        .arg(w->twipTop())
        .arg(w->twipWidth())
        .arg(w->twipHeight());
}
} // namespace

ConsoleScenario::ConsoleScenario(const QByteArray &settingsFile)
{
    f.settings.writeFile(settingsFile);
    // A dialog is left as Esc leaves it; the first-run language dialog without a choice.
    QObject::connect(&dialogs_, &QTimer::timeout, [this] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            auto *options = qobject_cast<OptionsDialog *>(dialog);
            note(QString(depth_ * 2 + 2, ' ') + "dialog " +
                 (options
                      ? options->controls().Label1->caption() + (f.program.InfoOnly ? " alone" : "")
                      : dialog->windowTitle()));
            QTest::keyClick(dialog, Qt::Key_Escape);
            dialog->close();
        }
    });
    dialogs_.start(0);
    f.load();
    f.recordingDelay.during = [this](int index) {
        note(QString(depth_ * 2 + 2, ' ') +
             QStringLiteral("wait %1").arg(qRound(f.recordingDelay.waits[index] * 1000)));
        if (inside_.contains(index))
            step(inside_.take(index), depth_ + 1);
    };
    note("load");
}

void ConsoleScenario::run(const QString &script)
{
    for (const QString &one : script.split(QStringLiteral("; ")))
        step(one, 0);
}

void ConsoleScenario::step(const QString &text, int depth)
{
    const int outer = std::exchange(depth_, depth);
    const QString indent(depth * 2, ' ');
    const QString action = text.section(" /", 0, 0);
    if (text.contains(" /")) {
        const QString inside = text.section(" /", 1);
        inside_[int(f.recordingDelay.waits.size()) + inside.section(' ', 0, 0).toInt() - 1] =
            inside.section(' ', 1);
    }
    note(indent + "> " + action);
    act(action.section(' ', 0, 0), action.section(' ', 1).split(' '));
    note(indent + "  end");
    depth_ = outer;
}

void ConsoleScenario::act(const QString &verb, const QStringList &args)
{
    ConsoleControls &c = f.c();
    if (verb == "click") {
        emit f.console->findChild<TwipControl *>(args[0])->clicked();
    } else if (verb == "key") {
        const QKeyCombination key = QKeySequence(args[0])[0];
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : f.console.get(), key.key(), key.keyboardModifiers());
    } else if (verb == "tick6" || verb == "walk") {
        const int ticks = args.last().toInt();
        for (int n = 0; n < ticks; ++n) {
            if (verb == "walk")
                f.pointer.at = point(args[0]) + n * point(args[1]);
            QMetaObject::invokeMethod(&f.console->timer(6), "timeout");
        }
    } else if (verb == "pointer") {
        f.pointer.at = point(args[0]);
    } else if (verb == "idle") {
        f.state().IdleTicks = qint16(args[0].toInt());
    } else if (verb == "grow") {
        BarDraws(f.random).growth(args[0].toInt(), args[1].toInt(), args[2].toInt(),
                                  f.program.AniSpeed);
    } else if (verb == "width") {
        c.PicBar[args[0].toInt()]->setTwipWidth(args[1].toInt());
    } else if (verb == "window") {
        f.console->setWindowState(Qt::WindowNoState);
        f.console->setGeometry(
            QRect(QPoint(30, 20), QSize(point(args[0]).x(), point(args[0]).y())));
    } else if (verb == "drag") {
        // A press at (150, 75) twips in the control, then a move by (dx, dy).
        auto *pressed = f.console->findChild<TwipControl *>(args[0]);
        const auto held = Qt::MouseButtons(args[2].toInt());
        const auto button = held & Qt::LeftButton ? Qt::LeftButton : Qt::RightButton;
        const QPointF press = QPointF(150, 75) / 15.0,
                      move = press + QPointF(point(args[1])) / 15.0;
        QMouseEvent down(QEvent::MouseButtonPress, press, pressed->mapToGlobal(press), button,
                         button, Qt::NoModifier);
        QCoreApplication::sendEvent(pressed, &down);
        QMouseEvent moved(QEvent::MouseMove, move, pressed->mapToGlobal(move), Qt::NoButton, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(pressed, &moved);
    } else if (verb == "focus") {
        QApplication::setActiveWindow(f.console.get());
        c.Picture4->setFocus();
    } else {
        QFAIL(qPrintable("unknown step " + verb));
    }
}

void ConsoleScenario::note(const QString &event)
{
    const QStringList sounds = f.sound.events.mid(std::exchange(sounds_, f.sound.events.size()));
    trace_.note(sounds.isEmpty() ? event : event + " (" + sounds.join(", ") + ")", facts());
}

QStringList ConsoleScenario::facts() const
{
    const ConsoleControls &c = f.console->controls();
    const ConsoleState &s = f.console->state();
    QString dark;
    for (int i = 1; i <= 8; ++i)
        if (c.PicOff[i]->isVisibleTo(f.console.get()))
            dark += QString::number(i);
    QStringList section, bars;
    for (const QWidget *w :
         std::initializer_list<QWidget *>{c.Picture3, c.Label12, c.Image1, c.Label16, c.Image6})
        section << shown(w);
    section.removeDuplicates();
    for (int i = 1; i <= 9; ++i)
        bars << QString::number(c.PicBar[i]->twipWidth());
    const QList<bool> &saver = f.screenSaver.requests;
    const Qt::WindowStates window = f.console->windowState();
    return {"dark " + (dark.isEmpty() ? QString("-") : dark),
            "panels " + shown(c.PicNum),
            "section " + section.join('/'),
            "black " + shown(c.Picture4),
            QStringLiteral("pointer %1").arg(f.pointer.counter),
            QString("saver ") + (saver.isEmpty() ? "-"
                                 : saver.last()  ? "free"
                                                 : "held"),
            QStringLiteral("ScreenOff %1 idle %2").arg(int(s.ScreenOff)).arg(s.IdleTicks),
            "Label12 " + c.Label12->caption(),
            "Label15 " + c.Label15->caption(),
            "bars " + bars.join(' '),
            QStringLiteral("running %1 started %2").arg(int(s.BarsRunning)).arg(int(s.BarsStarted)),
            QString("window ") + (window & Qt::WindowMinimized    ? "minimised"
                                  : window & Qt::WindowFullScreen ? "full"
                                                                  : "normal"),
            QStringLiteral("at %1,%2").arg(f.console->x()).arg(f.console->y()),
            "artwork " + rect(c.Picture1),
            "black screen " + rect(c.Picture4) + ", logo " + rect(c.Image5) + ", lines " +
                rect(c.Label13) + " " + rect(c.Label14),
            QString(f.recordingDelay.ending() ? "ending" : "not ending")};
}
