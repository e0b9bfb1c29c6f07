#pragma once

class BarGraph;
class ColourRamp;
class ConsoleWindow;

// The power switch, the End sequence and the window buttons of the console.
// The power state is what the console shows: the bar graph section visible
// means on; the caption of Label15 records the last switch.
class PowerSwitch
{
public:
    PowerSwitch(ConsoleWindow &console, BarGraph &bars, ColourRamp &ramp);

    // Power (Label15, Image7).
    void label15Click();
    // End (Bezeichnung6, Anzeige1): collapses, hides and ends the program.
    void endSequence();
    // The pills: 1 minimises, 2 switches maximised and normal, 3 and 4 do nothing.
    void picture2Click(int index);
    void minimise();

private:
    void powerOff();
    void powerOn();
    void showBarSection(bool visible);

    ConsoleWindow &console_;
    BarGraph &bars_;
    ColourRamp &ramp_;
};
