// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iterator>

// The console's sounds, named for what each one answers.
enum class Wave { Button, Minimise, PowerUp, PowerDown, BlackScreen };

// The file of each wave beside the program, in the order of the enum. Plain
// text, so the build-time synthesiser, which does without Qt, writes the very
// files the program plays; its CMakeLists.txt reads the names from this line.
inline constexpr const char *kWaveFiles[] = {"1.wav", "2.wav", "8.wav", "10.wav", "13.wav"};
static_assert(std::size(kWaveFiles) == int(Wave::BlackScreen) + 1);

constexpr const char *waveFile(Wave wave)
{
    return kWaveFiles[int(wave)];
}
