// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/waves.h"

#include <QString>

class SoundPlayer;

// The console's sounds: wave files that lie beside the program. A missing or
// unreadable file, or anything there that is not a regular file, is silence.
class WavePlayer
{
public:
    WavePlayer(SoundPlayer &player, const QString &directory);

    void PlayWave(Wave wave);
    void StopWave();

private:
    SoundPlayer &player_;
    QString directory_;
};
