// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QStringList>

#include <utility>

// A scripted scenario and its record: one line per step and per wait, naming
// it, what was heard since the line before, and every fact of what shows that
// changed. A script is steps parted by "; "; a step "A /n B" does A and,
// inside A's n-th wait, B.
class Scenario
{
public:
    virtual ~Scenario() = default;
    void run(const QString &script, int depth = 0)
    {
        for (const QString &text : script.split(QStringLiteral("; "))) {
            const int outer = std::exchange(depth_, depth);
            const QString action = text.section(" /", 0, 0), inside = text.section(" /", 1);
            if (!inside.isEmpty())
                inside_[waits_ + inside.section(' ', 0, 0).toInt() - 1] = inside.section(' ', 1);
            note("> " + action, 0);
            act(action.section(' ', 0, 0), action.section(' ', 1));
            note("end", 1);
            depth_ = outer;
        }
    }
    QString text() const { return lines_.join(QLatin1Char('\n')) + QLatin1Char('\n'); }

protected:
    // The sounds played (and questions asked) since the last line; the record empties it.
    QStringList *sounds = nullptr;

    virtual void act(const QString &verb, const QString &args) = 0;
    virtual QStringList facts() = 0;

    void waited(int milliseconds)
    {
        note(QStringLiteral("wait %1").arg(milliseconds), 1);
        if (inside_.contains(waits_++))
            run(inside_.take(waits_ - 1), depth_ + 1);
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
    QStringList lines_, last_;
    QMap<int, QString> inside_;
    int depth_ = 0;
    int waits_ = 0;
};
