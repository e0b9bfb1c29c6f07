// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;

// Check boxes and option buttons of a dialog carry captions longer than their
// width: the caption wraps at word boundaries beside the indicator, centred
// in the height, with its access key underlined. Indicator and caption are
// drawn in the button's text colour, so they show on any background.
namespace ButtonCaption {

enum class Indicator { Square, Round };

void paint(QAbstractButton *button, Indicator indicator);

} // namespace ButtonCaption
