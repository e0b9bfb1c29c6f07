// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "power/facttrace.h"
#include "support/consolefixture.h"

#include <QMap>

// A console run through a script of steps, each recorded with its sounds, its
// waits and what shows after each of them; a dialog a step opens is named and
// closed. A step "A /n B" does A and, inside A's n-th wait, B. Steps:
// "click <control>", "key <keys>", "tick6 <count>", "pointer <x>,<y>",
// "walk <x>,<y> <dx>,<dy> <ticks>" (the pointer moved before each tick),
// "idle <ticks>", "grow <bar> <target> <step>" (the draws of one growth),
// "width <bar> <twips>", "window <w>,<h>" (a normal window of that size),
// "drag <control> <dx>,<dy> <buttons>" (twips), "focus" (on the black screen).
class ConsoleScenario
{
public:
    explicit ConsoleScenario(const QByteArray &settingsFile);
    // Runs the steps of a script, each ended by "; ".
    void run(const QString &script);
    QString text() const { return trace_.text(); }

    ConsoleFixture f;

private:
    void step(const QString &step, int depth);
    void act(const QString &verb, const QStringList &args);
    void note(const QString &event);
    QStringList facts() const;

    FactTrace trace_;
    QMap<int, QString> inside_; // wait index -> step
    QTimer dialogs_;
    int depth_ = 0;
    int sounds_ = 0;
};
