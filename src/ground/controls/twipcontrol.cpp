// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/twipcontrol.h"

#include "controls/artwork.h"
#include "controls/twips.h"

#include <QMouseEvent>

TwipControl::TwipControl(QWidget *container) : QWidget(container) {}

void TwipControl::setTwipLeft(double left)
{
    if (left == geometry_.left())
        return;
    geometry_.moveLeft(left);
    place(false);
}

void TwipControl::setTwipTop(double top)
{
    if (top == geometry_.top())
        return;
    geometry_.moveTop(top);
    place(false);
}

void TwipControl::setTwipWidth(double width)
{
    if (width == geometry_.width())
        return;
    geometry_.setWidth(width);
    place(true);
}

void TwipControl::setTwipHeight(double height)
{
    if (height == geometry_.height())
        return;
    geometry_.setHeight(height);
    place(true);
}

void TwipControl::setTwipGeometry(const QRectF &geometry)
{
    const bool sizeChanged = geometry.size() != geometry_.size();
    geometry_ = geometry;
    place(sizeChanged);
}

void TwipControl::place(bool sizeChanged)
{
    setGeometry(Twips::toPixels(geometry_));
    if (sizeChanged)
        emit twipResized();
}

void TwipControl::rezoom()
{
    setGeometry(Twips::toPixels(geometry_));
    // The pointing hand is the one picture among the pointer shapes.
    if (testAttribute(Qt::WA_SetCursor) && cursor().shape() == Qt::BitmapCursor)
        setCursor(Artwork::handCursor());
}

void TwipControl::rezoomAll(QWidget *root)
{
    for (TwipControl *control : root->findChildren<TwipControl *>())
        control->rezoom();
}

static QPointF twipsOf(const QMouseEvent *event)
{
    return Twips::fromPixels(event->position());
}

void TwipControl::mousePressEvent(QMouseEvent *event)
{
    pressedInside_ = event->button() == Qt::LeftButton;
    emit pressed(event->button(), twipsOf(event));
}

void TwipControl::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event->buttons(), twipsOf(event));
}

void TwipControl::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        event->button() == Qt::LeftButton && pressedInside_ && rect().contains(event->pos());
    pressedInside_ = false;
    emit released(event->button(), twipsOf(event));
    if (click)
        emit clicked();
}
