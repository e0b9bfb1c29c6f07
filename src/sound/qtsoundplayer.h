#pragma once

#include "sound/soundplayer.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

// Plays waves through Qt Multimedia. Each file gets one sound effect, made on
// its first playback and kept, so a later playback starts without loading.
// Without an audio output nothing is played at all.
class QtSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject *parent = nullptr);

    // Loads the given waves now, so the first click sounds without delay.
    void preload(const QStringList &paths);

    void play(const QString &path) override;
    void stop() override;

private:
    QSoundEffect *effectFor(const QString &path);

    bool hasOutput_ = false;
    QHash<QString, QSoundEffect *> effects_;
    QSoundEffect *current_ = nullptr;
};
