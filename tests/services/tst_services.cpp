// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/desktoppointer.h"
#include "services/desktopscreensaver.h"
#include "services/sessionbusprobe.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
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
    uint Inhibit(const QString &application, const QString &reason)
    {
        calls << "Inhibit " + application + ", " + reason;
        return 40 + calls.size();
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
    void cleanupTestCase()
    {
        bus_.kill();
        bus_.waitForFinished();
    }

    // Requests in order: "off" holds the saver off, "on" lets it run,
    // "answer" waits for the service's next call. A release waits for the
    // grant of its hold, the first hold for the bus's first answer, and
    // repeated requests change nothing.
    void holdAndRelease_data()
    {
        QTest::addColumn<QString>("requests");
        QTest::addColumn<QString>("calls");
        const char *rows[][3] = {
            {"first hold let go before the bus answered", "off on", ""},
            {"repeats and a release without a hold", "on off off answer on on",
             "Inhibit; UnInhibit 41"},
            {"released before the grant", "off answer on answer off on",
             "Inhibit; UnInhibit 41; Inhibit; UnInhibit 43"},
            {"held again while the hold was on its way", "off answer on answer off on off",
             "Inhibit; UnInhibit 41; Inhibit"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[1] << row[2];
    }
    void holdAndRelease()
    {
        QFETCH(QString, requests);
        QFETCH(QString, calls);
        saver_.calls.clear();
        DesktopScreenSaver saver(address_);
        for (const QString &request : requests.split(' ')) {
            const int seen = saver_.calls.size();
            if (request == "answer")
                QTRY_VERIFY(saver_.calls.size() > seen);
            else
                saver.setActive(request == "on");
        }
        const QString want = calls.isEmpty() ? "ping" : calls + "; ping";
        QTRY_COMPARE(saver_.calls.size(), int(want.count(';')));
        // Sent on the switch's own connection, so it arrives after the
        // switch's calls: nothing else came late.
        QDBusConnection::connectToBus(address_, "KORVA-Interface screen saver " + address_)
            .send(QDBusMessage::createMethodCall("org.freedesktop.ScreenSaver",
                                                 "/org/freedesktop/ScreenSaver",
                                                 "org.freedesktop.ScreenSaver", "Ping"));
        QTRY_VERIFY(saver_.calls.contains("ping"));
        QCOMPARE(
            saver_.calls.join("; ").replace("Inhibit KORVA-Interface, Blank screen", "Inhibit"),
            want);
    }

    // The desktop's pointer hides while more hides than shows were asked
    // for, and shows again once they balance.
    void pointerHidesWhileItsCounterIsBelowZero()
    {
        DesktopPointer pointer;
        const auto hidden = [] {
            return QGuiApplication::overrideCursor() &&
                   QGuiApplication::overrideCursor()->shape() == Qt::BlankCursor;
        };
        QString seen;
        for (const bool show : {true, false, false, false, true, true, true})
            seen += QString("%1%2 ").arg(pointer.showCursor(show)).arg(hidden() ? "h" : "");
        QCOMPARE(seen, QString("1 0 -1h -2h -1h 0 1 "));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void probe_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("answers");
        const QString bus = dir_.filePath("bus");
        QTest::newRow("escaped path, after an address of another kind")
            << "tcp:host=localhost,port=1;unix:path=" + QString(bus).replace("/", "%2f") << true;
        QTest::newRow("no socket at the path") << "unix:path=" + bus + "x" << false;
        QTest::newRow("a socket that never answers") << "unix:path=" + bus + "-hung" << false;
        QTest::newRow("not a local socket: not probed") << "tcp:host=localhost,port=1" << true;
    }
    void probe()
    {
        QFETCH(QString, address);
        QFETCH(bool, answers);
        QLocalServer hung; // takes connections and never says a word
        QVERIFY(hung.listen(dir_.filePath("bus-hung")));
        SessionBusProbe probe;
        std::optional<bool> result;
        probe.start(
            address, [&](bool answered) { result = answered; }, 300);
        QTRY_VERIFY(result.has_value());
        QCOMPARE(*result, answers);
    }
};

QTEST_MAIN(TstServices)
#include "tst_services.moc"
