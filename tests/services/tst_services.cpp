// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/desktopscreensaver.h"
#include "services/sessionbusgate.h"
#include "services/sessionbusprobe.h"
#include "support/rows.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QtTest>

#include <optional>

// Stands in for the desktop's screen saver: notes each call it gets.
class FakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QStringList calls;
public slots:
    uint Inhibit(const QString &app, const QString &why)
    {
        return 40 + (calls << "Inhibit " + app + ", " + why).size();
    }
    void UnInhibit(uint cookie) { calls << QString("UnInhibit %1").arg(cookie); }
    void Ping() { calls << "ping"; }
};

// Sockets that take connections as a bus does but do not serve: "hung" says
// nothing, "signin" answers the sign-in and never Hello, "refuses" refuses
// the sign-in. They run on a thread of their own, so a probe that waits on
// the test's thread still gets their answers.
class FakeBuses : public QThread
{
public:
    explicit FakeBuses(const QString &dir) : dir_(dir) {}
    QSemaphore listening;

protected:
    void run() override
    {
        const QMap<QString, QByteArray> answers{
            {"hung", ""},
            {"signin", "OK 0123456789abcdef0123456789abcdef\r\n"},
            {"refuses", "REJECTED EXTERNAL\r\n"}};
        std::vector<std::unique_ptr<QLocalServer>> servers;
        for (auto it = answers.begin(); it != answers.end(); ++it) {
            auto &server = servers.emplace_back(std::make_unique<QLocalServer>());
            QLocalServer::removeServer(QDir(dir_).filePath(it.key()));
            server->listen(QDir(dir_).filePath(it.key()));
            const QByteArray answer = it.value();
            QObject::connect(server.get(), &QLocalServer::newConnection, server.get(),
                             [server = server.get(), answer] {
                                 answerFirstLine(server->nextPendingConnection(), answer);
                             });
        }
        listening.release();
        exec();
    }

private:
    // Answers the client's first line, then listens for ever.
    static void answerFirstLine(QLocalSocket *client, const QByteArray &answer)
    {
        QObject::connect(client, &QLocalSocket::readyRead, client, [client, answer] {
            if (client->readAll().contains('\n') && !client->property("answered").toBool()) {
                client->setProperty("answered", true);
                client->write(answer);
            }
        });
    }

    QString dir_;
};

// Holding off the desktop's screen saver over a private session bus, and
// the probe that finds out whether a bus answers at all.
class TstServices : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess bus_;
    QString address_;
    FakeScreenSaver saver_;
    std::unique_ptr<FakeBuses> fakes_;

private slots:
    void initTestCase()
    {
        bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1",
                                   "--address=unix:path=" + dir_.filePath("bus")});
        QVERIFY(bus_.waitForReadyRead());
        address_ = bus_.readLine().trimmed();
        QDBusConnection connection = QDBusConnection::connectToBus(address_, "saver");
        QVERIFY(connection.registerObject("/org/freedesktop/ScreenSaver", &saver_,
                                          QDBusConnection::ExportAllSlots));
        QVERIFY(connection.registerService("org.freedesktop.ScreenSaver"));
        fakes_ = std::make_unique<FakeBuses>(dir_.path());
        fakes_->start();
        fakes_->listening.acquire();
    }
    void cleanupTestCase()
    {
        fakes_->quit();
        fakes_->wait();
        bus_.close();
    }

    // Holding the saver off and letting it run again (saver.txt).
    void holdAndRelease_data() { dataRows(QFINDTESTDATA("saver.txt")); }
    void holdAndRelease()
    {
        QFETCH(QStringList, row); // name, requests, calls
        saver_.calls.clear();
        DesktopScreenSaver saver(address_);
        for (const QString &request : row[1].split(' ')) {
            const int seen = saver_.calls.size();
            if (request == "answer")
                QTRY_VERIFY(saver_.calls.size() > seen);
            else
                saver.setActive(request == "on");
        }
        QTRY_COMPARE(saver_.calls.size(), int(row[2].count(';')));
        // Sent on the switch's own connection, so it arrives after the
        // switch's calls: nothing else came late.
        QDBusConnection::connectToBus(address_, "KORVA-Interface screen saver " + address_)
            .send(QDBusMessage::createMethodCall("org.freedesktop.ScreenSaver",
                                                 "/org/freedesktop/ScreenSaver",
                                                 "org.freedesktop.ScreenSaver", "Ping"));
        QTRY_VERIFY(saver_.calls.contains("ping"));
        QCOMPARE(
            saver_.calls.join("; ").replace("Inhibit KORVA-Interface, Blank screen", "Inhibit"),
            row[2]);
    }

    // The bus the desktop names, else the bus socket in the runtime folder.
    void sessionBusAddress()
    {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:abstract=given");
        QStringList found{SessionBusProbe::sessionAddress()};
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        for (const QString &runtime : {dir_.filePath("empty"), dir_.path()}) {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
            found << SessionBusProbe::sessionAddress();
        }
        QCOMPARE(found,
                 QStringList({"unix:abstract=given", "", "unix:path=" + dir_.filePath("bus")}));
    }

    // Whether a bus answers, asked with and without waiting (probe.txt).
    void probe_data() { dataRows(QFINDTESTDATA("probe.txt")); }
    void probe()
    {
        QFETCH(QStringList, row); // name, address, answered
        const QString bus = dir_.filePath("bus");
        const QString address = row[1]
                                    .replace("{escaped bus}", QString(bus).replace("/", "%2f"))
                                    .replace("{bus}", bus)
                                    .replace("{nobus}", SessionBusGate::NoBus);
        static const QRegularExpression fake("\\{(hung|signin|refuses)\\}");
        const QString resolved = QString(address).replace(fake, dir_.path() + "/\\1");
        SessionBusProbe probe;
        std::optional<bool> result;
        probe.start(
            resolved, [&](bool answered) { result = answered; }, 300);
        QTRY_VERIFY(result.has_value());
        const bool waited = SessionBusGate::answers(resolved, 300);
        QCOMPARE(QStringList({*result ? "yes" : "no", waited ? "yes" : "no"}),
                 QStringList({row[2], row[2]}));
    }
};

QTEST_MAIN(TstServices)
#include "tst_services.moc"
