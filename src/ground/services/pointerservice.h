// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

// The platform's mouse pointer: its position in screen pixels, its display
// counter (shown while the counter is 0 or more) and its confinement.
class PointerService
{
public:
    virtual ~PointerService() = default;
    virtual QPoint position() const = 0;
    virtual void moveTo(const QPoint &screenPixels) = 0;
    // Raises (show) or lowers (hide) the display counter by one; returns the new counter.
    virtual int showCursor(bool show) = 0;
    // Keeps the pointer inside the rectangle, where the platform lets a program do so.
    virtual void confine(const QRect &screenPixels) = 0;
};
