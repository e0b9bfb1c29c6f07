// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/picturestore.h"

#include "controls/artwork.h"

PictureStore::PictureStore()
{
    const char *pills[] = {"pill_pink", "pill_blue", "pill_yellow", "pill_lavender"};
    for (int k = 1; k <= 4; ++k)
        lcBut_[k] = Artwork::picture(QString::fromLatin1(pills[k - 1]));
    for (int i = 0; i <= 2; ++i) {
        lcButOK_[i] = Artwork::picture(QStringLiteral("button_ok_%1").arg(i));
        lcButCancel_[i] = Artwork::picture(QStringLiteral("button_cancel_%1").arg(i));
        lcButAbbrechen_[i] = Artwork::picture(QStringLiteral("button_abbrechen_%1").arg(i));
    }
}

void PictureStore::rezoom()
{
    for (QPixmap &picture : lcBut_)
        picture = Artwork::rezoomed(picture);
    for (auto *group : {&lcButOK_, &lcButCancel_, &lcButAbbrechen_})
        for (QPixmap &picture : *group)
            picture = Artwork::rezoomed(picture);
}
