// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/soundplayer.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <memory>

class QSoundEffect;

// Plays waves through Qt Multimedia. Each file gets one sound effect, made
// when it is first needed and kept, so a later playback starts without
// loading. Asking the sound server for its outputs can take as long as the
// server likes, so start() asks on a thread of its own and the answer comes
// back to this object's thread; until it is there, and when there is no
// audio output at all, nothing is played.
class QtSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject *parent = nullptr);
    ~QtSoundPlayer() override;

    // Asks for the audio outputs in the background; the given waves are
    // loaded once an output is known, so the first click sounds at once.
    void start(const QStringList &preload);

    // True while a sound server has not answered yet. The asking thread then
    // holds a lock that the sound library's own clean-up at program exit
    // waits for: such a program must leave without that clean-up.
    static bool stillAsking();

    void play(const QString &path) override;
    void stop() override;

signals:
    // The sound server answered: found tells whether it has an output.
    void outputsKnown(bool found);

private:
    struct Mailbox;
    void outputsAnswered(bool found);
    QSoundEffect *effectFor(const QString &path);

    std::shared_ptr<Mailbox> mailbox_;
    QStringList preload_;
    bool hasOutput_ = false;
    QHash<QString, QSoundEffect *> effects_;
    QSoundEffect *current_ = nullptr;
};
