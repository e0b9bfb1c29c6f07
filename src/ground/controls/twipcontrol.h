// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QWidget>

// Base of the console's controls: a widget whose position and size are kept
// exactly in twips, relative to its container, and which reports clicks and
// pointer activity in twips.
class TwipControl : public QWidget
{
    Q_OBJECT
public:
    explicit TwipControl(QWidget *container);

    double twipLeft() const { return geometry_.left(); }
    double twipTop() const { return geometry_.top(); }
    double twipWidth() const { return geometry_.width(); }
    double twipHeight() const { return geometry_.height(); }
    QRectF twipGeometry() const { return geometry_; }

    void setTwipLeft(double left);
    void setTwipTop(double top);
    void setTwipWidth(double width);
    void setTwipHeight(double height);
    void setTwipGeometry(const QRectF &geometry);

    // Places every control under the widget anew at the current zoom.
    static void rezoomAll(QWidget *root);

signals:
    void clicked();
    void pressed(Qt::MouseButton button, QPointF twips);
    void moved(Qt::MouseButtons buttons, QPointF twips);
    void released(Qt::MouseButton button, QPointF twips);
    // Emitted after every change of the width or height, as a resize event would be.
    void twipResized();

protected:
    // Called after a change of the zoom: the control is placed anew; a control
    // with pictures or text brings them to the new size.
    virtual void rezoom();

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void place(bool sizeChanged);

    QRectF geometry_;
    bool pressedInside_ = false;
};
