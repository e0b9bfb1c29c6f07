// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/waveplayer.h"

#include "services/regularfile.h"
#include "sound/soundplayer.h"

#include <QDir>

WavePlayer::WavePlayer(SoundPlayer &player, const QString &directory)
    : player_(player), directory_(directory)
{}

void WavePlayer::PlayWave(Wave wave)
{
    const QString path = QDir(directory_).filePath(QString::fromLatin1(waveFile(wave)));
    // Only a regular file that may be read is handed on; the test opens
    // nothing, since opening a FIFO would block.
    if (RegularFile::readable(path))
        player_.play(path);
}

void WavePlayer::StopWave()
{
    player_.stop();
}
