// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/buttoncaption.h"

#include "controls/twips.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace ButtonCaption {

namespace {
constexpr int Side = 13;
constexpr int Gap = 4;
} // namespace

void paint(QAbstractButton *button, Indicator indicator)
{
    QPainter painter(button);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = button->palette().color(
        button->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    // The indicator is drawn at zoom 1 and scaled with the rest of the dialog.
    const double zoom = Twips::zoom();
    painter.save();
    // The indicator sits on a whole pixel, so its lines stay sharp.
    const int top = (button->height() - int(std::lround(Side * zoom))) / 2;
    painter.translate(0, top);
    painter.scale(zoom, zoom);
    const QRectF box(0.5, 0.5, Side - 1, Side - 1);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    if (indicator == Indicator::Square) {
        painter.drawRect(box);
        if (button->isChecked()) {
            QPainterPath tick;
            tick.moveTo(box.left() + 2.5, box.center().y());
            tick.lineTo(box.left() + 5, box.bottom() - 3);
            tick.lineTo(box.right() - 2.5, box.top() + 3);
            painter.setPen(QPen(ink, 2));
            painter.drawPath(tick);
        }
    } else {
        painter.drawEllipse(box);
        if (button->isChecked()) {
            painter.setBrush(ink);
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(box.center(), 2.5, 2.5);
        }
    }
    painter.restore();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(ink);
    const QRect text = button->rect().adjusted(int(std::lround((Side + Gap) * zoom)), 0, 0, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    painter.drawText(text, flags, button->text());
    // The focus cue rings the caption, as on classic buttons, inside the button.
    if (button->hasFocus()) {
        painter.setPen(QPen(ink, 1, Qt::DotLine));
        const QRect ring = painter.boundingRect(text, flags, button->text()).adjusted(-2, -1, 1, 0);
        painter.drawRect(ring.intersected(button->rect().adjusted(0, 0, -1, -1)));
    }
}

} // namespace ButtonCaption
