// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/optionslayout.h"

#include "controls/artwork.h"
#include "controls/captionlabel.h"
#include "controls/checkbox.h"
#include "controls/colorvalue.h"
#include "controls/fontstandins.h"
#include "controls/imagecontrol.h"
#include "controls/optionbutton.h"
#include "controls/picturebox.h"
#include "controls/twips.h"
#include "controls/zoomstyle.h"
#include "options/classicframe.h"
#include "options/infotexts.h"

#include <QGroupBox>
#include <QHash>
#include <QPushButton>
#include <QScrollBar>

namespace OptionsLayout {

namespace {

using ColorValue::Black;
using ColorValue::rgb;

constexpr qint32 Cyan = rgb(0, 192, 192);
constexpr qint32 DimCyan = rgb(0, 96, 96);
constexpr qint32 Grey = rgb(128, 128, 128);

Row control(const QString &name, Kind kind, const QString &container, QRectF rect,
            const QString &german = {}, const QString &english = {})
{
    Row row;
    row.name = name;
    row.kind = kind;
    row.container = container;
    row.rect = rect;
    row.german = german;
    row.english = english;
    return row;
}

Row label(const QString &name, const QString &container, QRectF rect, const QString &german = {},
          const QString &english = {})
{
    Row row = control(name, Kind::Label, container, rect, german, english);
    row.fontFamily = QStringLiteral("MS Sans Serif");
    row.fontPoints = 8.25;
    row.foreColor = Cyan;
    return row;
}

Row styled(Row row, const QString &family, double points, bool bold, bool italic = false)
{
    row.fontFamily = family;
    row.fontPoints = points;
    row.bold = bold;
    row.italic = italic;
    return row;
}

Row sizedToText(Row row)
{
    row.autoSize = true;
    row.wrap = false;
    return row;
}

Row centred(Row row)
{
    row.alignment = Qt::AlignHCenter;
    return row;
}

Row box(const QString &name, const QString &container, QRectF rect, qint32 back,
        const QString &picture = {})
{
    Row row = control(name, Kind::PictureBox, container, rect);
    row.backColor = back;
    row.picture = picture;
    return row;
}

Row scrollBar(const QString &name, const QString &container, QRectF rect, int min, int max,
              int value)
{
    Row row = control(name, Kind::ScrollBar, container, rect);
    row.min = min;
    row.max = max;
    row.value = value;
    return row;
}

QVector<Row> makeTable()
{
    QVector<Row> t;
    Row title =
        styled(centred(label("Label1", "Form2", {600, 120, 4970, 450}, "Optionen", "Options")),
               "Trek TNG Monitors", 15.75, true);
    title.foreColor = Black;
    title.wrap = false;
    Row back = box("Picture2", "Form2", {75, 120, 450, 450}, Black, "endcap_left");
    back.enabled = false;
    t << title << back << box("Picture1", "Form2", {5640, 120, 450, 450}, Black, "endcap_right");

    t << control("Frame2", Kind::Frame, "Form2", {600, 720, 1575, 1815}, "Animationsgesch.",
                 "Animation's")
      << label("Label3", "Frame2", {120, 240, 1335, 855},
               "Stellen sie hier die Animations- geschwindigkeit der Balken ein.",
               "Here you can change the Speed for the Animation's of the bars.")
      << centred(label("Label2", "Frame2", {120, 1520, 1335, 195}))
      << scrollBar("HScroll1", "Frame2", {120, 1200, 1335, 255}, -1, 3, 0);

    t << control("Frame3", Kind::Frame, "Form2", {2280, 720, 1695, 1815}, "Balken", "Bars")
      << control("Check1", Kind::CheckBox, "Frame3", {120, 360, 1215, 375}, "Balken rot &färben",
                 "&Turn bars red")
      << control("Option1", Kind::OptionButton, "Frame3", {120, 840, 1455, 375},
                 "Nur im &hinteren Achtel", "Only within the l&ast eigth.")
      << control("Option2", Kind::OptionButton, "Frame3", {120, 1320, 1455, 375},
                 "Im hinteren &und vorderen Achtel", "Within the f&irst and last eigth.");

    t << control("Frame1", Kind::Frame, "Form2", {4080, 720, 1455, 1815}, "Standby")
      << control("Check2", Kind::CheckBox, "Frame1", {120, 240, 1215, 1065},
                 "&Schwarzer Schirm mit Federations- logo nach")
      << scrollBar("HScroll2", "Frame1", {120, 1320, 1215, 255}, 1, 10, 5);

    t << control("Frame4", Kind::Frame, "Form2", {600, 2540, 4935, 1095}, "Balkenfarbe",
                 "Color of the bars")
      << label("Label4", "Frame4", {120, 240, 4695, 375},
               "Hier können sie die Farbe des ersten und letzten Balkens einstellen. Die "
               "Zwischenfarben werden automatisch berechnet.",
               "Here you can change the color of the first and last bar. The colors between them "
               "will be calculated automatically.")
      << control("Command1", Kind::PushButton, "Frame4", {240, 720, 1335, 270}, "&Erster Balken",
                 "&First bar")
      << control("Command2", Kind::PushButton, "Frame4", {1800, 720, 1335, 270}, "&Letzter Balken",
                 "&Last bar")
      << control("Command3", Kind::PushButton, "Frame4", {3360, 720, 1335, 270}, "&Reset");

    t << box("PicBut", "Form2", {240, 3720, 5655, 735}, Black)
      << box("LabelOK", "PicBut", {360, 120, 1800, 450}, Grey)
      << box("LabelCancel", "PicBut", {3480, 120, 1800, 450}, Grey);

    // The info page, hidden until an end cap or the console asks for it. Its
    // text colours are set when the dialog loads.
    Row info = box("PicInfo", "Form2", {600, 720, 4935, 3015}, Black);
    info.visible = false;
    Row picture = control("Image1", Kind::Image, "PicInfo", {240, 240, 1185, 780});
    picture.picture = QStringLiteral("info_picture");
    const Row description = label("lblDescription", "PicInfo", {240, 1200, 4485, 1170},
                                  InfoTexts::descriptionGerman(), InfoTexts::descriptionEnglish());
    t << info << picture
      << sizedToText(styled(label("lblTitle", "PicInfo", {1680, 240, 2820, 300}, InfoTexts::Title),
                            "Arial", 12.75, true))
      << styled(label("lblVersion", "PicInfo", {1680, 650, 3885, 225}), "MS Sans Serif", 8.25, true)
      << sizedToText(styled(label("Label6", "PicInfo", {1680, 840, 2820, 300}), "Arial", 6, true))
      << description
      << styled(label("Label5", "PicInfo", {240, 2400, 4485, 450}, InfoTexts::Author),
                "Brush Script MT", 24, true, true);
    return t;
}

QPalette dialogPalette(QPalette palette)
{
    const QColor cyan = ColorValue::toQColor(Cyan);
    const QColor dim = ColorValue::toQColor(DimCyan);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base,
                                     QPalette::AlternateBase, QPalette::Shadow})
        palette.setColor(role, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text,
                                     QPalette::Light, QPalette::Highlight, QPalette::BrightText})
        palette.setColor(role, cyan);
    for (QPalette::ColorRole role : {QPalette::Midlight, QPalette::Mid, QPalette::Dark})
        palette.setColor(role, dim);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, dim);
    return palette;
}

