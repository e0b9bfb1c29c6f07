// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// Every position and size of the console is kept in twips; 15 twips make one
// device-independent pixel. This is the one place where twips become pixels.
namespace Twips {

constexpr double PerPixel = 15.0;

// Rounds the edges, not the sizes, so neighbouring controls that share an edge
// in twips also share it on screen.
QRect toPixels(const QRectF &twips);
QPoint toPixels(const QPointF &twips);
QSize toPixels(const QSizeF &twips);
double fromPixels(double pixels);

} // namespace Twips
