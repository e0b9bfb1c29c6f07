// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/consolecontrols.h"

class QWidget;

// The console's controls as a table, read beside the design's layout tables.
namespace ConsoleLayout {

// Creates every control of the table on the console window.
ConsoleControls build(QWidget *form);

} // namespace ConsoleLayout
