// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The platform's single current sound: a new playback cuts off the one before.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts the wave file and returns at once.
    virtual void play(const QString &path) = 0;
    virtual void stop() = 0;
};
