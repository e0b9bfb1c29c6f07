// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Settings;
class QRadioButton;
class QPushButton;

// The small dialog of the first run that asks for German or English and
// keeps the choice in the settings store.
class LanguageDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LanguageDialog(Settings &settings, QWidget *parent = nullptr);

    QRadioButton *Option1 = nullptr; // English
    QRadioButton *Option2 = nullptr; // Deutsch
    QPushButton *Befehl1 = nullptr;  // OK

private:
    void befehl1Click();

    Settings &settings_;
};
