// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/twips.h"

#include <cmath>

namespace Twips {

QRect toPixels(const QRectF &twips)
{
    const int left = int(std::lround(twips.left() / PerPixel));
    const int top = int(std::lround(twips.top() / PerPixel));
    const int right = int(std::lround((twips.left() + twips.width()) / PerPixel));
    const int bottom = int(std::lround((twips.top() + twips.height()) / PerPixel));
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

QPoint toPixels(const QPointF &twips)
{
    return QPoint(int(std::lround(twips.x() / PerPixel)), int(std::lround(twips.y() / PerPixel)));
}

QSize toPixels(const QSizeF &twips)
{
    return toPixels(QRectF(QPointF(), twips)).size();
}

double fromPixels(double pixels)
{
    return pixels * PerPixel;
}

} // namespace Twips
