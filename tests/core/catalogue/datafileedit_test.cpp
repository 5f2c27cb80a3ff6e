#include "catalogue/datafileedit.h"
#include "support/testfiles.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

TEST(DataFileEdit, CasesOfTheDataFile)
{
    const QStringList topicLines = {u("'1|comment"), u("10|radián|rad|1||True"), u("1|metr|m|1||True"),
                                    u("2|ar|a|100|")};
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/edits.txt"), 0, 16)) {
        const QByteArray bytes = test::escapedBytes(f.value(1));
        if (f[0] == u("unchanged") && f.size() == 2) {
            const EditedDataFile file = splitDataFile(bytes);
            EXPECT_EQ(encodeEditedFile(file, file.lines, file.encoding).bytes, bytes) << test::rowName(f);
        } else if (f[0] == u("edited") && f.size() >= 4) {
            const EncodedDataFile saved = encodeEditedFile(splitDataFile(bytes), f.mid(3), TextEncoding::Utf8);
            EXPECT_EQ(saved.bytes, test::escapedBytes(f[2])) << test::rowName(f);
        } else {
            ASSERT_TRUE(f[0] == u("topic") && f.size() == 4) << test::rowName(f);
            const DataFileKind kind = f[1] == u("main") ? DataFileKind::Main : DataFileKind::User;
            EXPECT_EQ(topicLine(topicLines, topicNumberInFile(kind, f[2].toInt())), f[3].toInt()) << test::rowName(f);
        }
    }
}

TEST(DataFileEdit, CharacterTheEncodingCannotHoldNamesItsLine)
{
    const EditedDataFile file = splitDataFile("\350\r\nb");  // "č" in Windows-1250
    ASSERT_EQ(file.encoding, TextEncoding::Windows1250);
    const QStringList lines = {u("č"), u("bΩ")};
    const EncodedDataFile refused = encodeEditedFile(file, lines, TextEncoding::Windows1250);
    EXPECT_EQ(refused.badLine, 2);
    EXPECT_EQ(refused.badCharacter, QChar(0x03A9));
    EXPECT_TRUE(refused.bytes.isEmpty());
    EXPECT_EQ(encodeEditedFile(file, lines, TextEncoding::Utf8).bytes, QByteArray("\xC4\x8D\r\nb\xCE\xA9"));
}

}  // namespace
