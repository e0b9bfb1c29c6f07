// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <random>

// Settings files as a careless hand or a broken disk leaves them: random
// bytes, cut short, huge and negative numbers, long lines, duplicate keys.
namespace SettingsFiles {

// The kinds of file, each drawn as often as the others; the last kind is a
// folder in the file's place.
constexpr int Kinds = 7;
constexpr int FolderKind = Kinds - 1;

// The file's text for the given kind (empty for the folder).
QByteArray make(int kind, std::mt19937_64 &random);

} // namespace SettingsFiles
