#include "settings/settingsstore.h"

#include "common/textutil.h"

#include <QDir>
#include <QSaveFile>
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

std::optional<QString> SettingsStore::flush()
{
    settings_.sync();
    if (settings_.status() == QSettings::NoError) return std::nullopt;
    // QSettings only says that writing failed; a trial write into the same
    // folder, thrown away afterwards, finds the system's reason.
    QSaveFile trial(settings_.fileName());
    if (!trial.open(QIODevice::WriteOnly)) return trial.errorString();
    const QByteArray probe(4096, ' ');
    if (trial.write(probe) != probe.size() || !trial.flush()) {
        const QString reason = trial.errorString();
        trial.cancelWriting();
        return reason;
    }
    trial.cancelWriting();
    return settings_.status() == QSettings::FormatError ? QStringLiteral("chybný formát souboru")
                                                        : QStringLiteral("soubor nelze zapsat");
}

QString settingsNotSavedText(const QString& fileName, const QString& reason, const QString& lost)
{
    QStringList parts = {QStringLiteral("Nastavení se nepodařilo uložit do souboru ") +
                             QDir::toNativeSeparators(fileName) + QLatin1Char('.'),
                         QStringLiteral("Důvod: ") + reason + QLatin1Char('.')};
    if (!lost.isEmpty()) parts << QString() << lost;
    return joinLines(parts);
}

}  // namespace tolvarin
