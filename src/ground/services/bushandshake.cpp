// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/bushandshake.h"

#include <QStringList>
#include <QUrl>
#include <QtEndian>

#include <unistd.h>

std::optional<BusHandshake::Socket> BusHandshake::localSocket(const QString &address, bool *local)
{
    if (local)
        *local = false;
    for (const QString &entry : address.split(';', Qt::SkipEmptyParts)) {
        if (!entry.startsWith(QLatin1String("unix:")))
            continue;
        if (local)
            *local = true;
        for (const QString &pair : entry.mid(5).split(',')) {
            const QString key = pair.section('=', 0, 0);
            const QString value = QUrl::fromPercentEncoding(pair.section('=', 1).toUtf8());
            if (!value.isEmpty() &&
                (key == QLatin1String("path") || key == QLatin1String("abstract")))
                return Socket{value, key == QLatin1String("abstract")};
        }
    }
    return std::nullopt;
}

QByteArray BusHandshake::opening() const
{
    const QByteArray uid = QByteArray::number(qulonglong(::getuid())).toHex();
    return QByteArray(1, '\0') + "AUTH EXTERNAL " + uid + "\r\n";
}

BusHandshake::Outcome BusHandshake::read(QByteArray &received, QByteArray &reply)
{
    reply.clear();
    if (!signedIn_) {
        const int end = received.indexOf("\r\n");
        if (end < 0)
            return Outcome::Talking;
        const QByteArray line = received.left(end);
        received.remove(0, end + 2);
        if (!line.startsWith("OK "))
            return Outcome::Refused;
        signedIn_ = true;
        reply = "BEGIN\r\n" + hello();
        return Outcome::Talking;
    }
    // The first message after the sign-in is the bus's reply to Hello: its
    // second byte is the message type, 2 for a method's return.
    if (received.size() < 2)
        return Outcome::Talking;
    return received.at(1) == 2 ? Outcome::Answered : Outcome::Refused;
}

// The Hello call in the bus's binary form, little-endian, serial 1.
QByteArray BusHandshake::hello()
{
    const auto pad = [](QByteArray &bytes, int boundary) {
        while (bytes.size() % boundary)
            bytes.append('\0');
    };
    const auto number = [](quint32 value) {
        QByteArray bytes(4, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    // Header fields: (code, variant) structures, each on an 8-byte boundary.
    // They begin at byte 16 of the message, so boundaries within them are
    // boundaries of the message too.
    QByteArray fields;
    const auto field = [&](char code, char type, const QByteArray &value) {
        pad(fields, 8);
        fields +=
            QByteArray(1, code) + QByteArray(1, 1) + QByteArray(1, type) + QByteArray(1, '\0');
        fields += number(quint32(value.size())) + value + QByteArray(1, '\0');
    };
    field(1, 'o', "/org/freedesktop/DBus"); // path
    field(6, 's', "org.freedesktop.DBus");  // destination
    field(2, 's', "org.freedesktop.DBus");  // interface
    field(3, 's', "Hello");                 // member
    // Byte order, method call, no flags, protocol 1; no body; serial 1.
    QByteArray message("l\1\0\1", 4);
    message += number(0) + number(1) + number(quint32(fields.size())) + fields;
    pad(message, 8);
    return message;
}
