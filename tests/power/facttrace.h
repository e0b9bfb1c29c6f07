// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The record of a scenario: one line per event, naming the event and every
// fact of what shows that changed since the line before.
class FactTrace
{
public:
    void note(const QString &event, const QStringList &facts)
    {
        QStringList changed;
        for (int i = 0; i < facts.size(); ++i)
            if (facts[i] != last_.value(i))
                changed << facts[i];
        last_ = facts;
        lines_ << (changed.isEmpty() ? event : event + ": " + changed.join(QStringLiteral(", ")));
    }
    QString text() const { return lines_.join(QLatin1Char('\n')) + QLatin1Char('\n'); }

private:
    QStringList lines_;
    QStringList last_;
};
