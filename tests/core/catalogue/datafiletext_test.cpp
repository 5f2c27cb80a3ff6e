#include "catalogue/datafiletext.h"
#include "catalogue/datafileedit.h"
#include "support/testfiles.h"
#include "support/testtext.h"

#include <QFile>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tolvarin;

namespace {

QString escapedText(const QString& field)
{
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)(test::escapedBytes(field));
}

TEST(DataFileText, LinesEndAtCrLfLoneCrOrLoneLf)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/lineends.txt"), 0, 9)) {
        const QString text = escapedText(f[0]);
        EXPECT_EQ(splitLines(text), f.mid(1)) << test::rowName(f);
        QStringList fromViews;
        for (QStringView view : lineViews(text)) fromViews.append(view.toString());
        EXPECT_EQ(fromViews, f.mid(1)) << test::rowName(f);
    }
}

TEST(DataFileText, Utf8WhenValidOtherwiseWindows1250)
{
    const QStringList encodings = {"utf8", "utf8bom", "cp1250"};
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/decoding.txt"), 5, 11)) {
        ASSERT_TRUE(encodings.contains(f[2])) << test::rowName(f);
        const DecodedText decoded = decodeDataFile(test::escapedBytes(f[0]));
        EXPECT_EQ(decoded.text, escapedText(f[1])) << test::rowName(f);
        EXPECT_EQ(decoded.encoding, TextEncoding(encodings.indexOf(f[2]))) << test::rowName(f);
        EXPECT_EQ(decoded.invalidUtf8Line, f[3].toInt()) << test::rowName(f);
        EXPECT_EQ(decoded.unreadableEncoding, f[4]) << test::rowName(f);
    }
}

TEST(DataFileText, ControlCharactersExceptTheTabAreReplaced)
{
    const QString text = QString::fromUtf16(
                             u"a\tb\x1B[2J\x07\x7F\x85\x9F\xA0"
                             "c") +
                         QChar(0);
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
        {folder.writeBytes(QStringLiteral("wide.tvd"), QByteArrayLiteral("\xFF\xFE"
                                                                         "1\0")),
         S::Read, E::Failed, 4},
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
