// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Who made the program and how to reach them, in one place, with the texts
// of the info page that are built from it.
namespace InfoTexts {

inline const QString Title = QStringLiteral("KORVA-Interface");
inline const QString Author = QStringLiteral("KORVA-Interface team");
inline const QString ContactMail = QStringLiteral("korva-interface@example.org");
inline const QString WebAddress = QStringLiteral("https://korva-interface.example.org");

// "Version 1.36 (1.36.0178)" for 1, 36, 178: the ".0" stands before the
// revision whatever its length.
QString versionText(int major, int minor, int revision);
// The version text of this build.
QString versionText();
// The two lines of the artwork credit, joined by a carriage return.
QString graphicsCredit();
QString descriptionEnglish();
QString descriptionGerman();

} // namespace InfoTexts
