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

using ColorValue::Black;
using ColorValue::rgb;

constexpr qint32 Cyan = rgb(0, 192, 192);
constexpr qint32 DimCyan = rgb(0, 96, 96);
constexpr qint32 Grey = rgb(128, 128, 128);

enum class Kind { Label, Box, Image, Frame, Check, Option, Scroll, Button };
using K = Kind;

// Labels are left-aligned and wrapped unless a flag says otherwise; a label
// sized to its text does not wrap.
enum Flag { Bold = 1, Italic = 2, Centred = 4, NoWrap = 8, Sized = 16, Hidden = 32, Disabled = 64 };

struct Look
{
    Look(qint32 colour = 0, const QString &art = {}, double points = 0, int flags = 0, int min = 0,
         int max = 0, int value = 0)
        : colour(colour), art(art), points(points), flags(flags), min(min), max(max), value(value)
    {}
    qint32 colour; // a label's text, a picture box's back
    QString art;   // a label's font family, a picture box's or image's picture
    double points; // a label's font size
    int flags;
    int min, max, value; // a scroll bar's range and start
};

const Look Plain, BlackBox{Black}, GreyBox{Grey}, InfoPicture{0, "info_picture"};
const Look Text{Cyan, "MS Sans Serif", 8.25}, CentredText{Cyan, "MS Sans Serif", 8.25, Centred};
const Look Title{Black, "Trek TNG Monitors", 15.75, Bold | Centred | NoWrap};
const Look EndCapLeft{Black, "endcap_left", 0, Disabled}, EndCapRight{Black, "endcap_right"};
const Look InfoPage{Black, {}, 0, Hidden};
const Look Speeds{0, {}, 0, 0, -1, 3, 0}, Minutes{0, {}, 0, 0, 1, 10, 5};
const Look Heading{Cyan, "Arial", 12.75, Bold | Sized}, Credit{Cyan, "Arial", 6, Bold | Sized};
const Look Version{Cyan, "MS Sans Serif", 8.25, Bold};
const Look Author{Cyan, "Brush Script MT", 24, Bold | Italic};

struct Row
{
    Row(const char *name, Kind kind, const char *container, QRectF rect, const Look &look,
        const char *role, const QString &german = {}, const QString &english = {})
        : name(name), kind(kind), container(container), rect(rect), look(look), role(role),
          german(german), english(english)
    {}
    QString name;
    Kind kind;
    QString container; // "Form2" for the dialog itself
    QRectF rect;       // twips
    Look look;
    QString role;
    QString german;  // the caption of the layout
    QString english; // its replacement; empty: the same in both languages, or set by a handler
};

