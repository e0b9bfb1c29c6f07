// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

// The console names its display faces as designed (TrekCon2, Federation, ...);
// each is mapped to a stand-in that Debian packages, with a common face last.
// The stand-ins come with the program, so every caption looks the same on any
// machine.
namespace FontStandIns {

// Registers the bundled faces and the substitutions; needs the application object.
void install();
// A font of the design: point sizes at 96 dots per inch, fixed in pixels so
// the text keeps its size against the twip layout whatever the screen reports.
QFont font(const QString &family, double points, bool bold = false);

} // namespace FontStandIns
