// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Keeps the program's windows on a screen that exists. When a monitor goes
// away, every shown window that was on it moves to the primary screen: a
// full-screen window covers that screen, any other is centred on it.
class ScreenFollower : public QObject
{
    Q_OBJECT
public:
    explicit ScreenFollower(QObject *parent = nullptr);

    // Moves every shown top-level window whose middle lies on no screen.
    static void rehome();
};
