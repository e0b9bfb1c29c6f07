// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/picturebox.h"

#include "controls/artwork.h"
#include "controls/colorvalue.h"
#include "controls/twips.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *container) : TwipControl(container)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(qint32 color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    update();
}

void PictureBox::setPicture(const QPixmap &picture)
{
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    update();
}

void PictureBox::addLine(const Line &line)
{
    lines_.append(line);
    update();
}

void PictureBox::rezoom()
{
    TwipControl::rezoom();
    picture_ = Artwork::rezoomed(picture_);
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), ColorValue::toQColor(backColor_));
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
    for (const Line &line : lines_) {
        const QPoint from = Twips::toPixels(QPointF(line.x1, line.y1));
        const QPoint to = Twips::toPixels(QPointF(line.x2, line.y2));
        if (!event->rect().intersects(QRect(from, to).normalized().adjusted(0, 0, 1, 1)))
            continue;
        painter.setPen(QPen(ColorValue::toQColor(line.color), 0));
        painter.drawLine(from, to);
    }
}
