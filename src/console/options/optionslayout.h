// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/optionscontrols.h"

#include <QRectF>
#include <QString>
#include <QVector>

class QWidget;

// The options dialog's controls as data: one row per control with its
// container, twip rectangle, German caption of the layout and the English
// caption that replaces it. Rows are in creation order: containers before
// their contents, and within a container the later row lies on top, so
// windowless labels and images come first.
namespace OptionsLayout {

enum class Kind { Label, PictureBox, Image, Frame, CheckBox, OptionButton, ScrollBar, PushButton };

struct Row
{
    QString name;
    Kind kind = Kind::Label;
    QString container; // "Form2" for the dialog itself
    QRectF rect;       // twips
    QString german;
    QString english; // empty: the same in both languages, or set by a handler
    bool visible = true;
    bool enabled = true;
    QString picture;
    qint32 backColor = 0;
    // Labels: font, text colour, alignment; wrapped unless sized to the text.
    QString fontFamily;
    double fontPoints = 0;
    bool bold = false;
    bool italic = false;
    qint32 foreColor = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool autoSize = false;
    bool wrap = true;
    // Scroll bars.
    int min = 0, max = 0, value = 0;
};

// The dialog's size in twips.
constexpr double Width = 6195;
constexpr double Height = 4440;

const QVector<Row> &rows();

// Creates every control of the table on the dialog, in its colours and fonts.
OptionsControls build(QWidget *form);
// Replaces the caption of every control that has an English one.
void applyEnglish(QWidget *form);

} // namespace OptionsLayout
