// SPDX-License-Identifier: GPL-3.0-or-later
#include "bars/barsettings.h"

#include "bars/colourramp.h"
#include "settings/programstate.h"
#include "settings/settings.h"
#include "sound/waveplayer.h"

BarSettings::BarSettings(ProgramState &program, Settings &settings, WavePlayer &wave,
                         ColourRamp &ramp)
    : program_(program), settings_(settings), wave_(wave), ramp_(ramp)
{}

void BarSettings::image2Click()
{
    wave_.PlayWave(Wave::Button);
    // A change of zones drops any red the old zones left.
    ramp_.DispColorText();
    ramp_.InitColor();
    if (program_.AniDir == 0)
        program_.AniDir = 1;
    else if (program_.AniDir == 1)
        program_.AniDir = 0;
    settings_.write(SettingKey::AniDir, program_.AniDir);
}

void BarSettings::image3Click()
{
    wave_.PlayWave(Wave::Button);
    if (program_.Ani == 0) {
        program_.Ani = 1;
    } else if (program_.Ani == 1) {
        program_.Ani = 0;
        ramp_.DispColorText();
        ramp_.InitColor();
    }
    settings_.write(SettingKey::Ani, program_.Ani);
}

void BarSettings::image8Click()
{
    wave_.PlayWave(Wave::Button);
    switch (program_.AniSpeed) {
    case -1:
    case 0:
    case 1:
    case 2:
        ++program_.AniSpeed;
        break;
    case 3:
        program_.AniSpeed = -1;
        break;
    default:
        break;
    }
    settings_.write(SettingKey::AniSpeed, program_.AniSpeed);
}
