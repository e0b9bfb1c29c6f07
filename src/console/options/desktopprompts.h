// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/optionsprompts.h"

// The questions in Qt's own colour chooser and message box.
class DesktopPrompts : public OptionsPrompts
{
public:
    std::optional<qint32> chooseColor(QWidget *parent) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
};
