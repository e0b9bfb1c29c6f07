// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/optionsform.h"

#include "options/optionsdialog.h"
#include "sound/waveplayer.h"

OptionsForm::OptionsForm(const OptionsContext &context, QWidget &owner)
    : ctx_(context), owner_(owner)
{}

template <typename Show> void OptionsForm::open(Show show)
{
    OptionsDialog dialog(ctx_, &owner_);
    // Made on the console's screen: a window that follows its parent to
    // another X screen only once it is made is never drawn there.
    dialog.setScreen(owner_.screen());
    OptionsDialog *outer = open_;
    open_ = &dialog;
    show(dialog);
    open_ = outer;
}

void OptionsForm::label17Click()
{
    ctx_.wave.PlayWave(Wave::Button);
    open([](OptionsDialog &dialog) { dialog.exec(); });
}

void OptionsForm::ExtInfo()
{
    open([](OptionsDialog &dialog) { dialog.ExtInfo(); });
}
