// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/initext.h"

namespace {
QString slot(const QString &group, const QString &key)
{
    return group + QLatin1Char('/') + key;
}

// A value in double quotes is the text between them.
QString unquoted(const QByteArray &raw)
{
    const QByteArray trimmed = raw.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith('"') && trimmed.endsWith('"'))
        return QString::fromUtf8(trimmed.mid(1, trimmed.size() - 2));
    return QString::fromUtf8(trimmed);
}
} // namespace

IniText::IniText(const QByteArray &text)
{
    if (text.isEmpty())
        return;
    QString group;
    const QList<QByteArray> raw = text.split('\n');
    // A final newline ends the last line; it does not begin another.
    const qsizetype count = text.endsWith('\n') ? raw.size() - 1 : raw.size();
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArray &line = raw.at(i);
        const std::optional<QString> header = groupOf(line);
        if (header)
            group = *header;
        const QString key = header ? QString() : keyOf(line);
        lines_.append({line, group, key});
        if (!key.isEmpty())
            values_.insert(slot(group, key), unquoted(line.mid(line.indexOf('=') + 1)));
    }
}

std::optional<QString> IniText::groupOf(const QByteArray &line)
{
    const QByteArray trimmed = line.trimmed();
    if (trimmed.size() < 2 || !trimmed.startsWith('[') || !trimmed.endsWith(']'))
        return std::nullopt;
    return QString::fromUtf8(trimmed.mid(1, trimmed.size() - 2));
}

QString IniText::keyOf(const QByteArray &line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0 || line.trimmed().startsWith(';') || line.trimmed().startsWith('#'))
        return {};
    return QString::fromUtf8(line.left(equals).trimmed());
}

std::optional<QString> IniText::value(const QString &group, const QString &key) const
{
    const auto found = values_.constFind(slot(group, key));
    if (found == values_.constEnd())
        return std::nullopt;
    return *found;
}

void IniText::setValue(const QString &group, const QString &key, const QString &text)
{
    values_.insert(slot(group, key), text);
    const QByteArray line = key.toUtf8() + '=' + text.toUtf8();
    qsizetype lastOfGroup = -1;
    for (qsizetype i = lines_.size() - 1; i >= 0; --i) {
        const Line &at = lines_.at(i);
        if (at.group != group)
            continue;
        if (at.key == key) {
            lines_[i].text = line;
            return;
        }
        if (lastOfGroup < 0 && !at.text.trimmed().isEmpty())
            lastOfGroup = i;
    }
    if (lastOfGroup >= 0) {
        lines_.insert(lastOfGroup + 1, {line, group, key});
        return;
    }
    // A new group goes at the end, a blank line apart from the one before.
    if (!lines_.isEmpty() && !lines_.last().text.trimmed().isEmpty())
        lines_.append({QByteArray(), lines_.last().group, QString()});
    lines_.append({'[' + group.toUtf8() + ']', group, QString()});
    lines_.append({line, group, key});
}

void IniText::remove(const QString &group, const QString &key)
{
    values_.remove(slot(group, key));
    lines_.removeIf([&](const Line &line) { return line.group == group && line.key == key; });
}

QByteArray IniText::bytes() const
{
    QByteArray text;
    for (const Line &line : lines_)
        text += line.text + '\n';
    return text;
}
