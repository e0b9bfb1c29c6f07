// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <random>

// Settings files as a careless hand or a broken disk leaves them.
namespace SettingsFiles {

// The kinds of file, each drawn as often as the others; the last kind is a
// folder in the file's place, for which the text is empty.
constexpr int Kinds = 7;
constexpr int FolderKind = Kinds - 1;

QByteArray make(int kind, std::mt19937_64 &random);

} // namespace SettingsFiles
