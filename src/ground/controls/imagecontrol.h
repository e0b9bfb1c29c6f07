// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/twipcontrol.h"

#include <QPixmap>

// A windowless image: either an invisible click area over the artwork, or a
// picture stretched to the control's size.
class ImageControl : public TwipControl
{
    Q_OBJECT
public:
    explicit ImageControl(QWidget *container);

    void setPicture(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;
    void rezoom() override;

private:
    QPixmap picture_;
};
