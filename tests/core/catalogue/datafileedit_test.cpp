#include "catalogue/datafileedit.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

TEST(DataFileEdit, SavedWithoutEditsIsTheSameToTheByte)
{
    const QByteArray files[] = {
        "",
        "1|metr|m|1|Z\xC3\xA1klad|True\r\n1|m\xC3\xADle\xC2\xA0n\xC3\xA1mo\xC5\x99n\xC3\xAD|NM|1852",  // no final line end
        "\xEF\xBB\xBF'U1=Frekvence\r\n1|hertz|Hz|1|\r\n",                                          // byte order mark
        "\310esk\375 loket\r\n\240\r\n\x81\x83",  // Windows-1250 with a no-break space and unassigned bytes
        "a\r\nb\rc\nd\r\r\ne\n\r",               // every line end, mixed
    };
    for (const QByteArray& bytes : files) {
        const EditedDataFile file = splitDataFile(bytes);
        const EncodedDataFile saved = encodeEditedFile(file, file.lines, file.encoding);
        EXPECT_EQ(saved.bytes, bytes) << bytes.toStdString();
    }
}

TEST(DataFileEdit, LinesLeftAsTheyWereKeepTheirLineEnds)
{
    const struct {
        QByteArray before;
        QStringList lines;
        QByteArray after;
    } cases[] = {
        {"a\nb\rc\r\n", {"a", "B", "c", ""}, "a\nB\r\nc\r\n"},            // a changed line ends with CR LF
        {"a\nb\nc", {"a", "x", "b", "c"}, "a\nx\r\nb\nc"},                // an inserted one too
        {"a\nb\nc\nd\ne", {"A", "b", "c", "D", "e"}, "A\r\nb\nc\nD\r\ne"},  // two edits apart
        {"a\nb", {"a", "b", "c"}, "a\nb\r\nc"},                           // still no final line end
        {"a\rb\rc", {"a", "c"}, "a\rc"},
    };
    for (const auto& c : cases) {
        const EncodedDataFile saved = encodeEditedFile(splitDataFile(c.before), c.lines, TextEncoding::Utf8);
        EXPECT_EQ(saved.bytes, c.after) << c.before.toStdString();
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

TEST(DataFileEdit, TopicLineIsFoundByTheNumberWithinItsFile)
{
    const QStringList lines = {u("'1|comment"), u("10|radián|rad|1||True"), u("1|metr|m|1||True"), u("2|ar|a|100|")};
    const struct {
        DataFileKind file;
        int slot;
        int line;
    } cases[] = {{DataFileKind::Main, 1, 2},   {DataFileKind::Main, 10, 1}, {DataFileKind::Main, 3, -1},
                 {DataFileKind::Main, 27, -1}, {DataFileKind::User, 28, 3}, {DataFileKind::User, 2, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(topicLine(lines, topicNumberInFile(c.file, c.slot)), c.line) << c.slot;
}

}  // namespace
