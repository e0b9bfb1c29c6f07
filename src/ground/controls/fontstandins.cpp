// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/fontstandins.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace FontStandIns {

void install()
{
    // The stand-ins travel in the resources, so no caption depends on the
    // fonts a machine has installed.
    QDirIterator bundled(QStringLiteral(":/fonts"), QDir::Files);
    while (bundled.hasNext())
        QFontDatabase::addApplicationFont(bundled.next());

    const QStringList display{"Bebas Neue", "Liberation Sans Narrow", "DejaVu Sans Condensed"};
    const QStringList sans{"Liberation Sans", "Arimo", "DejaVu Sans"};
    QFont::insertSubstitutions("TrekCon2", display);
    QFont::insertSubstitutions("Trek TNG Monitors", display);
    QFont::insertSubstitutions("Federation", display);
    QFont::insertSubstitutions("Arial", sans);
    QFont::insertSubstitutions("MS Sans Serif", sans);
    // The faces the artwork is lettered in.
    QFont::insertSubstitutions("Bebas Neue", {"Liberation Sans Narrow", "DejaVu Sans Condensed"});
    QFont::insertSubstitutions("Liberation Sans", {"Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions("Brush Script MT",
                               {"Kaushan Script", "Dancing Script", "DejaVu Serif"});
}

QFont font(const QString &family, double points, bool bold)
{
    QFont result(family);
    result.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    result.setBold(bold);
    return result;
}

} // namespace FontStandIns
