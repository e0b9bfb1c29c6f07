// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/ccursor.h"

#include "services/pointerservice.h"

#include <QScreen>
#include <QWidget>

cCursor::cCursor(PointerService &pointer) : pointer_(pointer) {}

qint32 cCursor::X() const
{
    return pointer_.position().x();
}

void cCursor::setX(qint32 value)
{
    pointer_.moveTo(QPoint(value, pointer_.position().y()));
}

qint32 cCursor::Y() const
{
    return pointer_.position().y();
}

void cCursor::setY(qint32 value)
{
    pointer_.moveTo(QPoint(pointer_.position().x(), value));
}

void cCursor::SnapTo(const QWidget *ctl)
{
    const QPoint origin = ctl->mapToGlobal(QPoint(0, 0));
    pointer_.moveTo(origin + QPoint(ctl->width() / 2, ctl->height() / 2));
}

// Window positions are kept in whole pixels, which are whole multiples of 15
// twips, so the rectangles need no conversion through twips.
void cCursor::ClipTo(const QWidget *ToCtl)
{
    // Without a control the rectangle stays empty and is applied as it is.
    QRect area;
    if (ToCtl && ToCtl->isWindow())
        area = ToCtl->frameGeometry();
    else if (ToCtl)
        area = QRect(ToCtl->mapToGlobal(QPoint(0, 0)), ToCtl->size());
    pointer_.confine(area);
}

void cCursor::ClipTo(const QScreen *screen)
{
    pointer_.confine(QRect(QPoint(0, 0), screen->geometry().size()));
}

void cCursor::setVisible(bool visible)
{
    visible_ = visible;
    pointer_.showCursor(visible);
}
