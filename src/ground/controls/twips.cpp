// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/twips.h"

#include <cmath>

namespace Twips {

namespace {
double factor = 1.0;
} // namespace

double zoom()
{
    return factor;
}

void setZoom(double value)
{
    factor = value;
}

double toPixels(double twips)
{
    return twips * factor / PerPixel;
}

QRect toPixels(const QRectF &twips)
{
    const int left = int(std::lround(toPixels(twips.left())));
    const int top = int(std::lround(toPixels(twips.top())));
    const int right = int(std::lround(toPixels(twips.left() + twips.width())));
    const int bottom = int(std::lround(toPixels(twips.top() + twips.height())));
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

QPoint toPixels(const QPointF &twips)
{
    return QPoint(int(std::lround(toPixels(twips.x()))), int(std::lround(toPixels(twips.y()))));
}

QSize toPixels(const QSizeF &twips)
{
    return toPixels(QRectF(QPointF(), twips)).size();
}

double fromPixels(double pixels)
{
    return pixels * PerPixel / factor;
}

QPointF fromPixels(const QPointF &pixels)
{
    return pixels * PerPixel / factor;
}

QFont zoomed(const QFont &font)
{
    if (factor == 1.0)
        return font;
    QFont result(font);
    if (font.pixelSize() > 0)
        result.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));
    else
        result.setPointSizeF(font.pointSizeF() * factor);
    return result;
}

} // namespace Twips
