// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/pointerservice.h"

#include <QtGlobal>

// The desktop's pointer. A display counter below zero hides the pointer over
// the program's windows. On X11 a confinement is a pointer grab held to the
// rectangle; elsewhere the platform lets no program confine the pointer and
// confine does nothing. On Wayland moving the pointer does nothing either.
class DesktopPointer : public PointerService
{
public:
    QPoint position() const override;
    void moveTo(const QPoint &screenPixels) override;
    int showCursor(bool show) override;
    void confine(const QRect &screenPixels) override;

private:
    int counter_ = 0;
    bool hidden_ = false;
    quint32 confineWindow_ = 0; // the X11 window the grab keeps the pointer in
};
