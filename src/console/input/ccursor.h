// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class PointerService;
class QScreen;
class QWidget;

// The mouse pointer as the console sees it: its position in screen pixels,
// moving it onto a control, confining it, and its visibility. Positions are
// read from and written to the platform at every call; only the visibility
// flag is kept, as the last value given to Visible.
class cCursor
{
public:
    explicit cCursor(PointerService &pointer);

    qint32 X() const;
    void setX(qint32 value);
    qint32 Y() const;
    void setY(qint32 value);

    // Moves the pointer to the centre of ctl.
    void SnapTo(const QWidget *ctl);
    // Confines the pointer to a form (a window) or to a control.
    void ClipTo(const QWidget *ToCtl);
    // Confines the pointer to the screen.
    void ClipTo(const QScreen *screen);

    bool Visible() const { return visible_; }
    void setVisible(bool visible);

private:
    PointerService &pointer_;
    bool visible_ = true;
};
