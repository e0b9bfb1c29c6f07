// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/desktopprompts.h"

#include "controls/colorvalue.h"

#include <QColorDialog>
#include <QMessageBox>

std::optional<qint32> DesktopPrompts::chooseColor(QWidget *parent)
{
    const QColor colour = QColorDialog::getColor(Qt::white, parent);
    if (!colour.isValid())
        return std::nullopt;
    return ColorValue::rgb(colour.red(), colour.green(), colour.blue());
}

bool DesktopPrompts::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}
