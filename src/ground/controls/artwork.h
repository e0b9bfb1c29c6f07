// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QString>

// The program's pictures, drawn as SVG and rendered at their natural size
// times the zoom times the screen's device pixel ratio, so they stay crisp at
// any zoom and on dense screens. A picture is rendered once per zoom and
// shared by everyone who shows it, so pictures can be told apart by identity
// (QPixmap::cacheKey()).
namespace Artwork {

// ":/art/<name>.svg" as a pixmap of its natural size times the zoom in
// device-independent pixels; a null pixmap when the picture is missing.
QPixmap picture(const QString &name);
// The same picture as one this module rendered before, at the current zoom;
// any other pixmap as it is.
QPixmap rezoomed(const QPixmap &picture);
// The pointing hand shown over the console's picture buttons, hot spot (13, 9)
// at zoom 1.
QCursor handCursor();

} // namespace Artwork
