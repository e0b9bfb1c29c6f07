// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

#include <array>

// The picture store Images: the four pills that Timer1 shuffles among the
// Picture2 boxes, and the options dialog's button pictures. Each picture is
// loaded once; whoever shows one shows this very pixmap, so pictures can be
// told apart by identity (QPixmap::cacheKey()).
class PictureStore
{
public:
    PictureStore();

    // k = 1 pink, 2 blue, 3 yellow, 4 lavender.
    const QPixmap &lcBut(int k) const { return lcBut_[k]; }
    // i = 0 dark green, 1 teal, 2 red.
    const QPixmap &lcButOK(int i) const { return lcButOK_[i]; }
    const QPixmap &lcButCancel(int i) const { return lcButCancel_[i]; }
    const QPixmap &lcButAbbrechen(int i) const { return lcButAbbrechen_[i]; }

    // Every picture anew at the current zoom.
    void rezoom();

private:
    std::array<QPixmap, 5> lcBut_; // 1..4
    std::array<QPixmap, 3> lcButOK_;
    std::array<QPixmap, 3> lcButCancel_;
    std::array<QPixmap, 3> lcButAbbrechen_;
};
