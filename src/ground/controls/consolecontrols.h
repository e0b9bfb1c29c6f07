// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class PictureBox;
class CaptionLabel;
class ImageControl;

// Every control of the console by its name. Control arrays keep the indices of
// the console's design: PicOff[1..8], Picture2[1..4], PicBar[1..9],
// Marker[0..8] and Panel[p][i] for label i (1..7) of number panel Label<p> (1..11).
struct ConsoleControls
{
    PictureBox *Picture1 = nullptr;
    PictureBox *Picture3 = nullptr;
    PictureBox *Picture4 = nullptr;
    PictureBox *PicNum = nullptr;
    std::array<PictureBox *, 9> PicOff{};
    std::array<PictureBox *, 5> Picture2{};
    std::array<PictureBox *, 10> PicBar{};
    std::array<PictureBox *, 9> Marker{};
    std::array<std::array<CaptionLabel *, 8>, 12> Panel{};

    CaptionLabel *Label12 = nullptr;
    CaptionLabel *Label13 = nullptr;
    CaptionLabel *Label14 = nullptr;
    CaptionLabel *Label15 = nullptr;
    CaptionLabel *Label16 = nullptr;
    CaptionLabel *Label17 = nullptr;
    CaptionLabel *Bezeichnung6 = nullptr;

    ImageControl *Image1 = nullptr;
    ImageControl *Image2 = nullptr;
    ImageControl *Image3 = nullptr;
    ImageControl *Image4 = nullptr;
    ImageControl *Image5 = nullptr;
    ImageControl *Image6 = nullptr;
    ImageControl *Image7 = nullptr;
    ImageControl *Image8 = nullptr;
    ImageControl *Image9 = nullptr;
    ImageControl *Anzeige1 = nullptr;
    ImageControl *logo = nullptr;
};
