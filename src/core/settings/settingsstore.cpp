#include "settings/settingsstore.h"

#include <QStringList>
#include <QVariant>

namespace tolvarin {

namespace {

QString storeKey(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

}  // namespace

SettingsStore::SettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kApplication),
                QString::fromLatin1(kApplication))
{
}

SettingsStore::SettingsStore(const QString& iniFile) : settings_(iniFile, QSettings::IniFormat) {}

QString SettingsStore::readText(const QString& section, const QString& key, const QString& defaultText) const
{
    const QString address = storeKey(section, key);
    if (!settings_.contains(address)) return defaultText;
    const QVariant value = settings_.value(address);
    // A hand-edited line such as "Doba=0,5" is not quoted, and the INI reader
    // splits it at the comma; put the text back together.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsStore::writeText(const QString& section, const QString& key, const QString& text)
{
    settings_.setValue(storeKey(section, key), text);
}

bool SettingsStore::flush()
{
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

}  // namespace tolvarin
