// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/consolelayout.h"

#include "controls/artwork.h"
#include "controls/captionlabel.h"
#include "controls/colorvalue.h"
#include "controls/fontstandins.h"
#include "controls/imagecontrol.h"
#include "controls/pick.h"
#include "controls/picturebox.h"
#include "settings/captions.h"

#include <QWidget>

#include <algorithm>

namespace ConsoleLayout {

namespace {

using ColorValue::Black;
using ColorValue::rgb;
using ColorValue::White;

enum class Kind { Box, Label, Image };
constexpr Kind Box = Kind::Box, Label = Kind::Label, Image = Kind::Image;
constexpr bool Shown = true, Hidden = false;

// A label's font and alignment (Button: a caption of the left column, Sized:
// the same sized to its text), or the hand pointer over a picture box or image.
enum Style { Plain, Hand, Button, Sized, PanelRight, PanelLeft, Stardate, Federation };

struct Look
{
    Look(qint32 colour = 0, const QString &art = {}, Style style = Plain)
        : colour(colour), art(art), style(style)
    {}
    qint32 colour; // a picture box's back, a label's text
    QString art;   // a picture box's or image's picture, a label's caption
    Style style;
};

const Look Area{};                // an invisible click area
const Look HandArea{0, {}, Hand}; // the same under the hand pointer

struct Row
{
    QString name; // a control array's element with its index: "PicOff(8)"
    Kind kind;
    QString container; // "Form1" for the window itself
    QRectF rect;       // twips
    bool visible;
    Look look;
    QString role;
};

struct LabelFont
{
    const char *family;
    double points;
    bool bold;
    Qt::Alignment alignment;
};

LabelFont fontOf(Style style)
{
    switch (style) {
    case PanelRight:
        return {"TrekCon2", 10.5, false, Qt::AlignRight};
    case PanelLeft:
        return {"TrekCon2", 10.5, false, Qt::AlignLeft};
    case Stardate:
        return {"Trek TNG Monitors", 24, false, Qt::AlignHCenter};
    case Federation:
        return {"Federation", 26.25, true, Qt::AlignHCenter};
    default:
        return {"Arial", 9.75, false, Qt::AlignRight}; // the left column's captions
    }
}

// Rows of one container are in stacking order, top first; labels and images
// lie below every picture box of their container. A table, read a row at a
// time, however long it is.
// NOLINTNEXTLINE(readability-function-size)
QVector<Row> makeTable()
{
    const qint32 orange = rgb(255, 128, 0);
    // clang-format off
    QVector<Row> t = {
    //   element          kind   container   left,  top, width, height  visible look                                     role
        {"Picture4",      Box,   "Form1",    {    0,    0, 12135, 7935}, Hidden, {Black},                                  "blank screen; a click or key ends it"},
        {"Picture1",      Box,   "Form1",    {    0,  120, 12000, 8310}, Shown,  {White, "console"},                        "console artwork holding every console control"},

        {"PicOff(8)",     Box,   "Picture1", { 2040,  720,  6015, 1815}, Hidden, {Black},                                  "blanking cover of the number panels"},
        {"PicOff(7)",     Box,   "Picture1", { 8160,  840,  3855, 1695}, Hidden, {Black},                                  "blanking cover of the four pills"},
        {"PicOff(6)",     Box,   "Picture1", { 7080,    0,  4935,  735}, Hidden, {Black},                                  "blanking cover of the title"},
        {"PicOff(5)",     Box,   "Picture1", { 1920, 2520, 10095,  735}, Hidden, {Black},                                  "blanking cover of the two bar rows"},
        {"PicOff(4)",     Box,   "Picture1", {    0, 2880,  1935, 1935}, Hidden, {Black},                                  "blanking cover of the pink elbow"},
        {"PicOff(3)",     Box,   "Picture1", {    0, 1320,  1935, 1575}, Hidden, {Black},                                  "blanking cover of the blue elbow"},
        {"PicOff(2)",     Box,   "Picture1", {    0, 4800,  1695, 3015}, Hidden, {Black},                                  "blanking cover of the left column"},
        {"PicOff(1)",     Box,   "Picture1", {    0,    0,  1695, 1335}, Hidden, {Black},                                  "blanking cover of the top-left block"},
        {"PicNum",        Box,   "Picture1", { 1920,  840,  6135, 1680}, Shown,  {Black},                                  "number panels Label1 to Label11"},
        {"Picture3",      Box,   "Picture1", { 1800, 3240, 10215, 4575}, Hidden, {Black},                                  "bar graph; shows while the power is on"},
        {"Picture2(1)",   Box,   "Picture1", { 8200,  970,  1770,  645}, Shown,  {Black, "pill_pink", Hand},               "pink pill: minimises the window"},
        {"Picture2(2)",   Box,   "Picture1", {10200,  970,  1770,  645}, Shown,  {Black, "pill_yellow", Hand},             "yellow pill: full screen or back"},
        {"Picture2(3)",   Box,   "Picture1", { 8200, 1710,  1770,  645}, Shown,  {Black, "pill_blue"},                     "blue pill: its picture cycles"},
        {"Picture2(4)",   Box,   "Picture1", {10200, 1710,  1770,  645}, Shown,  {Black, "pill_lavender"},                 "lavender pill: its picture cycles"},
        {"Label17",       Label, "Picture1", {  750, 6810,   780,  240}, Shown,  {Black, Captions::OptionsGerman, Button}, "Options caption: opens the options dialog"},
        {"Image9",        Image, "Picture1", {   90, 6690,  1500,  375}, Shown,  Area,                                     "Options block: as the Options caption"},
        {"Image8",        Image, "Picture1", {11370, 2550,   585,  255}, Shown,  HandArea,                                 "upper bar row's end: next bar speed"},
        {"Image6",        Image, "Picture1", {   90, 6210,  1500,  390}, Hidden, Area,                                     "Reset block: as the Reset caption"},
        {"Label16",       Label, "Picture1", { 1020, 6345,   510,  240}, Hidden, {Black, Captions::Reset, Button},         "Reset caption: empties the bars"},
        {"Label15",       Label, "Picture1", {  615, 5175,   915,  240}, Shown,  {Black, Captions::PowerOffGerman, Sized}, "Power caption: bar graph on or off"},
        {"Image7",        Image, "Picture1", {   90, 4830,  1500,  615}, Shown,  Area,                                     "Power block: as the Power caption"},
        {"Image4",        Image, "Picture1", {11370, 2880,   585,  255}, Shown,  HandArea,                                 "lower bar row's end: blank screen now"},
        {"Image3",        Image, "Picture1", { 6240, 2880,  1635,  135}, Shown,  HandArea,                                 "thin bar segment: red alert zones on or off"},
        {"Image2",        Image, "Picture1", { 5610, 2880,   585,  255}, Shown,  HandArea,                                 "short bar segment: alert-zone switch"},
        {"Image1",        Image, "Picture1", {   90, 5535,  1500,  615}, Hidden, Area,                                     "Start block: as the Start/Stop caption"},
        {"Label12",       Label, "Picture1", { 1110, 5880,   420,  240}, Hidden, {Black, Captions::Start, Button},         "Start/Stop caption: runs or stops the bar graph"},
        {"Bezeichnung6",  Label, "Picture1", {  600, 7480,   930,  240}, Shown,  {Black, Captions::EndGerman, Button},     "End caption: ends the program"},
        {"Anzeige1",      Image, "Picture1", {   90, 7140,  1515,  585}, Shown,  Area,                                     "End block: as the End caption"},
        {"logo",          Image, "Picture1", { 4560, 3840,  4530, 3330}, Hidden, {0, "logo_large"},                        "large logo, never shown"},

        {"Image5",        Image, "Picture4", { 3360,  960,  5535, 4260}, Shown,  {0, "logo_small"},                        "logo of the blank screen"},
        {"Label14",       Label, "Picture4", {    0, 6000, 12045,  720}, Shown,  {orange, Captions::Stardate, Stardate},   "stardate line of the blank screen"},
        {"Label13",       Label, "Picture4", {   60, 5280, 12045,  720}, Shown,  {orange, Captions::Federation, Federation}, "Federation line of the blank screen"},
    };

    // The number panels Label1 to Label11: seven lines each, 240 twips apart.
    const struct { double left, width; Style style; const char *caption; } panels[] = {
        {  120,  495, PanelRight, "657"}, {  520,  375, PanelRight, "657"}, {  940,  495, PanelRight, "657"},
        { 1480,  255, PanelRight, "657"}, { 1850,  255, PanelRight, "657"}, { 2200,  255, PanelRight, "657"},
        { 2520,  495, PanelRight, "657"}, { 3050,  255, PanelRight, "65"},  { 3400,  255, PanelRight, "65"},
        { 3760,  375, PanelRight, "657"}, { 4240, 1695, PanelLeft,  "657"},
    };
    // The bars, top first, and the white end cap Marker(i - 1) riding on bar i.
    const struct { int index; double top, height; qint32 colour; } bars[] = {
        {9, 3975, 420, rgb(0, 0, 255)},   {8, 3510, 420, rgb(128, 128, 255)}, {7, 3045, 420, rgb(192, 0, 192)},
        {4, 1635, 420, rgb(128, 255, 255)}, {5, 2100, 430, rgb(192, 0, 192)}, {6, 2580, 420, rgb(128, 0, 128)},
        {3, 1170, 420, rgb(128, 128, 0)}, {2, 705, 420, rgb(128, 128, 0)},   {1, 240, 420, rgb(128, 128, 0)},
    };
    for (int p = 1; p <= 11; ++p)
        for (int i = 1; i <= 7; ++i)
            t.append({QStringLiteral("Label%1(%2)").arg(p).arg(i), Label, "PicNum",
                      {panels[p - 1].left, 240.0 * (i - 1), panels[p - 1].width, 255}, Shown,
                      {White, panels[p - 1].caption, panels[p - 1].style},
                      QStringLiteral("number panel %1, line %2: random numbers").arg(p).arg(i)});
    for (const auto &bar : bars)
        t.append({QStringLiteral("PicBar(%1)").arg(bar.index), Box, "Picture3",
                  {0, bar.top, 255, bar.height}, Shown, {bar.colour},
                  QStringLiteral("bar %1 of the bar graph").arg(bar.index)});
    for (int i = 1; i <= 9; ++i)
        t.append({QStringLiteral("Marker(%1)").arg(i - 1), Box, QStringLiteral("PicBar(%1)").arg(i),
                  {150, 0, 105, 615}, Shown, {White}, QStringLiteral("end cap of bar %1").arg(i)});
    // clang-format on
    return t;
}

void create(const Row &row, QWidget *container, const QCursor &hand)
{
    const Look &look = row.look;
    TwipControl *control = nullptr;
    if (row.kind == Label) {
        const LabelFont font = fontOf(look.style);
        auto *caption = new CaptionLabel(container);
        caption->setLabelFont(FontStandIns::font(font.family, font.points, font.bold));
        caption->setAlignment(font.alignment);
        caption->setForeColor(look.colour);
        caption->setCaption(look.art);
        control = caption;
    } else if (row.kind == Box) {
        auto *box = new PictureBox(container);
        box->setBackColor(look.colour);
        if (!look.art.isEmpty())
            box->setPicture(Artwork::picture(look.art));
        control = box;
    } else {
        auto *area = new ImageControl(container);
        if (!look.art.isEmpty())
            area->setPicture(Artwork::picture(look.art));
        control = area;
    }
    control->setObjectName(row.name);
    control->setTwipGeometry(row.rect);
    if (auto *caption = qobject_cast<CaptionLabel *>(control))
        caption->setAutoSize(look.style == Sized);
    if (look.style == Hand)
        control->setCursor(hand);
    control->setAccessibleDescription(row.role);
    control->setVisible(row.visible);
}

void makeControls(QWidget *form)
{
    static const QVector<Row> table = makeTable();
    // One pointing hand for every control that shows it, rendered once.
    const QCursor hand = Artwork::handCursor();
    // Containers before their contents; within a container the later-made
    // control lies on top, so labels and images are made first, and both
    // groups from the bottom of the table up.
    QVector<QString> containers{"Form1"};
    for (int c = 0; c < containers.size(); ++c) {
        const QString container = containers[c];
        QWidget *parent = container == "Form1" ? form : form->findChild<QWidget *>(container);
        QVector<const Row *> order;
        for (const Row &row : table)
            if (row.container == container)
                order.prepend(&row);
        std::stable_partition(order.begin(), order.end(),
                              [](const Row *row) { return row->kind != Box; });
        for (const Row *row : order) {
            create(*row, parent, hand);
            if (row->kind == Box)
                containers.append(row->name);
        }
    }
}

ConsoleControls pickControls(QWidget *form)
{
    ConsoleControls c;
    pick(c.Picture1, form, "Picture1");
    pick(c.Picture3, form, "Picture3");
    pick(c.Picture4, form, "Picture4");
    pick(c.PicNum, form, "PicNum");
    for (int i = 1; i <= 8; ++i)
        pick(c.PicOff[i], form, QStringLiteral("PicOff(%1)").arg(i));
    for (int i = 1; i <= 4; ++i)
        pick(c.Picture2[i], form, QStringLiteral("Picture2(%1)").arg(i));
    for (int i = 1; i <= 9; ++i) {
        pick(c.PicBar[i], form, QStringLiteral("PicBar(%1)").arg(i));
        pick(c.Marker[i - 1], form, QStringLiteral("Marker(%1)").arg(i - 1));
    }
    for (int p = 1; p <= 11; ++p)
        for (int i = 1; i <= 7; ++i)
            pick(c.Panel[p][i], form, QStringLiteral("Label%1(%2)").arg(p).arg(i));
    pick(c.Label12, form, "Label12");
    pick(c.Label13, form, "Label13");
    pick(c.Label14, form, "Label14");
    pick(c.Label15, form, "Label15");
    pick(c.Label16, form, "Label16");
    pick(c.Label17, form, "Label17");
    pick(c.Bezeichnung6, form, "Bezeichnung6");
    pick(c.Image1, form, "Image1");
    pick(c.Image2, form, "Image2");
    pick(c.Image3, form, "Image3");
    pick(c.Image4, form, "Image4");
    pick(c.Image5, form, "Image5");
    pick(c.Image6, form, "Image6");
    pick(c.Image7, form, "Image7");
    pick(c.Image8, form, "Image8");
    pick(c.Image9, form, "Image9");
    pick(c.Anzeige1, form, "Anzeige1");
    pick(c.logo, form, "logo");

    return c;
}

} // namespace

ConsoleControls build(QWidget *form)
{
    makeControls(form);
    ConsoleControls c = pickControls(form);
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
