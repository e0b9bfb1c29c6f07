// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/optionslayout.h"

#include "controls/artwork.h"
#include "controls/captionlabel.h"
#include "controls/checkbox.h"
#include "controls/colorvalue.h"
#include "controls/fontstandins.h"
#include "controls/imagecontrol.h"
#include "controls/optionbutton.h"
#include "controls/pick.h"
#include "controls/picturebox.h"
#include "controls/twips.h"
#include "controls/zoomstyle.h"
#include "options/classicframe.h"
#include "options/infotexts.h"

#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>

namespace OptionsLayout {

namespace {

// The options dialog's controls as data: one row per control with its
// container, twip rectangle, role, German caption of the layout and the
// English caption that replaces it. Rows are in creation order: containers before
// their contents, and within a container the later row lies on top, so
// windowless labels and images come first.
enum class Kind { Label, PictureBox, Image, Frame, CheckBox, OptionButton, ScrollBar, PushButton };

struct Row
{
    QString name;
    Kind kind = Kind::Label;
    QString container; // "Form2" for the dialog itself
    QRectF rect;       // twips
    QString german;
    QString english; // empty: the same in both languages, or set by a handler
    QString role;
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

using ColorValue::Black;
using ColorValue::rgb;

constexpr qint32 Cyan = rgb(0, 192, 192);
constexpr qint32 DimCyan = rgb(0, 96, 96);
constexpr qint32 Grey = rgb(128, 128, 128);

Row control(const QString &name, Kind kind, const QString &container, QRectF rect,
            const QString &role, const QString &german = {}, const QString &english = {})
{
    Row row;
    row.name = name;
    row.kind = kind;
    row.container = container;
    row.rect = rect;
    row.role = role;
    row.german = german;
    row.english = english;
    return row;
}

Row label(const QString &name, const QString &container, QRectF rect, const QString &role,
          const QString &german = {}, const QString &english = {})
{
    Row row = control(name, Kind::Label, container, rect, role, german, english);
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

Row box(const QString &name, const QString &container, QRectF rect, const QString &role,
        qint32 back, const QString &picture = {})
{
    Row row = control(name, Kind::PictureBox, container, rect, role);
    row.backColor = back;
    row.picture = picture;
    return row;
}

Row scrollBar(const QString &name, const QString &container, QRectF rect, const QString &role,
              int min, int max, int value)
{
    Row row = control(name, Kind::ScrollBar, container, rect, role);
    row.min = min;
    row.max = max;
    row.value = value;
    return row;
}

QVector<Row> makeTable()
{
    QVector<Row> t;
    Row title =
        styled(centred(label("Label1", "Form2", {600, 120, 4970, 450},
                             "title of the dialog or its info page", "Optionen", "Options")),
               "Trek TNG Monitors", 15.75, true);
    title.foreColor = Black;
    title.wrap = false;
    Row back = box("Picture2", "Form2", {75, 120, 450, 450},
                   "left end cap: back from the info page", Black, "endcap_left");
    back.enabled = false;
    t << title << back
      << box("Picture1", "Form2", {5640, 120, 450, 450}, "right end cap: opens the info page",
             Black, "endcap_right");

    t << control("Frame2", Kind::Frame, "Form2", {600, 720, 1575, 1815}, "frame of the bar speed",
                 "Animationsgesch.", "Animation's")
      << label("Label3", "Frame2", {120, 240, 1335, 855}, "says what the speed scroll bar does",
               "Stellen sie hier die Animations- geschwindigkeit der Balken ein.",
               "Here you can change the Speed for the Animation's of the bars.")
      << centred(label("Label2", "Frame2", {120, 1520, 1335, 195}, "name of the chosen bar speed"))
      << scrollBar("HScroll1", "Frame2", {120, 1200, 1335, 255}, "bar speed, slow to fast", -1, 3,
                   0);

    t << control("Frame3", Kind::Frame, "Form2", {2280, 720, 1695, 1815}, "frame of the red bars",
                 "Balken", "Bars")
      << control("Check1", Kind::CheckBox, "Frame3", {120, 360, 1215, 375},
                 "bars turn red in their alert zones", "Balken rot &färben", "&Turn bars red")
      << control("Option1", Kind::OptionButton, "Frame3", {120, 840, 1455, 375},
                 "alert zone: the last eighth", "Nur im &hinteren Achtel",
                 "Only within the l&ast eigth.")
      << control("Option2", Kind::OptionButton, "Frame3", {120, 1320, 1455, 375},
                 "alert zones: the first and the last eighth", "Im hinteren &und vorderen Achtel",
                 "Within the f&irst and last eigth.");

    t << control("Frame1", Kind::Frame, "Form2", {4080, 720, 1455, 1815},
                 "frame of the blank screen", "Standby")
      << control("Check2", Kind::CheckBox, "Frame1", {120, 240, 1215, 1065},
                 "blank screen after idle minutes", "&Schwarzer Schirm mit Federations- logo nach")
      << scrollBar("HScroll2", "Frame1", {120, 1320, 1215, 255},
                   "idle minutes before the blank screen", 1, 10, 5);

    t << control("Frame4", Kind::Frame, "Form2", {600, 2540, 4935, 1095},
                 "frame of the bar colours", "Balkenfarbe", "Color of the bars")
      << label("Label4", "Frame4", {120, 240, 4695, 375}, "says what the colour buttons do",
               "Hier können sie die Farbe des ersten und letzten Balkens einstellen. Die "
               "Zwischenfarben werden automatisch berechnet.",
               "Here you can change the color of the first and last bar. The colors between them "
               "will be calculated automatically.")
      << control("Command1", Kind::PushButton, "Frame4", {240, 720, 1335, 270},
                 "picks the first bar's colour", "&Erster Balken", "&First bar")
      << control("Command2", Kind::PushButton, "Frame4", {1800, 720, 1335, 270},
                 "picks the last bar's colour", "&Letzter Balken", "&Last bar")
      << control("Command3", Kind::PushButton, "Frame4", {3360, 720, 1335, 270},
                 "asks to reset the bar colours", "&Reset");

    t << box("PicBut", "Form2", {240, 3720, 5655, 735}, "strip of OK and Cancel", Black)
      << box("LabelOK", "PicBut", {360, 120, 1800, 450}, "OK: stores the options", Grey)
      << box("LabelCancel", "PicBut", {3480, 120, 1800, 450}, "Cancel: drops the changes", Grey);

    // The info page, hidden until an end cap or the console asks for it. Its
    // text colours are set when the dialog loads.
    Row info = box("PicInfo", "Form2", {600, 720, 4935, 3015}, "info page", Black);
    info.visible = false;
    Row picture = control("Image1", Kind::Image, "PicInfo", {240, 240, 1185, 780},
                          "console picture with the program's title");
    picture.picture = QStringLiteral("info_picture");
    const Row description =
        label("lblDescription", "PicInfo", {240, 1200, 4485, 1170}, "what the program is",
              InfoTexts::descriptionGerman(), InfoTexts::descriptionEnglish());
    t << info << picture
      << sizedToText(styled(label("lblTitle", "PicInfo", {1680, 240, 2820, 300}, "program's name",
                                  InfoTexts::Title),
                            "Arial", 12.75, true))
      << styled(label("lblVersion", "PicInfo", {1680, 650, 3885, 225}, "version and build"),
                "MS Sans Serif", 8.25, true)
      << sizedToText(
             styled(label("Label6", "PicInfo", {1680, 840, 2820, 300}, "credit of the graphics"),
                    "Arial", 6, true))
      << description
      << styled(
             label("Label5", "PicInfo", {240, 2400, 4485, 450}, "author's name", InfoTexts::Author),
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

void create(const Row &row, QWidget *container)
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
    widget->setAccessibleDescription(row.role);
    widget->setEnabled(row.enabled);
    widget->setVisible(row.visible);
}

const QVector<Row> &rows()
{
    static const QVector<Row> table = makeTable();
    return table;
}

} // namespace

OptionsControls build(QWidget *form)
{
    form->setPalette(dialogPalette(form->palette()));
    form->setFont(Twips::zoomed(FontStandIns::font(QStringLiteral("MS Sans Serif"), 8.25)));
    for (const Row &row : rows())
        create(row, row.container == QLatin1String("Form2")
                        ? form
                        : form->findChild<QWidget *>(row.container));
    OptionsControls c;
    pick(c.Label1, form, "Label1");
    pick(c.Picture1, form, "Picture1");
    pick(c.Picture2, form, "Picture2");
    pick(c.Frame1, form, "Frame1");
    pick(c.Frame2, form, "Frame2");
    pick(c.Frame3, form, "Frame3");
    pick(c.Frame4, form, "Frame4");
    pick(c.Label2, form, "Label2");
    pick(c.Label3, form, "Label3");
    pick(c.Label4, form, "Label4");
    pick(c.HScroll1, form, "HScroll1");
    pick(c.HScroll2, form, "HScroll2");
    pick(c.Check1, form, "Check1");
    pick(c.Check2, form, "Check2");
    pick(c.Option1, form, "Option1");
    pick(c.Option2, form, "Option2");
    pick(c.Command1, form, "Command1");
    pick(c.Command2, form, "Command2");
    pick(c.Command3, form, "Command3");
    pick(c.PicBut, form, "PicBut");
    pick(c.LabelOK, form, "LabelOK");
    pick(c.LabelCancel, form, "LabelCancel");
    pick(c.PicInfo, form, "PicInfo");
    pick(c.Image1, form, "Image1");
    pick(c.lblTitle, form, "lblTitle");
    pick(c.lblVersion, form, "lblVersion");
    pick(c.Label6, form, "Label6");
    pick(c.lblDescription, form, "lblDescription");
    pick(c.Label5, form, "Label5");
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
