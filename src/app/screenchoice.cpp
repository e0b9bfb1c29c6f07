// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screenchoice.h"

#include <QGuiApplication>
#include <QScreen>

namespace ScreenChoice {

int indexOf(const QStringList &names, const QString &choice)
{
    if (names.isEmpty())
        return -1;
    if (choice.isEmpty())
        return 0;
    // A name wins over a number, should a screen be named with digits.
    const int named = int(names.indexOf(choice));
    if (named >= 0)
        return named;
    bool isNumber = false;
    const int number = choice.toInt(&isNumber);
    return isNumber && number >= 0 && number < names.size() && !choice.startsWith(QLatin1Char('+'))
               ? number
               : -1;
}

QScreen *find(const QString &choice)
{
    if (choice.isEmpty())
        return QGuiApplication::primaryScreen();
    const QList<QScreen *> screens = QGuiApplication::screens();
    QStringList names;
    for (const QScreen *screen : screens)
        names << screen->name();
    const int index = indexOf(names, choice);
    return index < 0 ? nullptr : screens[index];
}

QString describe()
{
    QString lines;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i) {
        const QScreen *screen = screens[i];
        const QRect pixels(screen->geometry().topLeft(),
                           screen->geometry().size() * screen->devicePixelRatio());
        lines += QStringLiteral("  %1  %2  %3x%4 at %5,%6%7\n")
                     .arg(i)
                     .arg(screen->name(), -12)
                     .arg(pixels.width())
                     .arg(pixels.height())
                     .arg(pixels.x())
                     .arg(pixels.y())
                     .arg(screen == QGuiApplication::primaryScreen() ? QStringLiteral("  primary")
                                                                     : QString());
    }
    return lines;
}

} // namespace ScreenChoice
