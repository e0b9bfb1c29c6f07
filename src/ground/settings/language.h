// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Settings;

// The language flag, read from the store at every use and never cached.
namespace Language {

// The flag still holds "2": the user has not chosen a language yet.
bool unchosen(const Settings &settings);
// Every text but the power captions: English exactly when the flag is 0.
bool english(const Settings &settings);
// The power captions test the other way round: German exactly when the flag is 1.
bool germanPowerCaptions(const Settings &settings);

} // namespace Language
