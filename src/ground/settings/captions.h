// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CaptionLabel;

// The console's captions in both languages. The German ones are those the
// layout starts with.
namespace Captions {

inline const QString EndGerman = QStringLiteral("&Ende");
inline const QString EndEnglish = QStringLiteral("&End");
inline const QString OptionsGerman = QStringLiteral("&Optionen");
inline const QString OptionsEnglish = QStringLiteral("&Options");
inline const QString PowerOffGerman = QStringLiteral("&Power aus");
inline const QString PowerOffEnglish = QStringLiteral("&Power off");
inline const QString PowerOnGerman = QStringLiteral("&Power an");
inline const QString PowerOnEnglish = QStringLiteral("&Power on");
inline const QString Start = QStringLiteral("&Start");
inline const QString Stop = QStringLiteral("&Stop");
inline const QString Reset = QStringLiteral("&Reset");
inline const QString Federation = QStringLiteral("United Federation of Planets");
inline const QString Stardate = QStringLiteral("Stardate");

// End, Options and Power captions of the console in English, in this order.
void ApplyEnglishCaptions(CaptionLabel *Bezeichnung6, CaptionLabel *Label17, CaptionLabel *Label15);

} // namespace Captions
