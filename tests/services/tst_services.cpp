// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/desktopscreensaver.h"
#include "services/sessionbusprobe.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLocalServer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

// The desktop's screen saver held off over a real, private session bus, with
// a stand-in screen saver service that reports every hold and release.
class TstServices : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess bus_;
    QProcess saver_;
    QStringList lines_; // what the stand-in reported since the last test began
    QByteArray busAddress_;

    QString binary(const QString &name) const
    {
        return QCoreApplication::applicationDirPath() + '/' + name;
    }

    // Everything after the last report line, checked for nothing arriving late.
    void expectReports(QStringList expected)
    {
        QTRY_COMPARE(lines_, expected);
        QCOMPARE(QDBusConnection::sessionBus()
                     .call(QDBusMessage::createMethodCall("org.freedesktop.ScreenSaver",
                                                          "/org/freedesktop/ScreenSaver",
                                                          "org.freedesktop.ScreenSaver", "Ping"))
                     .type(),
                 QDBusMessage::ReplyMessage);
        QTRY_COMPARE(lines_, expected + QStringList{"ping"});
    }

private slots:
    void initTestCase()
    {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty())
            QSKIP("dbus-daemon is not installed");
        QFile config(dir_.filePath("bus.conf"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(
            QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                           "<auth>EXTERNAL</auth><policy context=\"default\">"
                           "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
                           "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>")
                .arg(dir_.path())
                .toUtf8());
        config.close();
        bus_.start(daemon, {"--config-file=" + config.fileName(), "--nofork", "--print-address=1"});
        QTRY_VERIFY(bus_.canReadLine());
        busAddress_ = bus_.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", busAddress_);

        connect(&saver_, &QProcess::readyReadStandardOutput, this, [this] {
            while (saver_.canReadLine())
                lines_ << QString::fromUtf8(saver_.readLine().trimmed());
        });
        saver_.start(binary("fakescreensaver"), {});
        QTRY_COMPARE(lines_, QStringList{"ready"});
        QVERIFY(QDBusConnection::sessionBus().isConnected());
    }

    void init() { lines_.clear(); }

    // Requests in order: "off" holds the saver off, "on" lets it run, "answer"
    // waits until the service has granted the hold. A switch that has held
    // once before knows that the bus answers.
    void holdAndRelease_data()
    {
        QTest::addColumn<bool>("heldBefore");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QStringList>("reports"); // cookies as "#"
        QTest::newRow("first hold, then release")
            << false << QStringList{"off", "answer", "on"}
            << QStringList{"Inhibit # KORVA-Interface", "UnInhibit #"};
        QTest::newRow("first hold let go before the bus answered")
            << false << QStringList{"off", "on"} << QStringList{};
        QTest::newRow("released before the hold was granted")
            << true << QStringList{"off", "on"}
            << QStringList{"Inhibit # KORVA-Interface", "UnInhibit #"};
        QTest::newRow("a second release changes nothing")
            << true << QStringList{"off", "answer", "on", "on"}
            << QStringList{"Inhibit # KORVA-Interface", "UnInhibit #"};
        QTest::newRow("a second hold changes nothing")
            << true << QStringList{"off", "off", "answer"}
            << QStringList{"Inhibit # KORVA-Interface"};
        QTest::newRow("release without a hold") << true << QStringList{"on"} << QStringList{};
        QTest::newRow("held again while the first hold was on its way")
            << true << QStringList{"off", "on", "off", "answer"}
            << QStringList{"Inhibit # KORVA-Interface"};
    }

    void holdAndRelease()
    {
        QFETCH(bool, heldBefore);
        QFETCH(QStringList, requests);
        QFETCH(QStringList, reports);
        {
            DesktopScreenSaver saver;
            if (heldBefore) {
                saver.setActive(false);
                QTRY_COMPARE(lines_.size(), 1);
                saver.setActive(true);
                expectReports(
                    {lines_[0], lines_[0].section(' ', 0, 1).replace("Inhibit", "UnInhibit")});
                lines_.clear();
            }
            for (const QString &request : requests) {
                if (request == "answer")
                    QTRY_VERIFY(!lines_.isEmpty());
                else
                    saver.setActive(request == "on");
            }
            // A release waits for the grant before it goes out.
            QTRY_COMPARE(lines_.size(), reports.size());
            QStringList seen = lines_;
            seen.replaceInStrings(QRegularExpression("\\b\\d+\\b"), "#");
            QCOMPARE(seen, reports);
            expectReports(lines_);
        }
    }

    void probe_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("answers");
        QTest::newRow("the session bus") << QString(busAddress_) << true;
        QTest::newRow("escaped path, after an address of another kind")
            << "tcp:host=localhost,port=1;" + QString(busAddress_).replace("/", "%2f") << true;
        QTest::newRow("no address") << QString() << false;
        QTest::newRow("no socket at the path") << "unix:path=" + dir_.filePath("none") << false;
        QTest::newRow("a socket that never answers")
            << "unix:path=" + dir_.filePath("hung") << false;
        QTest::newRow("a local address without a path") << "unix:guid=1234" << false;
        QTest::newRow("not a local socket: not probed") << "tcp:host=localhost,port=1" << true;
    }

    void probe()
    {
        QFETCH(QString, address);
        QFETCH(bool, answers);
        QLocalServer hung; // takes connections and never says a word
        QVERIFY(hung.listen(dir_.filePath("hung")));
        SessionBusProbe probe;
        std::optional<bool> result;
        probe.start(
            address, [&](bool answered) { result = answered; }, 300);
        QTRY_VERIFY(result.has_value());
        QCOMPARE(*result, answers);
    }

    // A bus that takes the connection and never answers holds up nothing: the
    // switch asks it once, without waiting, and then leaves it alone.
    void busThatNeverAnswers()
    {
        QLocalServer hung;
        QVERIFY(hung.listen(dir_.filePath("hung")));
        DesktopScreenSaver saver("unix:path=" + hung.fullServerName());
        saver.setActive(false);
        saver.setActive(true);
        saver.setActive(false);
        QTRY_VERIFY(hung.hasPendingConnections());
        QLocalSocket *probe = hung.nextPendingConnection();
        QTRY_VERIFY(probe->bytesAvailable() > 0);
        QVERIFY(probe->readAll().startsWith(QByteArray("\0AUTH EXTERNAL ", 15)));
        QVERIFY(!hung.hasPendingConnections());
    }

    // The program itself blanks the screen after two idle ticks and holds the
    // desktop's saver off; killed, it leaves no hold behind.
    void killedProgramLeavesNoHold()
    {
        QTemporaryDir home;
        QDir(home.path()).mkpath("config/KORVA-Interface");
        QFile settings(home.filePath("config/KORVA-Interface/KORVA-Interface.conf"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Sprache]\nGerman=1\n[Optionen]\nSSaver=1\nSSaverTime=0.003\n");
        settings.close();
        QDir(home.path()).mkdir("runtime");
        QFile::setPermissions(home.filePath("runtime"), QFileDevice::ReadOwner |
                                                            QFileDevice::WriteOwner |
                                                            QFileDevice::ExeOwner);

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        program.setProcessEnvironment(env);
        program.start(binary("korva-interface"), {});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(lines_.size() == 1, 15000);
        QVERIFY2(lines_[0].startsWith("Inhibit "), qPrintable(lines_[0]));
        const QString cookie = lines_[0].section(' ', 1, 1);

        program.kill(); // SIGKILL: no handler of the program runs
        QVERIFY(program.waitForFinished());
        expectReports({lines_[0], "gone " + cookie});
    }

    void cleanupTestCase()
    {
        for (QProcess *process : {&saver_, &bus_}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
        }
    }
};

QTEST_GUILESS_MAIN(TstServices)
#include "tst_services.moc"
