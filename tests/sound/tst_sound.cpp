// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/delay.h"
#include "sound/qtsoundplayer.h"
#include "sound/waveplayer.h"
#include "support/fakes.h"

#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// Wave playback and the event-pumping wait.
class TstSound : public QObject
{
    Q_OBJECT

private slots:
    // Only regular files are handed on, and nothing is opened to find out:
    // a FIFO or a device would block the console for good. The five waves
    // the program plays lie beside it.
    void playWaveHandsOnlyRegularFiles()
    {
        QTemporaryDir dir;
        const auto at = [&](const char *name) { return dir.filePath(name); };
        QVERIFY(QFile(at("1.wav")).open(QIODevice::WriteOnly) && QDir().mkdir(at("8.wav")));
        QVERIFY(::mkfifo(QFile::encodeName(at("2.wav")), 0600) == 0);
        QVERIFY(QFile::link(at("1.wav"), at("13.wav")) && QFile::link(at("2.wav"), at("10.wav")));
        RecordingSoundPlayer player;
        WavePlayer waves(player, dir.path()), missing(player, dir.filePath("none")),
            shipped(player, QCoreApplication::applicationDirPath());
        const Wave all[] = {Wave::Button, Wave::Minimise, Wave::PowerUp, Wave::PowerDown,
                            Wave::BlackScreen};
        for (Wave wave : all) {
            waves.PlayWave(wave);
            missing.PlayWave(wave); // no such folder: silence
        }
        waves.StopWave();
        for (Wave wave : all)
            shipped.PlayWave(wave);
        QCOMPARE(
            player.events.join(' '),
            "play 1.wav play 13.wav stop play 1.wav play 2.wav play 8.wav play 10.wav play 13.wav");
    }

    // A device in the wave folder, and a link to one, are passed over like a
    // FIFO. Only root can make a device node.
    void playWavePassesOverDevices()
    {
        if (::geteuid() != 0)
            QSKIP("making a device node needs root");
        QTemporaryDir dir;
        const auto at = [&](const char *name) { return dir.filePath(name); };
        QVERIFY(::mknod(QFile::encodeName(at("8.wav")), S_IFCHR | 0600, makedev(1, 3)) == 0);
        QVERIFY(QFile(at("1.wav")).open(QIODevice::WriteOnly) &&
                QFile::link(at("8.wav"), at("13.wav")));
        RecordingSoundPlayer player;
        WavePlayer waves(player, dir.path());
        for (Wave wave : {Wave::PowerUp, Wave::Button, Wave::BlackScreen})
            waves.PlayWave(wave);
        QCOMPARE(player.events.join(' '), "play 1.wav");
    }

    // The sound server is asked off the console's thread; once it answers,
    // the program no longer counts as asking and ends the ordinary way.
    void outputsAreAskedOnceInTheBackground()
    {
        QtSoundPlayer player;
        QSignalSpy answered(&player, &QtSoundPlayer::outputsKnown);
        player.start({QCoreApplication::applicationDirPath() + "/1.wav"});
        QTRY_COMPARE(answered.size(), 1);
        QVERIFY(!QtSoundPlayer::stillAsking());
    }

    // A wait of no time returns at once and runs nothing; a longer one runs
    // timers and posted events (clicks, keys) inside it, nests, and ending
    // the program makes every running and later wait return at once and the
    // program's loop end with status 0. Runs last: it ends the test's event
    // loops too.
    void waitsRunEventsAndUnwindAtTheEnd()
    {
        Delay delay;
        QStringList log;
        QTimer::singleShot(0, [&] {
            log << "timer";
            QMetaObject::invokeMethod(
                this, [&] { log << "posted"; }, Qt::QueuedConnection);
            log << QString("inner %1").arg(delay.wait(0.05));
            QTimer::singleShot(10, [&] { delay.endProgram(); });
            log << QString("cut short %1").arg(delay.wait(5));
            log << QString("after the end %1").arg(delay.wait(5));
        });
        log << QString("zero %1").arg(delay.wait(0)) << QString("negative %1").arg(delay.wait(-1));
        log << QString("outer %1").arg(delay.wait(0.01)) << QString("later %1").arg(delay.wait(0));
        QCOMPARE(log.join(", "), "zero 1, negative 1, timer, posted, inner 1, cut short 0, after "
                                 "the end 0, outer 0, later 0");
        // The program's own loop ends too, with status 0.
        QTimer::singleShot(0, [&] { delay.endProgram(); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TstSound)
#include "tst_sound.moc"
