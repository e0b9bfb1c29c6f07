// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/references.h"

#include <QMap>
#include <QStringList>

#include <utility>

// A scenario and its record: one line per step ("> step") and per wait, with
// what was heard since the line before and every fact of what shows that
// changed. A reviewed record in tests/references is also the scenario's
// script: its first line below the "#" header gives the settings file
// ("settings: " and the file's lines parted by "|"), its unindented "> " lines
// the steps, and an indented one a step taken inside the wait line just above
// it (the n-th wait of its step).
class Scenario
{
public:
    virtual ~Scenario() = default;

    // The settings file of the reference `name`; starts recording it.
    QByteArray settingsOf(const QString &name)
    {
        const QStringList lines = References::referenceText(name).split('\n');
        header_ = lines.value(0);
        QMap<int, int> lastWait; // by indent
        for (const QString &line : lines) {
            const QString text = line.trimmed(), step = text.mid(2).section(" (", 0, 0);
            const int indent = int(line.indexOf(text));
            if (text.startsWith("wait"))
                lastWait[indent] = nextWait();
            else if (text.startsWith("> ") && indent == 0) {
                steps_ << step.section(": ", 0, 0);
                ++top_;
            } else if (text.startsWith("> "))
                inside_[lastWait.value(indent)] << step.section(": ", 0, 0);
        }
        top_ = -1;
        waits_.clear();
        return header_.section(": ", 1).replace('|', '\n').toUtf8() + '\n';
    }
    void replay() { run(steps_, 0); }
    QString text() const { return header_ + '\n' + lines_.join('\n') + '\n'; }

protected:
    // The sounds played (and questions asked) since the last line; the record empties it.
    QStringList *sounds = nullptr;

    virtual void act(const QString &verb, const QString &args) = 0;
    virtual QStringList facts() = 0;

    // A wait (or a dialog) the scenario may take steps in.
    void waited(const QString &what)
    {
        note("wait " + what, 1);
        const QStringList steps = inside_.take(nextWait());
        run(steps, depth_ + 1);
    }
    void note(const QString &event, int indent)
    {
        const QStringList heard = std::exchange(*sounds, {}), now = facts();
        QStringList changed;
        for (int i = 0; i < now.size(); ++i)
            if (now[i] != last_.value(i))
                changed << now[i];
        last_ = now;
        QString line = QString((depth_ + indent) * 2, ' ') + event;
        if (!heard.isEmpty())
            line += " (" + heard.join(", ") + ")";
        lines_ << (changed.isEmpty() ? line : line + ": " + changed.join(", "));
    }

private:
    void run(const QStringList &steps, int depth)
    {
        for (const QString &step : steps) {
            if (depth == 0)
                ++top_;
            const int outer = std::exchange(depth_, depth);
            note("> " + step, 0);
            act(step.section(' ', 0, 0), step.section(' ', 1));
            note("end", 1);
            depth_ = outer;
        }
    }

    QString header_;
    QStringList steps_, lines_, last_;
    QMap<int, QStringList> inside_;
    int depth_ = 0;
    // A wait is known by the step it comes in and its count there.
    int nextWait() { return top_ * 100000 + waits_[top_]++; }
    int top_ = -1;
    QMap<int, int> waits_; // by step
};
