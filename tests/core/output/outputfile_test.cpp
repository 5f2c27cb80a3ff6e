#include "output/outputfile.h"

#include "support/testfiles.h"
#include "support/testtext.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

const QByteArray kSeparator = QByteArray(60, '-') + "\r\n";

TEST(OutputFile, BlocksAreAppendedOrReplaceTheFile)
{
    test::TestFolder folder;
    const OutputFile file(folder.path(u("nová/složka")));  // made at the first write
    EXPECT_EQ(outputFileLabel(file.status()), u("TOLVAR.ASC neexistuje"));

    ASSERT_EQ(file.write({u("metr"), u("kilometr")}, OutputFile::Write::Append, true), std::nullopt);
    ASSERT_EQ(file.write({u("čára")}, OutputFile::Write::Append, false), std::nullopt);
    const QByteArray twoBlocks = kSeparator + "metr\r\nkilometr\r\n" + u("čára\r\n").toUtf8();
    EXPECT_EQ(test::fileBytes(file.path()), twoBlocks);
    EXPECT_EQ(outputFileLabel(file.status()), u("TOLVAR.ASC %1 B").arg(twoBlocks.size()));
    EXPECT_EQ(file.readLines().lines, (QStringList{QString(60, u'-'), u("metr"), u("kilometr"), u("čára")}));

    ASSERT_EQ(file.write({u("palec")}, OutputFile::Write::Replace, true), std::nullopt);
    EXPECT_EQ(test::fileBytes(file.path()), kSeparator + "palec\r\n");
}

TEST(OutputFile, FailuresGiveTheReasonAndLeaveTheFileAlone)
{
    test::TestFolder folder;
    const OutputFile inPlainFile(folder.writeBytes(u("soubor"), "x"));  // the folder is a file
    QDir(folder.path({})).mkpath(u("adresář/TOLVAR.ASC"));              // the output file is a folder
    const OutputFile onFolder(folder.path(u("adresář")));

    for (const OutputFile* file : {&inPlainFile, &onFolder}) {
        for (auto mode : {OutputFile::Write::Append, OutputFile::Write::Replace})
            EXPECT_FALSE(file->write({u("metr")}, mode, false).value_or(QString()).isEmpty()) << int(mode);
    }
    EXPECT_FALSE(onFolder.status().error.isEmpty());
    EXPECT_EQ(outputFileLabel(onFolder.status()), u("TOLVAR.ASC"));
    EXPECT_FALSE(onFolder.readLines().error.isEmpty());
    EXPECT_EQ(test::fileBytes(folder.path(u("soubor"))), QByteArray("x"));
    const OutputFile onFullDevice(folder.path({}));
    if (QFile::link(u("/dev/full"), onFullDevice.path())) {
        EXPECT_FALSE(onFullDevice.write({u("metr")}, OutputFile::Write::Append, true).value_or(QString()).isEmpty());
    }
}

}  // namespace
