#pragma once

#include "settings/settingsstore.h"

#include <QTemporaryDir>

#include <memory>

namespace tolvarin::test {

// A settings store in a temporary folder: tests never touch the user's store.
class TestStore {
public:
    TestStore() : store(std::make_unique<SettingsStore>(fileName())) {}

    QString fileName() const { return dir_.filePath(QStringLiteral("QXTolvarin140.ini")); }
    // Closes the store and opens the file again, as the next run would.
    void reopen()
    {
        store.reset();
        store = std::make_unique<SettingsStore>(fileName());
    }
    void set(const char* section, const char* key, const QString& text)
    {
        store->writeText(QString::fromLatin1(section), QString::fromLatin1(key), text);
    }
    QString get(const char* section, const char* key) const
    {
        return store->readText(QString::fromLatin1(section), QString::fromLatin1(key), QStringLiteral("<none>"));
    }

private:
    QTemporaryDir dir_;

public:
    std::unique_ptr<SettingsStore> store;
};

}  // namespace tolvarin::test
