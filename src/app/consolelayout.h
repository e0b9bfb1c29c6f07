// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/consolecontrols.h"

#include <QRectF>
#include <QString>
#include <QVector>

class QWidget;

// The console's controls as data: one row per control with its container,
// twip rectangle, visibility at start and look. Rows of one container are in
// stacking order, top first; labels and images lie below every picture box of
// their container.
namespace ConsoleLayout {

enum class Kind { PictureBox, Label, Image };

struct Row
{
    QString name;
    int index = -1; // -1: not part of a control array
    Kind kind = Kind::PictureBox;
    QString container; // "Form1" for the window itself
    QRectF rect;       // twips
    bool visible = true;
    qint32 backColor = 0;
    qint32 foreColor = 0;
    QString caption;
    QString picture; // artwork name
    QString fontFamily;
    double fontPoints = 0;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool autoSize = false;
    bool handPointer = false;
};

const QVector<Row> &rows();

// Creates every control of the table on the console window.
ConsoleControls build(QWidget *form);

} // namespace ConsoleLayout
