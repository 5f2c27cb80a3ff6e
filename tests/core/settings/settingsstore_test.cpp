#include "settings/settingsstore.h"

#include "support/teststore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::TestStore;

namespace {

struct TextCase {
    const char* section;
    const char* key;
    QString text;
};

TEST(SettingsStore, TextsSurviveARestartUnchanged)
{
    const TextCase cases[] = {
        {"Obecne", "Fix", " 4 "},
        {"Obecne", "Doba", "0,0035069444444444444"},  // a comma must not split the text
        {"Obecne", "Path", "/home/eva/Převody/Tolvar.tvd"},
        {"Navigator", "S1", "Vzdálenost; \"dráha\""},
        {"Start", "Left", "-1200"},
        {"Edit", "FontName", "@Sans"},
        {"Obecne", "Veliciny", ""},
    };
    TestStore store;
    for (const TextCase& c : cases) store.set(c.section, c.key, c.text);
    ASSERT_TRUE(store.store->flush());
    store.reopen();
    for (const TextCase& c : cases) EXPECT_EQ(store.get(c.section, c.key), c.text) << c.key;
}

TEST(SettingsStore, MissingSectionOrKeyGivesTheDefault)
{
    TestStore store;
    EXPECT_EQ(store.store->GetSetting("Obecne", "File", "Tolvar.tvd"), "Tolvar.tvd");
    store.set("Obecne", "File", "Moje.tvd");
    EXPECT_EQ(store.store->GetSetting("Obecne", "FileUser", "User.tvd"), "User.tvd");
    EXPECT_EQ(store.store->GetSetting("Start", "File", "x"), "x");  // sections are separate
    EXPECT_EQ(store.store->GetSetting("Obecne", "File", "Tolvar.tvd"), "Moje.tvd");
}

TEST(SettingsStore, SectionsAreIniGroupsAndHandEditsAreRead)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("QXTolvarin140.ini");
    QFile ini(file);
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Obecne]\r\nDoba=0,5\r\nNahled=false\r\n[Start]\r\nLeft= 1200 \r\n");
    ini.close();
    const SettingsStore store(file);
    EXPECT_EQ(store.GetSetting("Obecne", "Doba", "0"), "0,5");
    EXPECT_EQ(store.GetSetting("Obecne", "Nahled", "True"), "false");
    EXPECT_EQ(store.GetSetting("Start", "Left", "0"), "1200");
}

TEST(SettingsStore, TheUsersStoreIsTheApplicationsIniFile)
{
    QTemporaryDir configHome;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configHome.path());
    SettingsStore store;
    EXPECT_EQ(store.fileName(), configHome.filePath("QXTolvarin140/QXTolvarin140.ini"));
    store.SaveSetting("Start", "Spusteno", "1");
    ASSERT_TRUE(store.flush());
    EXPECT_TRUE(QFile::exists(store.fileName()));
}

}  // namespace