QWidget *create(const Row &row, QWidget *container)
{
    QWidget *widget = nullptr;
    switch (row.kind) {
    case Kind::Label: {
        auto *caption = new CaptionLabel(container);
        QFont font = FontStandIns::font(row.fontFamily, row.fontPoints, row.bold);
        font.setItalic(row.italic);
        caption->setLabelFont(font);
        caption->setAlignment(row.alignment);
        caption->setForeColor(row.foreColor);
        caption->setWordWrap(row.wrap);
        caption->setTwipGeometry(row.rect);
        caption->setAutoSize(row.autoSize);
        caption->setCaption(row.german);
        widget = caption;
        break;
    }
    case Kind::PictureBox: {
        auto *picture = new PictureBox(container);
        picture->setBackColor(row.backColor);
        if (!row.picture.isEmpty())
            picture->setPicture(Artwork::picture(row.picture));
        picture->setTwipGeometry(row.rect);
        widget = picture;
        break;
    }
    case Kind::Image: {
        auto *image = new ImageControl(container);
        image->setPicture(Artwork::picture(row.picture));
        image->setTwipGeometry(row.rect);
        widget = image;
        break;
    }
    case Kind::Frame:
        widget = new ClassicFrame(row.german, container);
        break;
    case Kind::CheckBox:
        widget = new CheckBox(container);
        break;
    case Kind::OptionButton:
        widget = new OptionButton(container);
        break;
    case Kind::ScrollBar: {
        auto *bar = new QScrollBar(Qt::Horizontal, container);
        bar->setRange(row.min, row.max);
        bar->setValue(row.value);
        bar->setPageStep(1);
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Button, ColorValue::toQColor(DimCyan));
        palette.setColor(QPalette::Window, ColorValue::toQColor(rgb(0, 40, 40)));
        bar->setPalette(palette);
        widget = bar;
        break;
    }
    case Kind::PushButton: {
        auto *button = new QPushButton(container);
        // Enter belongs to the dialog's key table, never to a focused button.
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(row.german);
    if (!qobject_cast<TwipControl *>(widget)) {
        widget->setStyle(ZoomStyle::shared());
        widget->setGeometry(Twips::toPixels(row.rect));
    }
    widget->setObjectName(row.name);
    widget->setEnabled(row.enabled);
    widget->setVisible(row.visible);
    return widget;
}

template <typename T> T *as(const QHash<QString, QWidget *> &made, const char *name)
{
    return static_cast<T *>(made.value(QString::fromLatin1(name)));
}

} // namespace

