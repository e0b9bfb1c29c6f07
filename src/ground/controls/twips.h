// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// Every position and size of the console is kept in twips; 15 twips make one
// device-independent pixel at zoom 1. This is the one place where twips become
// pixels, and so the one place where the program's zoom applies: at zoom z a
// twip is z / 15 pixels, for geometry, fonts, pictures and pointer shapes alike.
namespace Twips {

constexpr double PerPixel = 15.0;

// The program's zoom factor, 1 until set. Controls placed before a change keep
// their old place until they are placed again (TwipControl::rezoomAll).
double zoom();
void setZoom(double factor);

// Rounds the edges, not the sizes, so neighbouring controls that share an edge
// in twips also share it on screen.
QRect toPixels(const QRectF &twips);
QPoint toPixels(const QPointF &twips);
QSize toPixels(const QSizeF &twips);
// A length in twips as pixels, unrounded.
double toPixels(double twips);
double fromPixels(double pixels);
QPointF fromPixels(const QPointF &pixels);

// A font of the design (its size at zoom 1) at the current zoom.
QFont zoomed(const QFont &font);

} // namespace Twips
