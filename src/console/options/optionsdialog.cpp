// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/optionsdialog.h"

#include "controls/captionlabel.h"
#include "controls/checkbox.h"
#include "controls/colorvalue.h"
#include "controls/fontstandins.h"
#include "controls/imagecontrol.h"
#include "controls/optionbutton.h"
#include "controls/picturebox.h"
#include "controls/shiftstate.h"
#include "controls/twips.h"
#include "options/infotexts.h"
#include "options/optionslayout.h"
#include "options/optionsprompts.h"
#include "settings/language.h"
#include "settings/numbertext.h"
#include "settings/programstate.h"
#include "settings/settings.h"
#include "sound/waveplayer.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr qint32 InfoText = ColorValue::rgb(207, 200, 255);
constexpr qint32 AuthorText = ColorValue::rgb(144, 184, 128);
constexpr qint32 TitleOrange = ColorValue::rgb(255, 140, 0);
const QString TitleFont = QStringLiteral("Trek TNG Monitors");

// A stored number for a control that only takes values in [min, max]: a text
// that is no number, or a value the control does not take, gives nothing and
// the control keeps what it shows.
std::optional<qint16> storedValue(const Settings &settings, SettingKey key, int min, int max)
{
    const std::optional<qint16> value = NumberText::toInt16(settings.text(key));
    if (!value || *value < min || *value > max)
        return std::nullopt;
    return value;
}

void setScrollValue(QScrollBar *bar, const Settings &settings, SettingKey key)
{
    if (const auto value = storedValue(settings, key, bar->minimum(), bar->maximum()))
        bar->setValue(*value);
}

void setCheckValue(CheckBox *box, const Settings &settings, SettingKey key)
{
    if (const auto value = storedValue(settings, key, 0, 1))
        box->setChecked(*value == 1);
}

} // namespace

