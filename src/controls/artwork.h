// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QString>

// The program's pictures, drawn as SVG and rendered at their natural size
// times the screen's device pixel ratio, so they stay crisp on dense screens.
namespace Artwork {

// ":/art/<name>.svg" as a pixmap of its natural size in device-independent
// pixels; a null pixmap when the picture is missing.
QPixmap picture(const QString &name);
// The pointing hand shown over the console's picture buttons, hot spot (13, 9).
QCursor handCursor();

} // namespace Artwork
