// The quick read of a conversion's topics must give exactly the units that
// the whole reader gives, and must step aside for any file that the whole
// reader would report on or read differently.
#include "catalogue/mainfilescan.h"
#include "catalogue/mainfilereader.h"
#include "support/testfiles.h"
#include "support/testlocales.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include <cstring>
#include <memory>
#include <vector>

using namespace tolvarin;

namespace {

QByteArray shippedMainFile()
{
    QFile file(QStringLiteral(TOLVARIN_SHIPPED_DATA_DIR "/Tolvar.tvd"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Compares every built-in topic: those listed must equal the whole read
// field by field (coefficients bit for bit) but for the information texts,
// which the quick read leaves out; the others must be empty.
void expectTopicsAsRead(const UnitCatalogue& quick, const UnitCatalogue& whole, const std::vector<int>& topics)
{
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) {
        const bool listed = std::find(topics.begin(), topics.end(), slot) != topics.end();
        ASSERT_EQ(quick.count(slot), listed ? whole.count(slot) : 0) << "topic " << slot;
        for (int row = 1; row <= quick.count(slot); ++row) {
            const Unit& a = quick.unit(slot, row);
            const Unit& b = whole.unit(slot, row);
            EXPECT_EQ(a.name, b.name);
            EXPECT_EQ(a.symbol, b.symbol);
            EXPECT_TRUE(a.info.isEmpty());  // a conversion does not show it
            EXPECT_EQ(a.level, b.level);
            EXPECT_EQ(std::memcmp(&a.coefficient, &b.coefficient, sizeof(double)), 0) << a.name.toStdString();
        }
    }
    EXPECT_EQ(quick.mainFileEncoding, whole.mainFileEncoding);
}

TEST(MainFileScan, ReadsTheTopicsOfTheWordsAsTheWholeReaderDoes)
{
    const QByteArray shipped = shippedMainFile();
    ASSERT_FALSE(shipped.isEmpty());
    const QStringList lines = test::dataFileLines(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/scanreads.txt"));
    ASSERT_GE(lines.size(), 9);
    for (const QString& line : lines) {
        SCOPED_TRACE(line.toStdString());
        const QStringList f = test::dataFields(line.section(u'|', 0, 2));
        const QString file = line.section(u'|', 3).trimmed();
        DataFileConfig config;
        config.level = UnitLevel(f.value(1).toInt());
        config.locale = kCzech;
        const QByteArray bytes = file == QStringLiteral("shipped") ? shipped : test::escapedBytes(file);
        auto whole = std::make_unique<UnitCatalogue>();
        ASSERT_TRUE(readMainDataBytes(*whole, config, bytes).isClean());
        auto quick = std::make_unique<UnitCatalogue>();
        const QStringList words = f[0].split(QRegularExpression(QStringLiteral("\\s*;\\s*")));
        const std::optional<DataFileReport> report = readMainDataTopicsNaming(*quick, config, bytes, words);
        ASSERT_TRUE(report.has_value());
        EXPECT_TRUE(report->isClean());
        std::vector<int> topics;
        for (const QString& topic : f.value(2).split(u' ', Qt::SkipEmptyParts)) topics.push_back(topic.toInt());
        expectTopicsAsRead(*quick, *whole, topics);
    }
}

TEST(MainFileScan, StepsAsideForWhatTheWholeReaderReportsOrReadsOtherwise)
{
    const QStringList lines = test::dataFileLines(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/scanaside.txt"));
    ASSERT_GE(lines.size(), 15);
    for (const QString& line : lines) {
        DataFileConfig config;
        config.locale = kCzech;
        UnitCatalogue catalogue;
        EXPECT_FALSE(readMainDataTopicsNaming(catalogue, config, test::escapedBytes(line), {QStringLiteral("m")}))
            << line.toStdString();
    }
}

// The bytes are judged in blocks, so each piece of text is tried at every
// place against a block's end, inside a line and at the file's very end.
TEST(MainFileScan, JudgesEachCharacterWhereverItFalls)
{
    struct Piece {
        const char* bytes;
        bool plain;
    };
    const Piece pieces[] = {
        {"\xC4\x8D", true},
        {"\xC2\xA0", true},
        {"\xE2\x80\x9E", true},
        {"\xF0\x9F\x98\x80", true},
        {"a\r\n1|b|c|2|", true},
        {"\xC2\x9F", false},
        {"\x7F", false},
        {"\x01", false},
        {"a\rb", false},
        {"\x80", false},
        {"\xC4", false},
        {"\xC4"
         "a",
         false},
        {"\xE2\x80", false},
        {"\xED\xA0\x80", false},
        {"\xC0\xAF", false},
    };
    DataFileConfig config;
    config.locale = kCzech;
    for (const Piece& piece : pieces) {
        for (int padding = 0; padding < 70; ++padding) {
            for (const char* end : {"|True\r\n1|palec|p|2\r\n", ""}) {
                const QByteArray bytes = "1|metr|m|1|" + QByteArray(padding, 'x') + piece.bytes + end;
                SCOPED_TRACE(bytes.toHex(' ').toStdString());
                UnitCatalogue quick;
                const std::optional<DataFileReport> report =
                    readMainDataTopicsNaming(quick, config, bytes, {QStringLiteral("m")});
                ASSERT_EQ(report.has_value(), piece.plain);
                if (!report) continue;
                UnitCatalogue whole;
                ASSERT_TRUE(readMainDataBytes(whole, config, bytes).isClean());
                expectTopicsAsRead(quick, whole, {1});
            }
        }
    }
}

}  // namespace