const QVector<Row> &rows()
{
    static const QVector<Row> table = makeTable();
    return table;
}

OptionsControls build(QWidget *form)
{
    form->setPalette(dialogPalette(form->palette()));
    form->setFont(Twips::zoomed(FontStandIns::font(QStringLiteral("MS Sans Serif"), 8.25)));
    QHash<QString, QWidget *> made;
    for (const Row &row : rows())
        made.insert(row.name, create(row, row.container == QLatin1String("Form2")
                                              ? form
                                              : made.value(row.container)));
    OptionsControls c;
    c.Label1 = as<CaptionLabel>(made, "Label1");
    c.Picture1 = as<PictureBox>(made, "Picture1");
    c.Picture2 = as<PictureBox>(made, "Picture2");
    c.Frame1 = as<QGroupBox>(made, "Frame1");
    c.Frame2 = as<QGroupBox>(made, "Frame2");
    c.Frame3 = as<QGroupBox>(made, "Frame3");
    c.Frame4 = as<QGroupBox>(made, "Frame4");
    c.Label2 = as<CaptionLabel>(made, "Label2");
    c.Label3 = as<CaptionLabel>(made, "Label3");
    c.Label4 = as<CaptionLabel>(made, "Label4");
    c.HScroll1 = as<QScrollBar>(made, "HScroll1");
    c.HScroll2 = as<QScrollBar>(made, "HScroll2");
    c.Check1 = as<CheckBox>(made, "Check1");
    c.Check2 = as<CheckBox>(made, "Check2");
    c.Option1 = as<OptionButton>(made, "Option1");
    c.Option2 = as<OptionButton>(made, "Option2");
    c.Command1 = as<QPushButton>(made, "Command1");
    c.Command2 = as<QPushButton>(made, "Command2");
    c.Command3 = as<QPushButton>(made, "Command3");
    c.PicBut = as<PictureBox>(made, "PicBut");
    c.LabelOK = as<PictureBox>(made, "LabelOK");
    c.LabelCancel = as<PictureBox>(made, "LabelCancel");
    c.PicInfo = as<PictureBox>(made, "PicInfo");
    c.Image1 = as<ImageControl>(made, "Image1");
    c.lblTitle = as<CaptionLabel>(made, "lblTitle");
    c.lblVersion = as<CaptionLabel>(made, "lblVersion");
    c.Label6 = as<CaptionLabel>(made, "Label6");
    c.lblDescription = as<CaptionLabel>(made, "lblDescription");
    c.Label5 = as<CaptionLabel>(made, "Label5");
    return c;
}

void applyEnglish(QWidget *form)
{
    for (const Row &row : rows()) {
        if (row.english.isEmpty())
            continue;
        QWidget *widget = form->findChild<QWidget *>(row.name);
        if (auto *caption = qobject_cast<CaptionLabel *>(widget))
            caption->setCaption(row.english);
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            frame->setTitle(row.english);
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(row.english);
    }
}

} // namespace OptionsLayout
