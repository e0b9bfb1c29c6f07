// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/infotexts.h"

#include "version.h"

namespace InfoTexts {

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2 (%1.%2.0%3)").arg(major).arg(minor).arg(revision);
}

QString versionText()
{
    return versionText(KORVA_VERSION_MAJOR, KORVA_VERSION_MINOR, KORVA_VERSION_PATCH);
}

QString graphicsCredit()
{
    return QStringLiteral("Artwork: drawn by the KORVA-Interface team\r"
                          "as original vector pictures");
}

QString descriptionEnglish()
{
    return QStringLiteral("This program has only been created Just-For-Fun! So there are no useful "
                          "things you can do with it! The graphical design has been taken from the "
                          "animations you can sometimes see on board of shuttles (moving bars and "
                          "so on). FREEWARE!! Please send your comments to ") +
           ContactMail + QString(11, QLatin1Char(' ')) +
           QStringLiteral("I hope you will have some fun with this program");
}

QString descriptionGerman()
{
    return QStringLiteral("Dieses Programm ist ein reines Just-For-Fun Programm. Der einzige Zweck "
                          "dient der Unterhaltung. Die grafische Gestaltung entstand in Anlehnung "
                          "an die an Bord von Shuttles gezeigten Grafiken (sich bewegende Balken "
                          "usw.) FREEWARE!! Bitte schicken sie ihre Kommentare an ") +
           ContactMail + QString(9, QLatin1Char(' ')) +
           QStringLiteral("Viel Spaß wünscht ihnen der Autor  -  ") + WebAddress;
}

} // namespace InfoTexts
