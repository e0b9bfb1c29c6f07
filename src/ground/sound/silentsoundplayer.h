// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/soundplayer.h"

// The player of a muted console: every wave is silence, and nothing asks the
// sound server anything. The waits around the sounds run as always.
class SilentSoundPlayer : public SoundPlayer
{
public:
    void play(const QString &) override {}
    void stop() override {}
};
