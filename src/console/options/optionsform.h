// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/optionscontext.h"

class OptionsDialog;
class QWidget;

// Opens the options dialog over the console: a new dialog, loaded from the
// store, for every opening, destroyed when it closes. The console's timers
// keep running behind it; a caller waiting inside a running bar graph goes
// on only when the dialog has closed.
class OptionsForm
{
public:
    OptionsForm(const OptionsContext &context, QWidget &owner);

    // The options button (Label17, Image9): its sound, then the dialog.
    void label17Click();
    // The info page alone.
    void ExtInfo();

    // The dialog while it is open, else null.
    OptionsDialog *dialog() const { return open_; }

private:
    template <typename Show> void open(Show show);

    OptionsContext ctx_;
    QWidget &owner_;
    OptionsDialog *open_ = nullptr;
};
