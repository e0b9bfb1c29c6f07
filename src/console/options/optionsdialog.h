// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/buttonpictures.h"
#include "options/optionscontext.h"
#include "options/optionscontrols.h"

#include <QDialog>
#include <QSet>

// The options dialog Form2: a borderless black window that edits the bar
// animation, the alert colouring, the blank screen and the bar colours, with
// an info page over the same window. It is built and loaded from the stored
// settings on every opening and destroyed when it closes; only OK stores.
//
// Key preview: the dialog's key table sees every key before the control that
// has the focus, so Enter and Esc never reach Qt's own dialog keys.
class OptionsDialog : public QDialog
{
    Q_OBJECT
public:
    OptionsDialog(const OptionsContext &context, QWidget *parent = nullptr);

    OptionsControls &controls() { return c_; }
    ButtonPictures &pictures() { return pictures_; }
    QString newFirstBar() const { return NewFirstBar; }
    QString newLastBar() const { return NewLastBar; }

    // Shows the info page alone, modally; OK, Enter or Esc close the dialog.
    void ExtInfo();

    void hScroll1Change();
    void hScroll2Change();
    void check1Click();
    void check2Click();
    void command1Click();
    void command2Click();
    void command3Click();
    void labelOKClick();
    void labelCancelClick();
    void picture1Click();
    void picture2Click();
    // The key table; true when the key did something.
    bool form2KeyDown(int key, int shift);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load();
    void ApplyEnglishOptionsCaptions();
    void showInfoPage();
    void setTitle(const QString &caption);
    bool english() const;
    bool infoShown() const;
    void connectHandlers();
    void watchInput();
    void label1Down(Qt::MouseButton button, QPointF twips);
    void label1Move(Qt::MouseButtons buttons, QPointF twips);

    OptionsContext ctx_;
    OptionsControls c_;
    ButtonPictures pictures_;
    QString NewFirstBar;
    QString NewLastBar;
    double TitleDragX = 0;
    double TitleDragY = 0;
    // Pointer movement over these turns both buttons normal.
    QSet<QObject *> background_;
};
