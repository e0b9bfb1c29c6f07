// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screenfollower.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

ScreenFollower::ScreenFollower(QObject *parent) : QObject(parent)
{
    // The removed screen hands its windows on only as it goes, after the
    // signal: look once that is done.
    connect(qApp, &QGuiApplication::screenRemoved, this,
            [this] { QTimer::singleShot(0, this, &ScreenFollower::rehome); });
}

void ScreenFollower::rehome()
{
    QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->windowHandle() ||
            QGuiApplication::screenAt(window->geometry().center()))
            continue;
        // A full-screen window leaves that state for a moment: the window
        // manager, or the console itself, fits it to its screen as it returns.
        const Qt::WindowStates state = window->windowState();
        window->windowHandle()->setScreen(primary);
        window->setWindowState(state & ~Qt::WindowFullScreen);
        QRect place = window->frameGeometry();
        place.moveCenter(primary->availableGeometry().center());
        window->move(place.topLeft());
        window->setWindowState(state);
    }
}
