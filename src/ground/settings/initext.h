// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// The text of an INI settings file, as the program and earlier versions of it
// write it: "[Group]" lines, then "Key=value" lines. Setting a value edits
// only the line of that key (or adds one); every other line, group, key,
// comment and even unreadable junk stays exactly as it was.
class IniText
{
public:
    explicit IniText(const QByteArray &text = {});

    // The value of the key in the group; the last line wins when a key repeats.
    std::optional<QString> value(const QString &group, const QString &key) const;
    void setValue(const QString &group, const QString &key, const QString &text);
    // Takes out every line of the key in the group; the group's header stays.
    void remove(const QString &group, const QString &key);

    QByteArray bytes() const;

private:
    struct Line
    {
        QByteArray text;
        QString group; // the group this line lies in
        QString key;   // empty unless it is a key line
    };
    static QString keyOf(const QByteArray &line);
    static std::optional<QString> groupOf(const QByteArray &line);

    QList<Line> lines_;
    QHash<QString, QString> values_; // "group/key" -> value
};
