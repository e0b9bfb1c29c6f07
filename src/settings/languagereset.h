// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Forgetting the language choice, so the language dialog asks again at the
// next start: the companion program and the command line both do this.
namespace LanguageReset {

// Removes only the language key of the settings file; every other key keeps
// its value, and a missing file stays missing.
void reset(const QString &settingsFile);
// What the user is told afterwards.
QString message();

} // namespace LanguageReset
