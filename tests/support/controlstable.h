// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/captionlabel.h"
#include "controls/colorvalue.h"
#include "controls/picturebox.h"

#include <QMetaEnum>

// Every control of a window as built, one line each and indented under its
// container, in stacking order (a later line lies above an earlier one): its
// place in twips (Qt's own widgets: in pixels), whether it shows, its pointer
// and its colours, font and caption, and last its role. Compared with a
// reviewed reference, it holds the window's design to the twip and the colour
// level, hidden controls and covered colours included, where a picture shows
// only what lies on top.
inline QString controlsTable(const QWidget *window, int depth = 0)
{
    const QHash<int, const char *> sides{
        {Qt::AlignLeft, "left"}, {Qt::AlignRight, "right"}, {Qt::AlignHCenter, "center"}};
    const QMetaEnum shapes = QMetaEnum::fromType<Qt::CursorShape>();
    QString out;
    for (const QObject *child : window->children()) {
        const auto *w = qobject_cast<const QWidget *>(child);
        const auto *control = qobject_cast<const TwipControl *>(child);
        if (!w)
            continue;
        const QRectF at = control ? control->twipGeometry() : QRectF(w->geometry());
        QString line =
            QString(2 * depth, ' ') + w->metaObject()->className() + ' ' + w->objectName() +
            QString::asprintf(" %s %g,%g %gx%g%s%s", control ? "at" : "px", at.left(), at.top(),
                              at.width(), at.height(), w->isHidden() ? " hidden" : "",
                              w->isEnabled() ? "" : " disabled");
        if (w->testAttribute(Qt::WA_SetCursor))
            line += QString::asprintf(" cursor %s, hot spot %d,%d",
                                      shapes.valueToKey(w->cursor().shape()),
                                      w->cursor().hotSpot().x(), w->cursor().hotSpot().y());
        if (const auto *box = qobject_cast<const PictureBox *>(w))
            line += " back " + ColorValue::toQColor(box->backColor()).name();
        if (const auto *label = qobject_cast<const CaptionLabel *>(w)) {
            const QFont font = label->labelFont();
            line += " fore " + ColorValue::toQColor(label->foreColor()).name() +
                    QString::asprintf(" %s %dpx%s%s align %s%s%s \"%s\"", qPrintable(font.family()),
                                      font.pixelSize(), font.bold() ? " bold" : "",
                                      font.italic() ? " italic" : "",
                                      sides.value(int(label->alignment()), "other"),
                                      label->wordWrap() ? " wrap" : "",
                                      label->autoSize() ? " autosize" : "",
                                      qPrintable(label->caption().replace('\r', "\\r")));
        }
        if (!w->accessibleDescription().isEmpty())
            line += " -- " + w->accessibleDescription();
        out += line + '\n' + controlsTable(w, depth + 1);
    }
    return out;
}
