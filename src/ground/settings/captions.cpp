// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/captions.h"

#include "controls/captionlabel.h"

namespace Captions {

void ApplyEnglishCaptions(CaptionLabel *Bezeichnung6, CaptionLabel *Label17, CaptionLabel *Label15)
{
    Bezeichnung6->setCaption(EndEnglish);
    Label17->setCaption(OptionsEnglish);
    Label15->setCaption(PowerOffEnglish);
}

} // namespace Captions
