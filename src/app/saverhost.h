// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

class ConsoleWindow;

// The console as the desktop's screen saver: drawn into a window the saver
// daemon (or a locker) owns, fitted to that window's size and following its
// changes, powered on with the bar graph running and, every few minutes, the
// black screen for a while. When the window goes away, so does the program,
// at once and without a word.
class SaverHost : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    // How often the black screen comes and how long it stays, in ms.
    struct Rhythm
    {
        int every = 180 * 1000;
        int lasts = 20 * 1000;
    };

    // The window a saver runs in: the one asked for, else the one the saver
    // daemon names in XSCREENSAVER_WINDOW, else the root window. 0 with a
    // reason when there is none: no X display, or no such window.
    static quint32 findWindow(quint32 asked, QString *reason);
    // The size of that window in pixels.
    static QSize windowSize(quint32 window);

    SaverHost(ConsoleWindow &console, quint32 window);
    SaverHost(ConsoleWindow &console, quint32 window, Rhythm rhythm);
    ~SaverHost() override;

    // Puts the console into the window, before it is first shown.
    void embed();
    // Powers the console on and runs the bar graph; its black screen comes and goes.
    void start();
    // The black screen's coming and going alone.
    void startBlankCycle();

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *result) override;

private:
    void blankCycle();

    ConsoleWindow &console_;
    quint32 window_;
    Rhythm rhythm_;
    QTimer blankTimer_;
};
