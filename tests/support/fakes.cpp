// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

double ScriptedRandom::next()
{
    if (draws_.empty()) {
        exhausted_ = true;
        if (onExhausted)
            onExhausted();
        return 0.0;
    }
    const double draw = draws_.front();
    draws_.pop_front();
    return draw;
}

int FakePointer::showCursor(bool show)
{
    counter += show ? 1 : -1;
    return counter;
}

void RecordingSoundPlayer::play(const QString &path)
{
    events << QStringLiteral("play ") + QFileInfo(path).fileName();
}

TempSettings::TempSettings() = default;

void TempSettings::writeFile(const QByteArray &content)
{
    QFile file(path());
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content);
}

IniSettingsStore &TempSettings::store()
{
    if (!store_)
        store_ = std::make_unique<IniSettingsStore>(path());
    return *store_;
}

bool RecordingDelay::wait(double seconds)
{
    if (ending())
        return false;
    if (!(seconds > 0))
        return true;
    waits << seconds;
    if (during)
        during(int(waits.size()) - 1);
    return !ending();
}

void restartEventLoops()
{
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