// Rows are in creation order: containers before their contents, and within a
// container the later row lies on top, so windowless labels and images come
// first. The info page's text colours are set when the dialog loads.
const QVector<Row> &rows()
{
    // clang-format off
    static const QVector<Row> table = {
    //   element           kind       container  left,  top, width, height  look         role
        {"Label1",         K::Label,  "Form2",   { 600,  120, 4970,  450}, Title,       "title of the dialog or its info page", "Optionen", "Options"},
        {"Picture2",       K::Box,    "Form2",   {  75,  120,  450,  450}, EndCapLeft,  "left end cap: back from the info page"},
        {"Picture1",       K::Box,    "Form2",   {5640,  120,  450,  450}, EndCapRight, "right end cap: opens the info page"},

        {"Frame2",         K::Frame,  "Form2",   { 600,  720, 1575, 1815}, Plain,       "frame of the bar speed", "Animationsgesch.", "Animation's"},
        {"Label3",         K::Label,  "Frame2",  { 120,  240, 1335,  855}, Text,        "says what the speed scroll bar does",
            "Stellen sie hier die Animations- geschwindigkeit der Balken ein.",
            "Here you can change the Speed for the Animation's of the bars."},
        {"Label2",         K::Label,  "Frame2",  { 120, 1520, 1335,  195}, CentredText, "name of the chosen bar speed"},
        {"HScroll1",       K::Scroll, "Frame2",  { 120, 1200, 1335,  255}, Speeds,      "bar speed, slow to fast"},

        {"Frame3",         K::Frame,  "Form2",   {2280,  720, 1695, 1815}, Plain,       "frame of the red bars", "Balken", "Bars"},
        {"Check1",         K::Check,  "Frame3",  { 120,  360, 1215,  375}, Plain,       "bars turn red in their alert zones", "Balken rot &färben", "&Turn bars red"},
        {"Option1",        K::Option, "Frame3",  { 120,  840, 1455,  375}, Plain,       "alert zone: the last eighth",
            "Nur im &hinteren Achtel", "Only within the l&ast eigth."},
        {"Option2",        K::Option, "Frame3",  { 120, 1320, 1455,  375}, Plain,       "alert zones: the first and the last eighth",
            "Im hinteren &und vorderen Achtel", "Within the f&irst and last eigth."},

        {"Frame1",         K::Frame,  "Form2",   {4080,  720, 1455, 1815}, Plain,       "frame of the blank screen", "Standby"},
        {"Check2",         K::Check,  "Frame1",  { 120,  240, 1215, 1065}, Plain,       "blank screen after idle minutes",
            "&Schwarzer Schirm mit Federations- logo nach"},
        {"HScroll2",       K::Scroll, "Frame1",  { 120, 1320, 1215,  255}, Minutes,     "idle minutes before the blank screen"},

        {"Frame4",         K::Frame,  "Form2",   { 600, 2540, 4935, 1095}, Plain,       "frame of the bar colours", "Balkenfarbe", "Color of the bars"},
        {"Label4",         K::Label,  "Frame4",  { 120,  240, 4695,  375}, Text,        "says what the colour buttons do",
            "Hier können sie die Farbe des ersten und letzten Balkens einstellen. Die Zwischenfarben werden automatisch berechnet.",
            "Here you can change the color of the first and last bar. The colors between them will be calculated automatically."},
        {"Command1",       K::Button, "Frame4",  { 240,  720, 1335,  270}, Plain,       "picks the first bar's colour", "&Erster Balken", "&First bar"},
        {"Command2",       K::Button, "Frame4",  {1800,  720, 1335,  270}, Plain,       "picks the last bar's colour", "&Letzter Balken", "&Last bar"},
        {"Command3",       K::Button, "Frame4",  {3360,  720, 1335,  270}, Plain,       "asks to reset the bar colours", "&Reset"},

        {"PicBut",         K::Box,    "Form2",   { 240, 3720, 5655,  735}, BlackBox,    "strip of OK and Cancel"},
        {"LabelOK",        K::Box,    "PicBut",  { 360,  120, 1800,  450}, GreyBox,     "OK: stores the options"},
        {"LabelCancel",    K::Box,    "PicBut",  {3480,  120, 1800,  450}, GreyBox,     "Cancel: drops the changes"},

        {"PicInfo",        K::Box,    "Form2",   { 600,  720, 4935, 3015}, InfoPage,    "info page"},
        {"Image1",         K::Image,  "PicInfo", { 240,  240, 1185,  780}, InfoPicture, "console picture with the program's title"},
        {"lblTitle",       K::Label,  "PicInfo", {1680,  240, 2820,  300}, Heading,     "program's name", InfoTexts::Title},
        {"lblVersion",     K::Label,  "PicInfo", {1680,  650, 3885,  225}, Version,     "version and build"},
        {"Label6",         K::Label,  "PicInfo", {1680,  840, 2820,  300}, Credit,      "credit of the graphics"},
        {"lblDescription", K::Label,  "PicInfo", { 240, 1200, 4485, 1170}, Text,        "what the program is",
            InfoTexts::descriptionGerman(), InfoTexts::descriptionEnglish()},
        {"Label5",         K::Label,  "PicInfo", { 240, 2400, 4485,  450}, Author,      "author's name", InfoTexts::Author},
    };
    // clang-format on
    return table;
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

// The design's own kinds of control, placed in twips; nullptr for Qt's own.
QWidget *makeTwipControl(const Row &row, QWidget *container)
{
    const Look &look = row.look;
    switch (row.kind) {
    case Kind::Label: {
        auto *caption = new CaptionLabel(container);
        QFont font = FontStandIns::font(look.art, look.points, look.flags & Bold);
        font.setItalic(look.flags & Italic);
        caption->setLabelFont(font);
        caption->setAlignment(look.flags & Centred ? Qt::AlignHCenter : Qt::AlignLeft);
        caption->setForeColor(look.colour);
        caption->setWordWrap(!(look.flags & (NoWrap | Sized)));
        caption->setTwipGeometry(row.rect);
        caption->setAutoSize(look.flags & Sized);
        caption->setCaption(row.german);
        return caption;
    }
    case Kind::Box: {
        auto *picture = new PictureBox(container);
        picture->setBackColor(look.colour);
        if (!look.art.isEmpty())
            picture->setPicture(Artwork::picture(look.art));
        picture->setTwipGeometry(row.rect);
        return picture;
    }
    case Kind::Image: {
        auto *image = new ImageControl(container);
        image->setPicture(Artwork::picture(look.art));
        image->setTwipGeometry(row.rect);
        return image;
    }
    default:
        return nullptr;
    }
}

// Qt's own widgets, zoomed through the shared style.
QWidget *makeQtWidget(const Row &row, QWidget *container)
{
    const Look &look = row.look;
    switch (row.kind) {
    case Kind::Frame:
        return new ClassicFrame(row.german, container);
    case Kind::Check:
        return new CheckBox(container);
    case Kind::Option:
        return new OptionButton(container);
    case Kind::Scroll: {
        auto *bar = new QScrollBar(Qt::Horizontal, container);
        bar->setRange(look.min, look.max);
        bar->setValue(look.value);
        bar->setPageStep(1);
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Button, ColorValue::toQColor(DimCyan));
        palette.setColor(QPalette::Window, ColorValue::toQColor(rgb(0, 40, 40)));
        bar->setPalette(palette);
        return bar;
    }
    case Kind::Button: {
        auto *button = new QPushButton(container);
        // Enter belongs to the dialog's key table, never to a focused button.
        button->setAutoDefault(false);
        return button;
    }
    default:
        return nullptr;
    }
}

void create(const Row &row, QWidget *container)
{
    const Look &look = row.look;
    QWidget *widget = makeTwipControl(row, container);
    if (!widget)
        widget = makeQtWidget(row, container);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(row.german);
    if (!qobject_cast<TwipControl *>(widget)) {
        widget->setStyle(ZoomStyle::shared());
        widget->setGeometry(Twips::toPixels(row.rect));
    }
    widget->setObjectName(row.name);
    widget->setAccessibleDescription(row.role);
    widget->setEnabled(!(look.flags & Disabled));
    widget->setVisible(!(look.flags & Hidden));
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
