// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>
#include <QString>

#include <optional>

// The console's zoom: "fit", or a factor from Smallest to Largest. The whole
// console, dialogs included, is drawn that many times larger; a twip is that
// many times more pixels, so the twip arithmetic runs unchanged on a screen
// that simply holds fewer twips.
namespace Zoom {

constexpr double Smallest = 0.25;
constexpr double Largest = 4.0;
// The console artwork's size in pixels, unzoomed.
constexpr double ArtworkWidth = 800;
constexpr double ArtworkHeight = 554;

// True for "fit" and for a number within the bounds.
bool valid(const QString &text);

// The largest factor at which the artwork fits a screen or window of this
// size (in unzoomed pixels), kept within the bounds.
double fit(const QSizeF &screen);

// The factor a valid text asks for on a screen of this size; nothing for a
// text that is not valid.
std::optional<double> factor(const QString &text, const QSizeF &screen);

} // namespace Zoom
