// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CaptionLabel;
class CheckBox;
class ImageControl;
class OptionButton;
class PictureBox;
class QGroupBox;
class QPushButton;
class QScrollBar;

// Every control of the options dialog Form2 by its name.
struct OptionsControls
{
    CaptionLabel *Label1 = nullptr;
    PictureBox *Picture1 = nullptr;
    PictureBox *Picture2 = nullptr;

    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QGroupBox *Frame4 = nullptr;
    CaptionLabel *Label2 = nullptr;
    CaptionLabel *Label3 = nullptr;
    CaptionLabel *Label4 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QScrollBar *HScroll2 = nullptr;
    CheckBox *Check1 = nullptr;
    CheckBox *Check2 = nullptr;
    OptionButton *Option1 = nullptr;
    OptionButton *Option2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;

    PictureBox *PicBut = nullptr;
    PictureBox *LabelOK = nullptr;
    PictureBox *LabelCancel = nullptr;

    PictureBox *PicInfo = nullptr;
    ImageControl *Image1 = nullptr;
    CaptionLabel *lblTitle = nullptr;
    CaptionLabel *lblVersion = nullptr;
    CaptionLabel *Label6 = nullptr;
    CaptionLabel *lblDescription = nullptr;
    CaptionLabel *Label5 = nullptr;
};
