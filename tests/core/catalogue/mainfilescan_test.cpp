// The quick read of a conversion's topics must give exactly the units that
// the whole reader gives, and must step aside for any file that the whole
// reader would report on or read differently.
#include "catalogue/mainfilereader.h"
#include "catalogue/mainfilescan.h"
#include "support/testlocales.h"

#include <gtest/gtest.h>

#include <QFile>

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
// field by field (coefficients bit for bit), the others must be empty.
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
            EXPECT_EQ(a.info, b.info);
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
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList words;
        UnitLevel level;
        std::vector<int> topics;
    };
    const Case cases[] = {
        // "m" is also the symbol of "mili" in the last topic.
        {"shipped, km and m", shipped, {QStringLiteral("km"), QStringLiteral("m")}, UnitLevel::All, {1, 26}},
        {"shipped, a name", shipped, {QStringLiteral("kilometr")}, UnitLevel::All, {1}},
        {"shipped, level 1 only", shipped, {QStringLiteral("km"), QStringLiteral("ft (US)")}, UnitLevel::Level1, {1}},
        {"shipped, a level 2 unit", shipped, {QStringLiteral("ft (US)")}, UnitLevel::Level2, {1}},
        {"shipped, unknown", shipped, {QStringLiteral("parsek-x")}, UnitLevel::All, {}},
        {"carried fields", "1|metr|m|1||True\r\n1|palec\r\n2|gram|g|0.001|i|true\n2|+x|y|1/PI\n",
         {QStringLiteral("palec"), QStringLiteral("y")}, UnitLevel::All, {1, 2}},
        {"byte order mark", "\xEF\xBB\xBF" "1|metr|m|1||True\r\n", {QStringLiteral("m")}, UnitLevel::All, {1}},
        {"a comment between", "1|metr|m|1||True\r\n'c|d|e\r\n1|čtvrť|č|2.5E-3\r\n", {QStringLiteral("č")},
         UnitLevel::All, {1}},
        {"a mark inside the file is text", "1|metr|m|1|\xEF\xBB\xBF\n", {QStringLiteral("m")}, UnitLevel::All, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataFileConfig config;
        config.level = c.level;
        config.locale = kCzech;
        auto whole = std::make_unique<UnitCatalogue>();
        ASSERT_TRUE(readMainDataBytes(*whole, config, c.bytes).isClean());
        auto quick = std::make_unique<UnitCatalogue>();
        const std::optional<DataFileReport> report = readMainDataTopicsNaming(*quick, config, c.bytes, c.words);
        ASSERT_TRUE(report.has_value());
        EXPECT_TRUE(report->isClean());
        expectTopicsAsRead(*quick, *whole, c.topics);
    }
}

TEST(MainFileScan, StepsAsideForWhatTheWholeReaderReportsOrReadsOtherwise)
{
    const char* const files[] = {
        "1|metr|m|1||True\r\n1|pa\x1Blec|p|2\r\n",          // a control character
        "1|metr|m|1||True\r1|palec|p|2\r\n",                 // a lone CR ends a line
        "1|metr|m|1||True\r\n1|p\xC2\x85|p|2\r\n",           // a C1 control
        "1|metr|m|1||True\r\n1|m\xE8tr|p|2\r\n",             // Windows-1250
        "1|metr|m|1||True\r\n'\xFF\r\n",                     // not UTF-8, in a comment
        "1|metr|m|1,5||True\r\n",                            // a comma
        "x|metr|m|1||True\r\n",                              // no topic
        "27|metr|m|1||True\r\n",                             // a user topic's slot
        "1|metr|m|1||True|7\r\n",                            // a seventh field
        "1|metr|m|1||maybe\r\n",                             // no truth value
        "1|metr|m|1e-400||True\r\n",                         // underflow
        "1|metr|m|1/0||True\r\n",                            // division by zero
        "1|metr|m|1,5/2||True\r\n",                          // a regional fraction
        "\xFF\xFE" "1\0",                                    // UTF-16
        "\r\n1|metr|m|1||True\r\n",                          // an empty line
    };
    for (const char* file : files) {
        const QByteArray bytes(file, qsizetype(std::strlen(file) + (file[0] == '\xFF' ? 1 : 0)));
        SCOPED_TRACE(bytes.toStdString());
        DataFileConfig config;
        config.locale = kCzech;
        UnitCatalogue catalogue;
        EXPECT_FALSE(readMainDataTopicsNaming(catalogue, config, bytes, {QStringLiteral("m")}).has_value());
    }
}

}  // namespace
