// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Forgetting the language choice, so the language dialog asks again at the
// next start: the companion program and the command line both do this.
namespace LanguageReset {

// Takes the language key out of the settings file through the settings
// file's own writer: every other line stays as it was, and a file without
// the key, or no file at all, is not written. Nothing when done, else why
// not, one sentence.
std::optional<QString> reset(const QString &settingsFile);
// What the user is told when it is done.
QString message();

} // namespace LanguageReset
