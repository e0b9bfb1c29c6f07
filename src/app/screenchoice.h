// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QScreen;

// The screen the console shows on: a number counting from 0 in the order the
// platform lists its screens, or a screen's name as the platform gives it
// (on X11 the name xrandr shows). An empty choice is the primary screen.
namespace ScreenChoice {

// The index of the chosen screen among these names: -1 when none matches, 0
// for an empty choice when there is a screen.
int indexOf(const QStringList &names, const QString &choice);

// The chosen screen of the running application, or null.
QScreen *find(const QString &choice);

// One line per screen of the running application: number, name, size.
QString describe();

} // namespace ScreenChoice
