// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/qtsoundplayer.h"

#include "services/regularfile.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include <atomic>
#include <mutex>
#include <thread>

// Where the asking thread leaves its answer. The player may be gone by then
// (the thread can outlive it when the server never answers): it signs off
// here first, and the answer is dropped.
struct QtSoundPlayer::Mailbox
{
    std::mutex lock;
    QtSoundPlayer *player = nullptr;
};

namespace {
std::atomic<Qt::HANDLE> askingThread{nullptr};
std::atomic<bool> asking{false};
QtMessageHandler forwardMessage = nullptr;

// The audio backend complains on the terminal when the machine has no sound
// server; no sound is not an error for the console. Only the asking thread's
// messages are dropped.
void quietWhileAsking(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (QThread::currentThreadId() != askingThread.load())
        forwardMessage(type, context, text);
}
} // namespace

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : QObject(parent), mailbox_(std::make_shared<Mailbox>())
{}

QtSoundPlayer::~QtSoundPlayer()
{
    const std::lock_guard<std::mutex> signOff(mailbox_->lock);
    mailbox_->player = nullptr;
}

void QtSoundPlayer::start(const QStringList &preload)
{
    if (mailbox_->player)
        return;
    preload_ = preload;
    mailbox_->player = this;
    if (!forwardMessage)
        forwardMessage = qInstallMessageHandler(quietWhileAsking);
    asking = true;
    // Detached: a server that never answers keeps this thread, never the console.
    std::thread([mailbox = mailbox_] {
        askingThread = QThread::currentThreadId();
        const bool found = !QMediaDevices::audioOutputs().isEmpty();
        askingThread = nullptr;
        asking = false;
        const std::lock_guard<std::mutex> deliver(mailbox->lock);
        if (QtSoundPlayer *player = mailbox->player)
            QMetaObject::invokeMethod(
                player, [player, found] { player->outputsAnswered(found); }, Qt::QueuedConnection);
    }).detach();
}

bool QtSoundPlayer::stillAsking()
{
    return asking;
}

void QtSoundPlayer::outputsAnswered(bool found)
{
    hasOutput_ = found;
    for (const QString &path : std::as_const(preload_))
        effectFor(path);
    emit outputsKnown(found);
}

QSoundEffect *QtSoundPlayer::effectFor(const QString &path)
{
    if (!hasOutput_)
        return nullptr;
    QSoundEffect *&effect = effects_[path];
    // The effect loads its file on a thread of its own; a FIFO there would
    // keep that thread, and the program's end, waiting for ever.
    if (!effect && RegularFile::readable(path)) {
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
