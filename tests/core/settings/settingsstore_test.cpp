#include "settings/settingsstore.h"

#include "support/testfiles.h"
#include "support/teststore.h"
#include "support/testtext.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::TestStore;
using tolvarin::test::u;

namespace {

TEST(SettingsStore, TextsSurviveARestartUnchanged)
{
    TestStore store;
    QFile ini(store.fileName());  // a hand-edited line: "Doba=0,5" is not quoted
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Obecne]\r\nDoba=0,5\r\n[Start]\r\nLeft= 1200 \r\n");
    ini.close();
    store.reopen();
    const QList<QStringList> texts = test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/storedtexts.txt"), 3, 5);
    for (const QStringList& t : texts) store.store->writeText(t[0], t[1], t[2]);
    ASSERT_FALSE(store.store->flush());
    store.reopen();
    for (const QStringList& t : texts)
        EXPECT_EQ(store.store->readText(t[0], t[1], u("<none>")), t[2]) << test::rowName(t);
    EXPECT_EQ(store.get("Obecne", "Doba") + u'|' + store.get("Start", "Left"), u("0,5|1200"));
    // A missing section or key gives the default; sections are apart.
    EXPECT_EQ(store.store->readText(u("Start"), u("Fix"), u("x")), u("x"));
}

TEST(SettingsStore, TheUsersStoreIsTheApplicationsIniFile)
{
    QTemporaryDir configHome;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configHome.path());
    SettingsStore store;
    EXPECT_EQ(store.fileName(), configHome.filePath("QXTolvarin140/QXTolvarin140.ini"));
    store.writeText(u("Start"), u("Spusteno"), u("1"));
    ASSERT_FALSE(store.flush());
    EXPECT_TRUE(QFile::exists(store.fileName()));
}

}  // namespace
