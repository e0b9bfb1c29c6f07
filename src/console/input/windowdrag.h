// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/consolecontrols.h"

#include <QPointF>

class QWidget;
struct ConsoleState;

// The borderless console window is moved by dragging one of its larger
// panels with the left button: the artwork, the pills, the bar graph, the
// bars and the number labels. Only a window in its normal state moves; on
// Wayland the compositor moves it.
class WindowDrag
{
public:
    WindowDrag(QWidget &Form1, const ConsoleControls &controls, ConsoleState &state);

    // Button down and pointer move on any of those panels; positions in twips
    // relative to the panel.
    void panelMouseDown(Qt::MouseButton button, QPointF twips);
    void panelMouseMove(Qt::MouseButtons buttons, QPointF twips);

private:
    bool normalState() const;

    QWidget &Form1_;
    ConsoleState &state_;
};
