// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/optionscontrols.h"

class QWidget;

// The options dialog's controls as a table, read beside the design's layout
// table of the dialog.
namespace OptionsLayout {

// The dialog's size in twips.
constexpr double Width = 6195;
constexpr double Height = 4440;

// Creates every control of the table on the dialog, in its colours and fonts.
OptionsControls build(QWidget *form);
// Replaces the caption of every control that has an English one.
void applyEnglish(QWidget *form);

} // namespace OptionsLayout
