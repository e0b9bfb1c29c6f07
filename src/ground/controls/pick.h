// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Points `slot` at the control of that name and kind inside `window`. A name
// the window lacks, or a control of another kind, is a fault of the layout
// table, so it stops the program at once.
template <typename T> void pick(T *&slot, const QWidget *window, const QString &name)
{
    slot = window->findChild<T *>(name);
    if (!slot)
        qFatal("The layout made no %s named %s", T::staticMetaObject.className(), qPrintable(name));
}
