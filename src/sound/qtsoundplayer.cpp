#include "sound/qtsoundplayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : QObject(parent), hasOutput_(!QMediaDevices::audioOutputs().isEmpty())
{}

void QtSoundPlayer::preload(const QStringList &paths)
{
    for (const QString &path : paths)
        effectFor(path);
}

QSoundEffect *QtSoundPlayer::effectFor(const QString &path)
{
    if (!hasOutput_)
        return nullptr;
    QSoundEffect *&effect = effects_[path];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}

void QtSoundPlayer::play(const QString &path)
{
    QSoundEffect *effect = effectFor(path);
    if (!effect)
        return;
    stop();
    current_ = effect;
    current_->play();
}

void QtSoundPlayer::stop()
{
    if (current_)
        current_->stop();
    current_ = nullptr;
}
