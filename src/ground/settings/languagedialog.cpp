// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/languagedialog.h"

#include "controls/artwork.h"
#include "controls/captionlabel.h"
#include "controls/colorvalue.h"
#include "controls/fontstandins.h"
#include "controls/picturebox.h"
#include "controls/twips.h"
#include "controls/zoomstyle.h"
#include "settings/settings.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

const QString Explanation = QStringLiteral(
    "Wenn Sie das Programm daß erste mal starten, müssen Sie sich für eine Benutzersprache "
    "entscheiden. Um die Einstellungen zu ändern, müssen sie das Programm "
    "'ResetLanguage' im Programmverzeichnis starten.");
const QString Question = QStringLiteral(
    "Now, please select the language which you want to use: Bitte wählen Sie nun die "
    "Sprache, die Sie benutzen möchten:");
const QString Indent = QString(15, QLatin1Char(' '));
constexpr qint32 Green = ColorValue::rgb(0, 255, 0);
constexpr qint32 Grey = ColorValue::rgb(192, 192, 192);

// Each control keeps the dialog design's name and says its role.
void name(QWidget *control, const char *name, const char *role)
{
    control->setObjectName(QLatin1String(name));
    control->setAccessibleDescription(QLatin1String(role));
}

CaptionLabel *text(QWidget *dialog, const QRectF &rect, const QString &caption)
{
    auto *label = new CaptionLabel(dialog);
    label->setLabelFont(FontStandIns::font("MS Sans Serif", 8.25));
    label->setForeColor(Green);
    label->setWordWrap(true);
    label->setTwipGeometry(rect);
    label->setCaption(caption);
    return label;
}

QRadioButton *option(QWidget *dialog, const QRectF &rect, const QString &caption)
{
    auto *button = new QRadioButton(Indent + caption, dialog);
    button->setFont(Twips::zoomed(FontStandIns::font("MS Sans Serif", 8.25)));
    QPalette green = button->palette();
    green.setColor(QPalette::WindowText, ColorValue::toQColor(Green));
    button->setPalette(green);
    button->setStyle(ZoomStyle::shared());
    button->setGeometry(Twips::toPixels(rect));
    return button;
}

QWidget *flag(QWidget *dialog, const QRectF &rect, const QString &picture)
{
    auto *box = new PictureBox(dialog);
    box->setBackColor(Grey);
    box->setPicture(Artwork::picture(picture));
    box->setTwipGeometry(rect);
    return box;
}

} // namespace

LanguageDialog::LanguageDialog(Settings &settings, QWidget *parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      settings_(settings)
{
    setWindowTitle(QStringLiteral("Spracheinstellungen / Languagesettings"));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setFixedSize(Twips::toPixels(QSizeF(3990, 3945)));
    move(Twips::toPixels(QPointF(3270, 3045)));

    // Labels first: every windowed control lies above them.
    name(text(this, {240, 120, 3615, 1125}, Explanation), "Label1",
         "how to change the language later");
    name(text(this, {240, 1320, 3720, 630}, Question), "Bezeichnung1",
         "the question, in both languages");
    Befehl1 = new QPushButton(QStringLiteral("OK"), this);
    Befehl1->setGeometry(Twips::toPixels({120, 3360, 3765, 480}));
    Befehl1->setFont(Twips::zoomed(Befehl1->font()));
    Befehl1->setStyle(ZoomStyle::shared());
    Befehl1->setDefault(true);
    Option1 = option(this, {225, 2160, 3645, 330}, QStringLiteral("&English"));
    Option2 = option(this, {240, 2730, 3645, 330}, QStringLiteral("&Deutsch"));
    Option2->setChecked(true);
    name(Befehl1, "Befehl1", "OK: stores the language chosen");
    name(Option1, "Option1", "English");
    name(Option2, "Option2", "German, chosen at first");
    name(flag(this, {600, 2640, 360, 480}, QStringLiteral("flag_german")), "Bild1",
         "German flag over Option2");
    name(flag(this, {540, 2220, 480, 330}, QStringLiteral("flag_english")), "Bild2",
         "English flag over Option1");

    connect(Befehl1, &QPushButton::clicked, this, &LanguageDialog::befehl1Click);
}

void LanguageDialog::befehl1Click()
{
    if (Option1->isChecked() && !Option2->isChecked())
        settings_.write(SettingKey::German, QStringLiteral("0"));
    else if (Option2->isChecked() && !Option1->isChecked())
        settings_.write(SettingKey::German, QStringLiteral("1"));
    accept();
}
