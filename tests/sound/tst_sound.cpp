// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/delay.h"
#include "sound/qtsoundplayer.h"
#include "sound/waveplayer.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>

// Wave playback and the event-pumping wait.
class TstSound : public QObject
{
    Q_OBJECT

private:
    static void touch(const QString &path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("RIFF");
    }

private slots:
    // Only regular files are handed on, and nothing is opened to find out:
    // a FIFO would block the console for good.
    void playWaveHandsOnlyRegularFiles()
    {
        QTemporaryDir dir;
        touch(dir.filePath("1.wav"));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("2.wav")), 0600), 0);
        QVERIFY(QDir(dir.path()).mkdir("8.wav"));
        QVERIFY(QFile::link(dir.filePath("1.wav"), dir.filePath("13.wav")));
        RecordingSoundPlayer player;
        WavePlayer waves(player, dir.path());
        for (const char *name : {"1.wav", "2.wav", "8.wav", "10.wav", "13.wav"})
            waves.PlayWave(name); // 10.wav is not there: silence
        waves.StopWave();
        QCOMPARE(player.events, QStringList({"play 1.wav", "play 13.wav", "stop"}));
    }

    void theFiveWavesLieBesideTheProgram_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"1.wav", "2.wav", "8.wav", "10.wav", "13.wav"})
            QTest::newRow(name) << QString(name);
    }
    void theFiveWavesLieBesideTheProgram()
    {
        QFETCH(QString, name);
        QFile file(QCoreApplication::applicationDirPath() + "/" + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY(data.size() > 44);
        QCOMPARE(data.left(4), QByteArray("RIFF"));
        QCOMPARE(data.mid(8, 8), QByteArray("WAVEfmt "));
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(data.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(data.constData() + at); };
        QCOMPARE(u16(20), quint16(1));  // PCM
        QCOMPARE(u16(34), quint16(16)); // bits per sample
        QCOMPARE(u32(4), quint32(data.size() - 8));
        const double seconds = double(u32(40)) / u32(28);
        QVERIFY2(seconds > 0.1 && seconds < 1.5, qPrintable(QString::number(seconds)));
    }

    void nonPositiveWaitsReturnAtOnceRunningNothing_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("negative") << -1.0;
    }
    void nonPositiveWaitsReturnAtOnceRunningNothing()
    {
        QFETCH(double, seconds);
        Delay delay;
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        QVERIFY(delay.wait(seconds));
        QVERIFY(!ran);
        QTRY_VERIFY(ran);
    }

    void eventsRunInsideTheWait()
    {
        Delay delay;
        bool timerRan = false, postedRan = false;
        QTimer::singleShot(0, [&] { timerRan = true; });
        // A posted event, as a click or key waits in the queue.
        QMetaObject::invokeMethod(
            this, [&] { postedRan = true; }, Qt::QueuedConnection);
        QVERIFY(delay.wait(0.05));
        QVERIFY(timerRan);
        QVERIFY(postedRan);
    }

    void waitsNestAndTheOuterEndsLast()
    {
        Delay delay;
        QStringList order;
        QTimer::singleShot(0, [&] {
            order << "inner waits";
            order << (delay.wait(0.05) ? "inner done" : "inner cut short");
        });
        QVERIFY(delay.wait(0.01));
        order << "outer done";
        QCOMPARE(order, QStringList({"inner waits", "inner done", "outer done"}));
    }

    // Ending the program makes every running wait return and every later
    // one return at once. Runs last: it ends the test's event loops too.
    void endingUnwindsNestedWaits()
    {
        Delay delay;
        bool innerResult = true;
        bool afterEnd = true;
        QTimer::singleShot(10, [&] {
            QTimer::singleShot(10, [&] { delay.endProgram(); });
            innerResult = delay.wait(5);
            afterEnd = delay.wait(5);
        });
        QVERIFY(!delay.wait(5));
        QVERIFY(!innerResult);
        QVERIFY(!afterEnd);
        QVERIFY(!delay.wait(0));
    }
};

QTEST_MAIN(TstSound)
#include "tst_sound.moc"
