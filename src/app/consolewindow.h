// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/services.h"
#include "bars/alertcolouring.h"
#include "bars/bargraph.h"
#include "bars/barsettings.h"
#include "bars/colourramp.h"
#include "blank/blankscreen.h"
#include "controls/consolecontrols.h"
#include "controls/picturestore.h"
#include "input/ccursor.h"
#include "input/keyboardmap.h"
#include "input/windowdrag.h"
#include "options/desktopprompts.h"
#include "options/optionsform.h"
#include "panels/colourflicker.h"
#include "panels/numberpanels.h"
#include "panels/picturecycling.h"
#include "panels/stardate.h"
#include "power/powerswitch.h"
#include "settings/consolestate.h"
#include "settings/settings.h"
#include "sound/waveplayer.h"

#include <QTimer>
#include <QWidget>

#include <memory>

struct ProgramState;

// The console window, Form1: a borderless black window holding the console
// artwork and its live controls, the six timers and the console's variables.
class ConsoleWindow : public QWidget
{
    Q_OBJECT
public:
    ConsoleWindow(const Services &services, ProgramState &program);

    // The start-up sequence; runs once, before the window is first shown.
    void load();

    ConsoleControls &controls() { return c_; }
    ConsoleState &state() { return state_; }
    QTimer &timer(int number);
    Settings &settings() { return settings_; }
    BarGraph &bars() { return bars_; }
    BarSettings &barSettings() { return barSettings_; }
    PowerSwitch &power() { return power_; }
    BlankScreen &blank() { return blank_; }
    Delay &delay() { return services_.delay; }
    // The picture store, created the first time it is asked for and shared
    // by everyone who shows its pictures.
    PictureStore &images();
    // The pointer object; exists from the pointer step of load() on.
    cCursor *mouse() { return Mouse.get(); }

    // The screen's size in twips, each side a whole number.
    QSizeF screenTwips() const;
    // The size the window really has, in twips as above.
    QSizeF windowTwips() const;
    // Centres the console artwork on the window.
    void centrePicture1();

    // What the zoom follows: nothing (a fixed factor), the screen the window
    // is on, or the window's own size.
    enum class Fit { None, Screen, Window };
    void setFit(Fit fit);
    // Sets the zoom for what it follows and, when it changed, places and
    // draws everything anew.
    void refit();
    // On the first run start-up asks for the language, unless told not to.
    void setAsksLanguage(bool asks) { asksLanguage_ = asks; }

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void languageStep();
    void colourNumberLabels();
    void connectClicks();
    void placeWithoutWindowManager(Qt::WindowStates oldState);
    void rezoom(double factor);

    Services services_;
    Settings settings_;
    WavePlayer wave_;
    ProgramState &program_;
    ConsoleState state_;
    ConsoleControls c_;
    // The six timers of the console:
    //   Timer1  600 ms  picture cycling of the four pills
    //   Timer2  600 ms  colour flicker of the number panels
    //   Timer3  600 ms  numbers of the number panels
    //   Timer4 1000 ms  stardate line of the blank screen
    //   Timer5   50 ms  red alert zones of the running bars
    //   Timer6  100 ms  idle watch that brings on the blank screen
    QTimer Timer1, Timer2, Timer3, Timer4, Timer5, Timer6;
    NumberPanels panels_;
    ColourFlicker flicker_;
    PictureCycling cycling_;
    Stardate stardate_;
    WindowDrag drag_;
    ColourRamp ramp_;
    AlertColouring alerts_;
    BarGraph bars_;
    BarSettings barSettings_;
    PowerSwitch power_;
    BlankScreen blank_;
    DesktopPrompts prompts_;
    OptionsForm options_;
    KeyboardMap keys_;
    std::unique_ptr<PictureStore> Images;
    std::unique_ptr<cCursor> Mouse;
    QRect normalGeometry_;
    Fit fit_ = Fit::None;
    // A refit put off while a dialog shows.
    QTimer refitLater_;
    bool asksLanguage_ = true;
};
