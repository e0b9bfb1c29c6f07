// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop.h"

#include "controls/fontstandins.h"
#include "services/sessionbusgate.h"
#include "settings/language.h"
#include "settings/settings.h"
#include "sound/waves.h"

#include <QCoreApplication>
#include <QDir>

void Desktop::preparePlatform()
{
    // The console repaints small areas up to a hundred times a second; on X11
    // a shared-memory image costs a round trip per repaint, a plain one does
    // not, and takes about a third less processor time here.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    SessionBusGate::settle();
}

Desktop::Desktop(const QString &settingsFile, bool mute)
    : programDirectory_(QCoreApplication::applicationDirPath()), store_(settingsFile),
      qtTexts_([this] { return !Language::english(Settings(store_)); }), mute_(mute)
{
    FontStandIns::install();
    if (mute_)
        return;
    QStringList waves;
    for (const char *name : kWaveFiles)
        waves << QDir(programDirectory_).filePath(QString::fromLatin1(name));
    sound_.start(waves);
}

Services Desktop::services()
{
    SoundPlayer &sound = mute_ ? static_cast<SoundPlayer &>(silence_) : sound_;
    return {store_, random_, clock_, sound, delay_, pointer_, screenSaver_, programDirectory_};
}
