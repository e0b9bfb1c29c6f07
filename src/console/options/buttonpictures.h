// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

class PictureBox;
class PictureStore;
class Settings;

// The OK and Cancel picture buttons of the options dialog. A button's state
// is nothing but the picture it shows, one of the three of its set in the
// picture store, told apart by identity. The Cancel set follows the language,
// read from the store whenever it is needed.
class ButtonPictures
{
public:
    enum State { Normal = 0, Highlighted = 1, Pressed = 2, Foreign = -1 };

    ButtonPictures(PictureBox &ok, PictureBox &cancel, const PictureStore &images,
                   const Settings &settings);

    void showNormal();
    void moveOverOK();
    void moveOverCancel();
    void downOnOK();
    void downOnCancel();
    void upOnOK();
    void upOnCancel();
    // The pointer moves over the rest of the dialog.
    void moveOverBackground();

    // Which picture of its set a button shows; Foreign for any other.
    State okState() const;
    State cancelState() const;

private:
    const QPixmap &okPicture(int index) const;
    const QPixmap &cancelPicture(int index) const;
    static State stateOf(const PictureBox &button, const QPixmap &normal,
                         const QPixmap &highlighted, const QPixmap &pressed);

    PictureBox &ok_;
    PictureBox &cancel_;
    const PictureStore &images_;
    const Settings &settings_;
};
