// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/desktopprompts.h"

#include "controls/colorvalue.h"

#include <QColorDialog>
#include <QMessageBox>

namespace {

// A dialog is made on its parent's screen: one that follows its parent to
// another X screen only once it is made is never drawn there.
void onScreenOf(QWidget &dialog, QWidget *parent)
{
    if (parent)
        dialog.setScreen(parent->screen());
}

} // namespace

std::optional<qint32> DesktopPrompts::chooseColor(QWidget *parent)
{
    QColorDialog dialog(Qt::white, parent);
    onScreenOf(dialog, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor colour = dialog.selectedColor();
    return ColorValue::rgb(colour.red(), colour.green(), colour.blue());
}

bool DesktopPrompts::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    onScreenOf(box, parent);
    return box.exec() == QMessageBox::Yes;
}
