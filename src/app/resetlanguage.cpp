// SPDX-License-Identifier: GPL-3.0-or-later
// ResetLanguage: the companion program beside the console that forgets the
// language choice, so the language dialog asks again at the next start.
#include "settings/inisettingsstore.h"
#include "settings/languagereset.h"

#include <cstdio>

int main()
{
    const std::optional<QString> failed = LanguageReset::reset(IniSettingsStore::defaultFilePath());
    if (failed) {
        std::fputs(("ResetLanguage: " + *failed + "\n").toLocal8Bit().constData(), stderr);
        return 1;
    }
    std::fputs(LanguageReset::message().toLocal8Bit().constData(), stdout);
    return 0;
}
