// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/consolelayout.h"

#include "controls/artwork.h"
#include "controls/captionlabel.h"
#include "controls/colorvalue.h"
#include "controls/fontstandins.h"
#include "controls/imagecontrol.h"
#include "controls/picturebox.h"
#include "settings/captions.h"

#include <QHash>
#include <QWidget>

#include <algorithm>

namespace ConsoleLayout {

namespace {

using ColorValue::Black;
using ColorValue::rgb;

Row box(const QString &name, int index, const QString &container, QRectF rect, bool visible,
        qint32 back, const QString &picture = {}, bool hand = false)
{
    Row row;
    row.name = name;
    row.index = index;
    row.kind = Kind::PictureBox;
    row.container = container;
    row.rect = rect;
    row.visible = visible;
    row.backColor = back;
    row.picture = picture;
    row.handPointer = hand;
    return row;
}

Row image(const QString &name, const QString &container, QRectF rect, bool visible,
          bool hand = false, const QString &picture = {})
{
    Row row;
    row.name = name;
    row.kind = Kind::Image;
    row.container = container;
    row.rect = rect;
    row.visible = visible;
    row.handPointer = hand;
    row.picture = picture;
    return row;
}

Row label(const QString &name, int index, const QString &container, QRectF rect, bool visible,
          const QString &caption, const QString &family, double points, bool bold,
          Qt::Alignment alignment, qint32 fore, bool autoSize = false)
{
    Row row;
    row.name = name;
    row.index = index;
    row.kind = Kind::Label;
    row.container = container;
    row.rect = rect;
    row.visible = visible;
    row.caption = caption;
    row.fontFamily = family;
    row.fontPoints = points;
    row.bold = bold;
    row.alignment = alignment;
    row.foreColor = fore;
    row.autoSize = autoSize;
    return row;
}

// A caption of the left column: black Arial 9.75 pt, right-aligned.
Row button(const QString &name, QRectF rect, bool visible, const QString &caption,
           bool autoSize = false)
{
    return label(name, -1, "Picture1", rect, visible, caption, "Arial", 9.75, false, Qt::AlignRight,
                 Black, autoSize);
}

struct Panel
{
    double left;
    double width;
    Qt::Alignment alignment;
    QString designCaption;
};

void addNumberPanels(QVector<Row> &table)
{
    const Panel panels[] = {
        {120, 495, Qt::AlignRight, "657"},  {520, 375, Qt::AlignRight, "657"},
        {940, 495, Qt::AlignRight, "657"},  {1480, 255, Qt::AlignRight, "657"},
        {1850, 255, Qt::AlignRight, "657"}, {2200, 255, Qt::AlignRight, "657"},
        {2520, 495, Qt::AlignRight, "657"}, {3050, 255, Qt::AlignRight, "65"},
        {3400, 255, Qt::AlignRight, "65"},  {3760, 375, Qt::AlignRight, "657"},
        {4240, 1695, Qt::AlignLeft, "657"},
    };
    for (int p = 1; p <= 11; ++p) {
        const Panel &panel = panels[p - 1];
        for (int i = 1; i <= 7; ++i)
            table.append(label(QStringLiteral("Label%1").arg(p), i, "PicNum",
                               {panel.left, 240.0 * (i - 1), panel.width, 255}, true,
                               panel.designCaption, "TrekCon2", 10.5, false, panel.alignment,
                               ColorValue::White));
    }
}

void addBars(QVector<Row> &table)
{
    struct Bar
    {
        int index;
        double top, height;
        qint32 color;
    };
    const Bar bars[] = {
        {9, 3975, 420, rgb(0, 0, 255)},   {8, 3510, 420, rgb(128, 128, 255)},
        {7, 3045, 420, rgb(192, 0, 192)}, {4, 1635, 420, rgb(128, 255, 255)},
        {5, 2100, 430, rgb(192, 0, 192)}, {6, 2580, 420, rgb(128, 0, 128)},
        {3, 1170, 420, rgb(128, 128, 0)}, {2, 705, 420, rgb(128, 128, 0)},
        {1, 240, 420, rgb(128, 128, 0)},
    };
    for (const Bar &bar : bars)
        table.append(
            box("PicBar", bar.index, "Picture3", {0, bar.top, 255, bar.height}, true, bar.color));
    for (int i = 1; i <= 9; ++i)
        table.append(box("Marker", i - 1, QStringLiteral("PicBar(%1)").arg(i), {150, 0, 105, 615},
                         true, ColorValue::White));
}

QVector<Row> makeTable()
{
    QVector<Row> t;
    // The window itself, top first.
    t << box("Picture4", -1, "Form1", {0, 0, 12135, 7935}, false, Black)
      << box("Picture1", -1, "Form1", {0, 120, 12000, 8310}, true, rgb(255, 255, 255), "console");

    // The console artwork and everything laid over it.
    t << box("PicOff", 8, "Picture1", {2040, 720, 6015, 1815}, false, Black)
      << box("PicOff", 7, "Picture1", {8160, 840, 3855, 1695}, false, Black)
      << box("PicOff", 6, "Picture1", {7080, 0, 4935, 735}, false, Black)
      << box("PicOff", 5, "Picture1", {1920, 2520, 10095, 735}, false, Black)
      << box("PicOff", 4, "Picture1", {0, 2880, 1935, 1935}, false, Black)
      << box("PicOff", 3, "Picture1", {0, 1320, 1935, 1575}, false, Black)
      << box("PicOff", 2, "Picture1", {0, 4800, 1695, 3015}, false, Black)
      << box("PicOff", 1, "Picture1", {0, 0, 1695, 1335}, false, Black)
      << box("PicNum", -1, "Picture1", {1920, 840, 6135, 1680}, true, Black)
      << box("Picture3", -1, "Picture1", {1800, 3240, 10215, 4575}, false, Black)
      << box("Picture2", 1, "Picture1", {8200, 970, 1770, 645}, true, Black, "pill_pink", true)
      << box("Picture2", 2, "Picture1", {10200, 970, 1770, 645}, true, Black, "pill_yellow", true)
      << box("Picture2", 3, "Picture1", {8200, 1710, 1770, 645}, true, Black, "pill_blue")
      << box("Picture2", 4, "Picture1", {10200, 1710, 1770, 645}, true, Black, "pill_lavender")
      << button("Label17", {750, 6810, 780, 240}, true, Captions::OptionsGerman)
      << image("Image9", "Picture1", {90, 6690, 1500, 375}, true)
      << image("Image8", "Picture1", {11370, 2550, 585, 255}, true, true)
      << image("Image6", "Picture1", {90, 6210, 1500, 390}, false)
      << button("Label16", {1020, 6345, 510, 240}, false, Captions::Reset)
      << button("Label15", {615, 5175, 915, 240}, true, Captions::PowerOffGerman, true)
      << image("Image7", "Picture1", {90, 4830, 1500, 615}, true)
      << image("Image4", "Picture1", {11370, 2880, 585, 255}, true, true)
      << image("Image3", "Picture1", {6240, 2880, 1635, 135}, true, true)
      << image("Image2", "Picture1", {5610, 2880, 585, 255}, true, true)
      << image("Image1", "Picture1", {90, 5535, 1500, 615}, false)
      << button("Label12", {1110, 5880, 420, 240}, false, Captions::Start)
      << button("Bezeichnung6", {600, 7480, 930, 240}, true, Captions::EndGerman)
      << image("Anzeige1", "Picture1", {90, 7140, 1515, 585}, true)
      << image("logo", "Picture1", {4560, 3840, 4530, 3330}, false, false, "logo_large");

    addNumberPanels(t);
    addBars(t);

    // The blank screen.
    const qint32 orange = rgb(255, 128, 0);
    t << image("Image5", "Picture4", {3360, 960, 5535, 4260}, true, false, "logo_small")
      << label("Label14", -1, "Picture4", {0, 6000, 12045, 720}, true, Captions::Stardate,
               "Trek TNG Monitors", 24, false, Qt::AlignHCenter, orange)
      << label("Label13", -1, "Picture4", {60, 5280, 12045, 720}, true, Captions::Federation,
               "Federation", 26.25, true, Qt::AlignHCenter, orange);
    return t;
}

QString keyOf(const Row &row)
{
    return row.index < 0 ? row.name : QStringLiteral("%1(%2)").arg(row.name).arg(row.index);
}

TwipControl *create(const Row &row, QWidget *container, const QCursor &hand)
{
    TwipControl *control = nullptr;
    switch (row.kind) {
    case Kind::PictureBox: {
        auto *pictureBox = new PictureBox(container);
        pictureBox->setBackColor(row.backColor);
        if (!row.picture.isEmpty())
            pictureBox->setPicture(Artwork::picture(row.picture));
        control = pictureBox;
        break;
    }
    case Kind::Label: {
        auto *caption = new CaptionLabel(container);
        caption->setLabelFont(FontStandIns::font(row.fontFamily, row.fontPoints, row.bold));
        caption->setAlignment(row.alignment);
        caption->setForeColor(row.foreColor);
        caption->setCaption(row.caption);
        control = caption;
        break;
    }
    case Kind::Image: {
        auto *area = new ImageControl(container);
        if (!row.picture.isEmpty())
            area->setPicture(Artwork::picture(row.picture));
        control = area;
        break;
    }
    }
    control->setObjectName(keyOf(row));
    control->setTwipGeometry(row.rect);
    if (row.kind == Kind::Label)
        static_cast<CaptionLabel *>(control)->setAutoSize(row.autoSize);
    if (row.handPointer)
        control->setCursor(hand);
    control->setVisible(row.visible);
    return control;
}

template <typename T> T *as(QHash<QString, TwipControl *> &made, const QString &key)
{
    return static_cast<T *>(made.value(key));
}

} // namespace

const QVector<Row> &rows()
{
    static const QVector<Row> table = makeTable();
    return table;
}

ConsoleControls build(QWidget *form)
{
    QHash<QString, TwipControl *> made;
    // One pointing hand for every control that shows it, rendered once.
    const QCursor hand = Artwork::handCursor();
    // Containers before their contents; within a container the later-made
    // control lies on top, so labels and images are made first, and both
    // groups from the bottom of the table up.
    QVector<QString> containers{"Form1"};
    for (int c = 0; c < containers.size(); ++c) {
        const QString container = containers[c];
        QWidget *parent = container == "Form1" ? form : made.value(container);
        QVector<const Row *> order;
        for (const Row &row : rows())
            if (row.container == container && row.kind != Kind::PictureBox)
                order.prepend(&row);
        QVector<const Row *> boxes;
        for (const Row &row : rows())
            if (row.container == container && row.kind == Kind::PictureBox)
                boxes.prepend(&row);
        order += boxes;
        for (const Row *row : order) {
            made.insert(keyOf(*row), create(*row, parent, hand));
            if (row->kind == Kind::PictureBox)
                containers.append(keyOf(*row));
        }
    }

    ConsoleControls c;
    c.Picture1 = as<PictureBox>(made, "Picture1");
    c.Picture3 = as<PictureBox>(made, "Picture3");
    c.Picture4 = as<PictureBox>(made, "Picture4");
    c.PicNum = as<PictureBox>(made, "PicNum");
    for (int i = 1; i <= 8; ++i)
        c.PicOff[i] = as<PictureBox>(made, QStringLiteral("PicOff(%1)").arg(i));
    for (int i = 1; i <= 4; ++i)
        c.Picture2[i] = as<PictureBox>(made, QStringLiteral("Picture2(%1)").arg(i));
    for (int i = 1; i <= 9; ++i) {
        c.PicBar[i] = as<PictureBox>(made, QStringLiteral("PicBar(%1)").arg(i));
        c.Marker[i - 1] = as<PictureBox>(made, QStringLiteral("Marker(%1)").arg(i - 1));
    }
    for (int p = 1; p <= 11; ++p)
        for (int i = 1; i <= 7; ++i)
            c.Panel[p][i] = as<CaptionLabel>(made, QStringLiteral("Label%1(%2)").arg(p).arg(i));
    c.Label12 = as<CaptionLabel>(made, "Label12");
    c.Label13 = as<CaptionLabel>(made, "Label13");
    c.Label14 = as<CaptionLabel>(made, "Label14");
    c.Label15 = as<CaptionLabel>(made, "Label15");
    c.Label16 = as<CaptionLabel>(made, "Label16");
    c.Label17 = as<CaptionLabel>(made, "Label17");
    c.Bezeichnung6 = as<CaptionLabel>(made, "Bezeichnung6");
    c.Image1 = as<ImageControl>(made, "Image1");
    c.Image2 = as<ImageControl>(made, "Image2");
    c.Image3 = as<ImageControl>(made, "Image3");
    c.Image4 = as<ImageControl>(made, "Image4");
    c.Image5 = as<ImageControl>(made, "Image5");
    c.Image6 = as<ImageControl>(made, "Image6");
    c.Image7 = as<ImageControl>(made, "Image7");
    c.Image8 = as<ImageControl>(made, "Image8");
    c.Image9 = as<ImageControl>(made, "Image9");
    c.Anzeige1 = as<ImageControl>(made, "Anzeige1");
    c.logo = as<ImageControl>(made, "logo");

    // The grid of the bar graph, drawn on its panel below the bars.
    const double rowsY[] = {210, 680, 1140, 1605, 2070, 2550, 3010, 3480, 3950, 4410};
    const double columnsX[] = {0, 1250, 2500, 3750, 5000, 6250, 7500, 8745, 10000};
    for (double y : rowsY)
        c.Picture3->addLine({0, y, 10000, y, ColorValue::Cyan});
    for (double x : columnsX)
        c.Picture3->addLine({x, 210, x, 4410, ColorValue::Cyan});
    return c;
}

} // namespace ConsoleLayout
