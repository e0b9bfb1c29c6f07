// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

// A frame drawn as the classic desktop frame: an etched border whose top line
// runs through the middle of the caption's line, and the caption set into
// that line near its left end, so the contents below start clear of both.
class ClassicFrame : public QGroupBox
{
    Q_OBJECT
public:
    ClassicFrame(const QString &caption, QWidget *container);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The caption's place and the top line's row, in pixels of the frame.
    QRect captionRect() const;
    int topLine() const;
};
