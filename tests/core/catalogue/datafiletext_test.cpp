#include "catalogue/datafileedit.h"
#include "catalogue/datafiletext.h"
#include "support/testfiles.h"
#include "support/testtext.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tolvarin;

namespace {

struct LinesCase {
    const char* text;
    QStringList expected;
};

TEST(DataFileText, LinesEndAtCrLfLoneCrOrLoneLf)
{
    // clang-format off
    const LinesCase cases[] = {
        {"", {}}, {"a", {"a"}}, {"a\r\nb", {"a", "b"}}, {"a\rb\nc", {"a", "b", "c"}}, {"a\n\nb", {"a", "", "b"}},
        {"a\r\n", {"a"}},  // a final line end starts no empty line
        {"\r\n", {""}}, {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},  // LF CR is two line ends
    };
    // clang-format on
    for (const LinesCase& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(splitLines(text), c.expected) << c.text;
        QStringList fromViews;
        for (QStringView view : lineViews(text)) fromViews.append(view.toString());
        EXPECT_EQ(fromViews, c.expected) << c.text;
    }
}

TEST(DataFileText, Utf8WhenValidOtherwiseWindows1250)
{
    const struct {
        QByteArray bytes;
        const char* text;
        TextEncoding encoding;
        int invalidUtf8Line;
        const char* unreadable;
    } cases[] = {
        {"Plošná míra", "Plošná míra", TextEncoding::Utf8, 0, ""},
        {"\xEF\xBB\xBFZáklad", "Základ", TextEncoding::Utf8WithBom, 0, ""},
        {"\xEF\xBB\xBF", "", TextEncoding::Utf8WithBom, 0, ""},
        {"\310esk\375 loket", "Český loket", TextEncoding::Windows1250, 0, ""},
        // An incomplete sequence at the very end: a Windows-1250 "č" without a
        // line end is kept; in a UTF-8 file it is invalid, not dropped.
        {"a\r\nb\xE8", "a\r\nbč", TextEncoding::Windows1250, 0, ""},
        {"á\r\nb\xC3", "á\r\nb\uFFFD", TextEncoding::Utf8, 2, ""},
        {QByteArrayLiteral("\xFF\xFE" "a\0"), "", TextEncoding::Utf8, 0, "UTF-16"},
        {QByteArrayLiteral("\xFE\xFF\0a"), "", TextEncoding::Utf8, 0, "UTF-16"},
        {QByteArrayLiteral("\xFF\xFE\0\0a\0\0\0"), "", TextEncoding::Utf8, 0, "UTF-32"},
        {QByteArrayLiteral("\0\0\xFE\xFF\0\0\0a"), "", TextEncoding::Utf8, 0, "UTF-32"},
    };
    for (const auto& c : cases) {
        const DecodedText decoded = decodeDataFile(c.bytes);
        EXPECT_EQ(decoded.text, tolvarin::test::u(c.text)) << c.text;
        EXPECT_EQ(decoded.encoding, c.encoding) << c.text;
        EXPECT_EQ(decoded.invalidUtf8Line, c.invalidUtf8Line) << c.text;
        EXPECT_EQ(decoded.unreadableEncoding, QString::fromLatin1(c.unreadable)) << c.text;
    }
    // Only the file's own mark goes: a second one is text, kept for the save.
    EXPECT_EQ(decodeDataFile("\xEF\xBB\xBF\xEF\xBB\xBF" "a").text, QString(QChar(0xFEFF)) + u'a');
}

TEST(DataFileText, ControlCharactersExceptTheTabAreReplaced)
{
    const QString text = QString::fromUtf16(u"a\tb\x1B[2J\x07\x7F\x85\x9F\xA0" "c") + QChar(0);
    EXPECT_EQ(withoutControlCharacters(text), tolvarin::test::u("a\tb\uFFFD[2J\uFFFD\uFFFD\uFFFD\uFFFD\u00A0c\uFFFD"));
    EXPECT_FALSE(hasControlCharacters(u"Délka\t°C ·10⁻³"));
}

// A data path that is no regular file, or a file too large to be a data file,
// is refused before anything is read: a FIFO would block the open, /dev/zero
// would never end.
TEST(DataFileText, OnlyARegularFileOfSaneSizeIsRead)
{
    using S = DataFileBytes::Status;
    using E = DataFileRead::Status;
    test::TestFolder folder;
    const QString fifo = folder.path(QStringLiteral("fifo.tvd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto sized = [&](const char* name, qint64 size) {
        QFile file(folder.path(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));  // sparse: nothing is written
        return file.fileName();
    };
    const struct {
        QString path;
        S status;
        E forEditing;
        qsizetype size;
    } cases[] = {
        {folder.writeBytes(QStringLiteral("a.tvd"), "1|m|m|1"), S::Read, E::Read, 7},
        {sized("full.tvd", kMaxDataFileBytes), S::Read, E::Read, kMaxDataFileBytes},
        {sized("over.tvd", kMaxDataFileBytes + 1), S::TooLarge, E::Failed, 0},
        {folder.writeBytes(QStringLiteral("wide.tvd"), QByteArrayLiteral("\xFF\xFE" "1\0")), S::Read, E::Failed, 4},
        {folder.path(QStringLiteral("none.tvd")), S::Missing, E::Missing, 0},
        {fifo, S::Missing, E::Missing, 0},
        {QStringLiteral("/dev/zero"), S::Missing, E::Missing, 0},
    };
    for (const auto& c : cases) {
        const DataFileBytes read = readDataFileBytes(c.path);
        EXPECT_EQ(read.status, c.status) << c.path.toStdString();
        EXPECT_EQ(read.bytes.size(), c.size) << c.path.toStdString();
        EXPECT_EQ(readDataFileForEditing(c.path).status, c.forEditing) << c.path.toStdString();
    }
}

}  // namespace
