// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRadioButton>

// An option button whose caption wraps within its width.
class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit OptionButton(QWidget *container);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};
