#include "settings/inisettingsstore.h"

#include <QStandardPaths>

namespace {
const QString Application = QStringLiteral("KORVA-Interface");

QString path(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}
} // namespace

IniSettingsStore::IniSettingsStore() : IniSettingsStore(defaultFilePath()) {}

QString IniSettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" +
           Application + "/" + Application + ".conf";
}

IniSettingsStore::IniSettingsStore(const QString &filePath)
    : settings_(filePath, QSettings::IniFormat)
{}

QString IniSettingsStore::read(const QString &section, const QString &key,
                               const QString &defaultText) const
{
    const QVariant value = settings_.value(path(section, key));
    if (!value.isValid())
        return defaultText;
    // A hand-edited value with commas comes back as a list; keep it as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void IniSettingsStore::write(const QString &section, const QString &key, const QString &text)
{
    settings_.setValue(path(section, key), text);
    settings_.sync();
}
