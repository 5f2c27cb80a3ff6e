#include "catalogue/datafilelocation.h"

#include "support/testfiles.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

// The user's own copy comes first, then the installed file, then the one
// beside the program; a folder of the file's name is no file.
TEST(DataFileLocation, UserCopyThenInstalledThenProgramFolder)
{
    test::TestFolder root;
    const DataFolders folders{root.path("user"), root.path("installed"), root.path("program")};
    for (const QString& folder : {folders.user, folders.installed, folders.program}) QDir().mkpath(folder);
    const auto place = [&](const QString& folder) { root.writeBytes(folder + "/Tolvar.tvd", "1|m|m|1||True\r\n"); };

    EXPECT_EQ(locateDataFile("Tolvar.tvd", folders), QString());
    place("program");
    EXPECT_EQ(locateDataFile("Tolvar.tvd", folders), root.path("program/Tolvar.tvd"));
    place("installed");
    EXPECT_EQ(locateDataFile("Tolvar.tvd", folders), root.path("installed/Tolvar.tvd"));
    QDir().mkpath(root.path("user/Tolvar.tvd"));  // not a file
    EXPECT_EQ(locateDataFile("Tolvar.tvd", folders), root.path("installed/Tolvar.tvd"));
    QDir().rmdir(root.path("user/Tolvar.tvd"));
    place("user");
    EXPECT_EQ(locateDataFile("Tolvar.tvd", folders), root.path("user/Tolvar.tvd"));
    EXPECT_EQ(editedCopyPath("User.tvd", folders), root.path("user/User.tvd"));
    EXPECT_TRUE(userDataFolder().endsWith("/tolvarin"));
}

}  // namespace
