#include "sound/qtsoundplayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

// Asking for the outputs makes the audio backend complain on the terminal when
// the machine has no sound server; no sound is not an error for the console.
static bool hasAudioOutput()
{
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const bool found = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(previous);
    return found;
}

QtSoundPlayer::QtSoundPlayer(QObject *parent) : QObject(parent), hasOutput_(hasAudioOutput()) {}

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
