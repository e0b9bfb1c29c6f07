#pragma once

#include "app/consolecontrols.h"
#include "app/consolestate.h"
#include "app/services.h"
#include "console/numberpanels.h"
#include "settings/settings.h"
#include "sound/waveplayer.h"

#include <QTimer>
#include <QWidget>

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
    WavePlayer &wave() { return wave_; }
    Settings &settings() { return settings_; }
    NumberPanels &panels() { return panels_; }

    // The screen's size in twips, each side a whole number.
    QSizeF screenTwips() const;
    void centrePicture1();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void languageStep();
    void colourNumberLabels();

    Services services_;
    Settings settings_;
    WavePlayer wave_;
    ProgramState &program_;
    ConsoleState state_;
    ConsoleControls c_;
    QTimer Timer1, Timer2, Timer3, Timer4, Timer5, Timer6;
    NumberPanels panels_;
};