OptionsDialog::OptionsDialog(const OptionsContext &context, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ctx_(context),
      c_(OptionsLayout::build(this)),
      pictures_(*c_.LabelOK, *c_.LabelCancel, ctx_.images(), ctx_.settings)
{
    setAutoFillBackground(true);
    setFixedSize(Twips::toPixels(QSizeF(OptionsLayout::Width, OptionsLayout::Height)));
    connectHandlers();
    watchInput();
    load();
    setWindowTitle(c_.Label1->caption());
}

void OptionsDialog::load()
{
    if (english())
        ApplyEnglishOptionsCaptions();
    for (CaptionLabel *label : {c_.lblTitle, c_.lblVersion, c_.Label6, c_.lblDescription})
        label->setForeColor(InfoText);
    c_.Label5->setForeColor(AuthorText);
    c_.lblVersion->setCaption(InfoTexts::versionText());
    c_.Label6->setCaption(InfoTexts::graphicsCredit());
    c_.LabelOK->setBackColor(ColorValue::Black);
    c_.LabelCancel->setBackColor(ColorValue::Black);
    pictures_.showNormal();
    NewFirstBar = ctx_.settings.text(SettingKey::FirstBar);
    NewLastBar = ctx_.settings.text(SettingKey::LastBar);
    c_.Label1->setBackColor(TitleOrange);
    setScrollValue(c_.HScroll1, ctx_.settings, SettingKey::AniSpeed);
    hScroll1Change();
    setCheckValue(c_.Check2, ctx_.settings, SettingKey::SSaver);
    setScrollValue(c_.HScroll2, ctx_.settings, SettingKey::SSaverTime);
    hScroll2Change();
    check2Click();
    setCheckValue(c_.Check1, ctx_.settings, SettingKey::Ani);
    check1Click();
    const std::optional<double> direction =
        NumberText::toNumber(ctx_.settings.text(SettingKey::AniDir));
    if (direction == 0.0)
        c_.Option1->setChecked(true);
    else if (direction == 1.0)
        c_.Option2->setChecked(true);
}

void OptionsDialog::ApplyEnglishOptionsCaptions()
{
    OptionsLayout::applyEnglish(this);
}

bool OptionsDialog::english() const
{
    return Language::english(ctx_.settings);
}

bool OptionsDialog::infoShown() const
{
    return !c_.PicInfo->isHidden();
}

void OptionsDialog::connectHandlers()
{
    connect(c_.HScroll1, &QScrollBar::valueChanged, this, &OptionsDialog::hScroll1Change);
    connect(c_.HScroll2, &QScrollBar::valueChanged, this, &OptionsDialog::hScroll2Change);
    connect(c_.Check1, &QCheckBox::toggled, this, &OptionsDialog::check1Click);
    connect(c_.Check2, &QCheckBox::toggled, this, &OptionsDialog::check2Click);
    connect(c_.Command1, &QPushButton::clicked, this, &OptionsDialog::command1Click);
    connect(c_.Command2, &QPushButton::clicked, this, &OptionsDialog::command2Click);
    connect(c_.Command3, &QPushButton::clicked, this, &OptionsDialog::command3Click);
    connect(c_.LabelOK, &TwipControl::clicked, this, &OptionsDialog::labelOKClick);
    connect(c_.LabelCancel, &TwipControl::clicked, this, &OptionsDialog::labelCancelClick);
    connect(c_.Picture1, &TwipControl::clicked, this, &OptionsDialog::picture1Click);
    connect(c_.Picture2, &TwipControl::clicked, this, &OptionsDialog::picture2Click);

    connect(c_.LabelOK, &TwipControl::moved, this, [this] { pictures_.moveOverOK(); });
    connect(c_.LabelCancel, &TwipControl::moved, this, [this] { pictures_.moveOverCancel(); });
    connect(c_.LabelOK, &TwipControl::pressed, this, [this] { pictures_.downOnOK(); });
    connect(c_.LabelCancel, &TwipControl::pressed, this, [this] { pictures_.downOnCancel(); });
    connect(c_.LabelOK, &TwipControl::released, this, [this] { pictures_.upOnOK(); });
    connect(c_.LabelCancel, &TwipControl::released, this, [this] { pictures_.upOnCancel(); });
    connect(c_.Label1, &TwipControl::pressed, this, &OptionsDialog::label1Down);
    connect(c_.Label1, &TwipControl::moved, this, &OptionsDialog::label1Move);
}

void OptionsDialog::watchInput()
{
    background_ = {this,      c_.Frame1,  c_.Frame2,   c_.Frame3,         c_.Frame4,
                   c_.Check1, c_.Check2,  c_.Command1, c_.Command2,       c_.Command3,
                   c_.Label2, c_.Label3,  c_.Label4,   c_.Option1,        c_.Option2,
                   c_.PicBut, c_.PicInfo, c_.Label5,   c_.lblDescription, c_.lblVersion,
                   c_.Image1, c_.lblTitle};
    // The title, the credit, the scroll bars and the end caps leave the
    // buttons as they are, also when a move over them would otherwise pass on
    // to the control below.
    for (QWidget *still : std::initializer_list<QWidget *>{c_.Label1, c_.Label6, c_.HScroll1,
                                                           c_.HScroll2, c_.Picture1, c_.Picture2})
        still->setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

bool OptionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (background_.contains(watched))
            pictures_.moveOverBackground();
        break;
    case QEvent::ShortcutOverride: {
        // A key of the table outranks an access key of the same letter.
        auto *key = static_cast<QKeyEvent *>(event);
        const int shift = ShiftState::of(key->modifiers());
        const bool ours =
            key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_Escape ||
            (shift == ShiftState::Alt && (key->key() == Qt::Key_K || key->key() == Qt::Key_A));
        if (ours) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (form2KeyDown(key->key(), ShiftState::of(key->modifiers())))
            return true;
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool OptionsDialog::form2KeyDown(int key, int shift)
{
    const bool alt = shift == ShiftState::Alt;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || (alt && key == Qt::Key_K))
        labelOKClick();
    else if (key == Qt::Key_Escape || (alt && key == Qt::Key_A))
        infoShown() ? labelOKClick() : labelCancelClick();
    else
        return false;
    return true;
}

void OptionsDialog::hScroll1Change()
{
    static const char *const names[][2] = {{"Very slow", "Sehr langsam"},
                                           {"Slow", "Langsam"},
                                           {"Middle", "Mittel"},
                                           {"Fast", "Schnell"},
                                           {"Very fast", "Sehr schnell"}};
    const int value = c_.HScroll1->value();
    if (value < -1 || value > 3)
        return;
    c_.Label2->setCaption(QString::fromUtf8(names[value + 1][english() ? 0 : 1]));
}

void OptionsDialog::hScroll2Change()
{
    const QString minutes = QString::number(c_.HScroll2->value());
    c_.Check2->setText(
        english() ? QStringLiteral("&Black screen with UFP-logo after %1 minutes.").arg(minutes)
                  : QStringLiteral("Schwarzer Schirm &mit Federations- logo nach %1 Minuten.")
                        .arg(minutes));
}

void OptionsDialog::check1Click()
{
    const bool on = c_.Check1->value() != 0;
    c_.Option1->setEnabled(on);
    c_.Option2->setEnabled(on);
}

void OptionsDialog::check2Click()
{
    c_.HScroll2->setEnabled(c_.Check2->value() != 0);
}

void OptionsDialog::command1Click()
{
    if (const auto colour = ctx_.prompts.chooseColor(this))
        NewFirstBar = QString::number(*colour);
    activateWindow();
}

void OptionsDialog::command2Click()
{
    if (const auto colour = ctx_.prompts.chooseColor(this))
        NewLastBar = QString::number(*colour);
    activateWindow();
}

void OptionsDialog::command3Click()
{
    const bool yes =
        english()
            ? ctx_.prompts.askYesNo(
                  this, QStringLiteral("Reset colors?"),
                  QStringLiteral("Please click on 'Yes', if you want to reset the "
                                 "colors of the bars to their default settings."))
            : ctx_.prompts.askYesNo(this, QStringLiteral("Balkenfarben zurücksetzen?"),
                                    QStringLiteral("Klicken sie auf 'Ja', wenn sie die "
                                                   "Standardfarben wiederherstellen möchten."));
    if (!yes)
        return;
    NewFirstBar = settingKeyInfo(SettingKey::FirstBar).defaultText;
    NewLastBar = settingKeyInfo(SettingKey::LastBar).defaultText;
    activateWindow();
}

void OptionsDialog::labelOKClick()
{
    if (infoShown()) {
        if (ctx_.program.InfoOnly) {
            labelCancelClick();
            ctx_.program.InfoOnly = false;
        } else {
            picture2Click();
        }
        return;
    }
    ctx_.wave.PlayWave(Wave::Button);
    Settings &settings = ctx_.settings;
    ProgramState &program = ctx_.program;
    program.AniSpeed = qint16(c_.HScroll1->value());
    program.Ani = qint16(c_.Check1->value());
    QList<std::pair<SettingKey, QString>> stored{
        {SettingKey::AniSpeed, QString::number(program.AniSpeed)},
        {SettingKey::Ani, QString::number(program.Ani)}};
    if (c_.Option1->isChecked() && !c_.Option2->isChecked()) {
        program.AniDir = 0;
        stored.append({SettingKey::AniDir, QStringLiteral("0")});
    } else if (c_.Option2->isChecked() && !c_.Option1->isChecked()) {
        program.AniDir = 1;
        stored.append({SettingKey::AniDir, QStringLiteral("1")});
    }
    stored.append({{SettingKey::SSaver, QString::number(c_.Check2->value())},
                   {SettingKey::SSaverTime, QString::number(c_.HScroll2->value())},
                   {SettingKey::FirstBar, NewFirstBar},
                   {SettingKey::LastBar, NewLastBar}});
    // One write of the file: an end in the middle of OK leaves the old settings or the new.
    settings.write(stored);
    ctx_.DispColorText();
    ctx_.InitColor();
    done(QDialog::Accepted);
}

void OptionsDialog::labelCancelClick()
{
    ctx_.wave.PlayWave(Wave::Button);
    done(QDialog::Rejected);
}

void OptionsDialog::setTitle(const QString &caption)
{
    c_.Label1->setCaption(caption);
    c_.Label1->setLabelFont(FontStandIns::font(TitleFont, 16, true));
}

void OptionsDialog::showInfoPage()
{
    ctx_.wave.PlayWave(Wave::Button);
    setTitle(QStringLiteral("Info"));
    c_.PicInfo->show();
    c_.LabelCancel->hide();
    c_.LabelOK->setTwipLeft(1920);
}

void OptionsDialog::picture1Click()
{
    showInfoPage();
    c_.Picture1->setEnabled(false);
    c_.Picture2->setEnabled(true);
}

void OptionsDialog::ExtInfo()
{
    showInfoPage();
    c_.Picture1->setEnabled(false);
    c_.Picture2->setEnabled(false);
    ctx_.program.InfoOnly = true;
    exec();
    // Closed another way than by OK (the window manager, the system ending
    // the program): the next opening must not find the info page "alone".
    ctx_.program.InfoOnly = false;
}

void OptionsDialog::picture2Click()
{
    ctx_.wave.PlayWave(Wave::Button);
    setTitle(english() ? QStringLiteral("Options") : QStringLiteral("Optionen"));
    c_.LabelCancel->show();
    c_.LabelOK->setTwipLeft(360);
    c_.PicInfo->hide();
    c_.Picture1->setEnabled(true);
    c_.Picture2->setEnabled(false);
}

void OptionsDialog::label1Down(Qt::MouseButton button, QPointF twips)
{
    if (button != Qt::LeftButton)
        return;
    TitleDragX = twips.x();
    TitleDragY = twips.y();
}

void OptionsDialog::label1Move(Qt::MouseButtons buttons, QPointF twips)
{
    if (buttons != Qt::LeftButton)
        return;
    move(pos() + Twips::toPixels(QPointF(twips.x() - TitleDragX, twips.y() - TitleDragY)));
}
