// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/imagecontrol.h"

#include "controls/artwork.h"

#include <QPainter>

ImageControl::ImageControl(QWidget *container) : TwipControl(container) {}

void ImageControl::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void ImageControl::rezoom()
{
    TwipControl::rezoom();
    picture_ = Artwork::rezoomed(picture_);
    update();
}

void ImageControl::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}
