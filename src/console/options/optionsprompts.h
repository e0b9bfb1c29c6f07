// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

class QWidget;

// The two questions the options dialog asks in windows of the system: the
// colour chooser and the Yes/No box. Tests answer them themselves.
class OptionsPrompts
{
public:
    virtual ~OptionsPrompts() = default;
    // The chosen colour as 0x00BBGGRR, or nothing when the chooser was cancelled.
    virtual std::optional<qint32> chooseColor(QWidget *parent) = 0;
    // True for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text) = 0;
};
