#pragma once

#include <QSettings>
#include <QString>

#include <optional>

namespace tolvarin {

// The per-user settings store: texts addressed by section and key, kept in an
// INI file with one group per section ("Obecne", "Start", "Edit", "Navigator").
// Every value is written and read as text; the program never deletes or lists
// keys.
//
// The default store is QSettings' user INI file of the application
// "QXTolvarin140": on Linux $XDG_CONFIG_HOME/QXTolvarin140/QXTolvarin140.ini
// (~/.config/... when XDG_CONFIG_HOME is unset). Tests open a file of their
// own.
class SettingsStore {
public:
    static constexpr const char* kApplication = "QXTolvarin140";

    SettingsStore();                                 // the user's store
    explicit SettingsStore(const QString& iniFile);  // an explicit INI file

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored text, or defaultText when the section or the key does not exist.
    QString readText(const QString& section, const QString& key, const QString& defaultText) const;
    // Creates the section and the key as needed and overwrites the old text.
    void writeText(const QString& section, const QString& key, const QString& text);

    // Writes pending changes to the file now (QSettings also does so on its own
    // and on destruction). The system's reason when the file could not be
    // written; the file then stays as it was.
    std::optional<QString> flush();

    QString fileName() const { return settings_.fileName(); }

private:
    QSettings settings_;
};

// The message of a failed write: "Nastavení se nepodařilo uložit do souboru
// …", the reason, and what was not kept (may be empty).
QString settingsNotSavedText(const QString& fileName, const QString& reason, const QString& lost);

}  // namespace tolvarin
