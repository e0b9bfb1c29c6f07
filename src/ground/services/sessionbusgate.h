// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Before the application object exists: nothing in the program may wait on a
// session bus that has hung. Qt connects to the bus on the program's own
// thread (its accessibility bridge does so while the first window shows) and
// waits as long as the bus keeps it waiting, so the bus is asked first, with
// a short deadline.
namespace SessionBusGate {

// An address no bus can have: a connection to it fails at once.
inline const QString NoBus = QStringLiteral("unix:path=/dev/null/no-session-bus");

// Whether the bus at the address answers Hello within the time given, waiting
// at most that long. Addresses of kinds other than a local socket are not
// asked: true.
bool answers(const QString &address, int timeoutMs);

// Asks the session bus; when it does not answer in time, the process's
// DBUS_SESSION_BUS_ADDRESS becomes NoBus, so Qt and the screen saver do
// without a bus from the start and never connect to it later. From here on
// the system's end (TERM, HUP, INT) ends the program at once with status 0,
// until the program's own handling of it takes over.
void settle(int timeoutMs = 300);

} // namespace SessionBusGate
