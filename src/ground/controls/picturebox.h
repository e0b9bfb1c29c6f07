// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/twipcontrol.h"

#include <QPixmap>
#include <QVector>

// A windowed rectangle of the console: a flat background colour, optionally a
// picture drawn at its top-left corner at natural size, and any lines of its
// own surface. It can hold other controls.
class PictureBox : public TwipControl
{
    Q_OBJECT
public:
    struct Line
    {
        double x1, y1, x2, y2; // twips
        qint32 color;
    };

    explicit PictureBox(QWidget *container);

    qint32 backColor() const { return backColor_; }
    void setBackColor(qint32 color);

    const QPixmap &picture() const { return picture_; }
    void setPicture(const QPixmap &picture);

    void addLine(const Line &line);

protected:
    void paintEvent(QPaintEvent *event) override;
    void rezoom() override;

private:
    qint32 backColor_ = 0;
    QPixmap picture_;
    QVector<Line> lines_;
};
