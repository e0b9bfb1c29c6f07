#include "sound/waveplayer.h"

#include "sound/soundplayer.h"

#include <QDir>
#include <QFile>

WavePlayer::WavePlayer(SoundPlayer &player, const QString &directory)
    : player_(player), directory_(directory)
{}

QString WavePlayer::pathOf(const QString &name) const
{
    return QDir(directory_).filePath(name);
}

void WavePlayer::PlayWave(const QString &name)
{
    const QString path = pathOf(name);
    // Only a file that can be opened for reading is handed on.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    file.close();
    player_.play(path);
}

void WavePlayer::StopWave()
{
    player_.stop();
}
