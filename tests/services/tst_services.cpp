// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/desktopscreensaver.h"
#include "services/sessionbusprobe.h"
#include "support/rows.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLocalServer>
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

// Holding off the desktop's screen saver over a private session bus, and
// the probe that finds out whether a bus answers at all.
class TstServices : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess bus_;
    QString address_;
    FakeScreenSaver saver_;

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
    }
    void cleanupTestCase() { bus_.close(); }

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

    // Whether a bus answers (probe.txt).
    void probe_data() { dataRows(QFINDTESTDATA("probe.txt")); }
    void probe()
    {
        QFETCH(QStringList, row); // name, address, answered
        QLocalServer hung;
        QVERIFY(hung.listen(dir_.filePath("hung")));
        const QString bus = dir_.filePath("bus");
        SessionBusProbe probe;
        std::optional<bool> result;
        probe.start(
            row[1]
                .replace("{escaped bus}", QString(bus).replace("/", "%2f"))
                .replace("{bus}", bus)
                .replace("{hung}", hung.fullServerName()),
            [&](bool answered) { result = answered; }, 300);
        QTRY_VERIFY(result.has_value());
        QCOMPARE(*result ? "yes" : "no", row[2]);
    }
};

QTEST_MAIN(TstServices)
#include "tst_services.moc"
