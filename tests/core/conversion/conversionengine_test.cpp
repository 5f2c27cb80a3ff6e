#include "conversion/conversionengine.h"

#include "common/apptitle.h"
#include "conversion/conversiontext.h"
#include "testtopics.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

const DisplayFormat kSingle{PrecisionMode::Single};
const DisplayFormat kDouble{PrecisionMode::Double};
const DisplayFormat kScientific{PrecisionMode::Scientific};
const DisplayFormat kFixed2{PrecisionMode::Fixed, FixPattern(2)};

std::string where(const QLocale& locale, const char* name) { return locale.name().toStdString() + ": " + name; }

// A completed conversion of a length: every row, the source row included, is
// recomputed from the source row's text and shown in the mode.
struct LengthCase {
    const char* name;
    int row;
    const char* entered;
    DisplayFormat format;
    std::initializer_list<const char*> column;  // m, km, mm
};

TEST(ConversionEngine, LengthRowsAreRecomputedFromTheSourceRow)
{
    const Topic length = lengthTopic();
    const LengthCase cases[] = {
        {"1 km", 1, "1,0", kSingle, {"1000", "1", "1000000"}},
        {"1 mm", 2, "1", kDouble, {"0,001", "1E-06", "1"}},
        {"single rounds the source row", 1, "1,23456789", kSingle, {"1234,568", "1,234568", "1234568"}},
        {"fixed 2", 1, "0,0012345", kFixed2, {"1,23", "0,00", "1234,50"}},
    };
    for (const QLocale* locale : kLocales) {
        for (const auto& c : cases) {
            ConversionEngine engine;
            RecordingMessageSink sink;
            const CommitResult r =
                run(engine, {length, c.row, localText(c.entered, *locale), {}, {}, c.format}, *locale, sink);
            EXPECT_EQ(r.column, localColumn(c.column, *locale)) << where(*locale, c.name);
            EXPECT_TRUE(r.columnChanged && r.counts && r.recordLine && r.refreshClipboardCommands &&
                        r.rebuildMagnifier && !r.failed)
                << where(*locale, c.name);
            EXPECT_EQ(r.markRow, c.row) << where(*locale, c.name);
            EXPECT_TRUE(sink.messages.isEmpty()) << where(*locale, c.name);
        }
    }
}

TEST(ConversionEngine, SummaryLineComparesWithTheFirstUnit)
{
    const Topic length = lengthTopic();
    for (const QLocale* locale : kLocales) {
        ConversionEngine engine;
        RecordingMessageSink sink;
        const CommitResult r = run(engine, {length, 1, QStringLiteral("5"), {}, {}, kFixed2}, *locale, sink);
        const QString expected = localText(" km: 5,00 km = 5 000,00 m ", *locale);
        ASSERT_TRUE(r.infoLine.has_value()) << where(*locale, "summary");
        EXPECT_EQ(r.infoLine->text, expected) << where(*locale, "summary");
        EXPECT_EQ(r.infoLine->colour, InfoColour::Black);
        EXPECT_FALSE(r.infoLine->important);
        // The preview of a cell change is the same line.
        EXPECT_EQ(previewLine(length.units, r.column, 1, 2, PreviewTarget::FirstUnit, *locale), expected);
    }
}

TEST(ConversionEngine, EmptyEntryOutsideTemperatureOnlyEmptiesTheCell)
{
    const Topic length = lengthTopic();
    for (const QLocale* locale : kLocales) {
        ConversionEngine engine;
        RecordingMessageSink sink;
        const QStringList column = localColumn({"1000", "1", "1000000"}, *locale);
        const CommitResult r = run(engine, {length, 1, QString(), column, QStringLiteral("1")}, *locale, sink);
        EXPECT_EQ(r.column, localColumn({"1000", "", "1000000"}, *locale));
        EXPECT_FALSE(r.failed || r.counts || r.recordLine || r.markRow || r.infoLine || r.rebuildMagnifier);
        EXPECT_TRUE(sink.messages.isEmpty());
    }
}

TEST(ConversionEngine, NegativeValueTurnsPositiveWithOneNoticePerRun)
{
    const Topic length = lengthTopic();
    const QString notice = QStringLiteral(
        "Zadáno záporné číslo.\r\n\r\n"
        "Záporné hodnoty se nepoužívají. Budou převedeny na kladná čísla.\r\n\r\n"
        "Poznámka: Tato zpráva už nebude zobrazena.\r\n");
    for (const QLocale* locale : kLocales) {
        ConversionEngine engine;
        RecordingMessageSink sink;
        for (int attempt = 0; attempt < 2; ++attempt) {
            const CommitResult r = run(engine, {length, 1, QStringLiteral("-5")}, *locale, sink);
            EXPECT_EQ(r.column, localColumn({"5000", "5", "5000000"}, *locale)) << attempt;
            EXPECT_TRUE(r.counts) << attempt;
        }
        ASSERT_EQ(sink.messages.size(), 1);
        EXPECT_EQ(sink.messages[0].icon, MessageIcon::Information);
        EXPECT_EQ(sink.messages[0].title, appTitle());
        EXPECT_EQ(sink.messages[0].text, notice);
        EXPECT_TRUE(engine.negativeNoticeShown());
    }
}

// Temperature: the fixed formulas, the edited row kept as entered, and the
// absolute-zero rule. Neither counted nor marked.
struct TemperatureCase {
    const char* name;
    int row;
    const char* entered;
    std::initializer_list<const char*> column;  // K, °C, °F, °R, °Ré
    bool absoluteZero;
};

TEST(ConversionEngine, TemperatureScalesAndAbsoluteZero)
{
    const Topic temperature = temperatureTopic();
    const TemperatureCase cases[] = {
        {"0 °C", 1, "0", {"273,15", "0", "32", "491,67", "0"}, false},
        {"-40 °F", 2, "-40", {"233,15", "-40", "-40", "419,67", "-32"}, false},
        // Recomputing the entered row would give 1,00000000000045.
        {"1 °F", 2, "1", {"255,927777777778", "-17,222222222222", "1", "460,67", "-13,7777777777776"}, false},
        {"-273,15 °C", 1, "-273,15", {"0", "-273,15", "-459,67", "0", "-218,52"}, true},
        {"-300 °C", 1, "-300", {"0", "-273,15", "-459,67", "0", "-218,52"}, true},
    };
    for (const QLocale* locale : kLocales) {
        for (const auto& c : cases) {
            ConversionEngine engine;
            RecordingMessageSink sink;
            const CommitResult r =
                run(engine, {temperature, c.row, localText(c.entered, *locale), {}, {}, kDouble}, *locale, sink);
            EXPECT_EQ(r.column, localColumn(c.column, *locale)) << where(*locale, c.name);
            EXPECT_FALSE(r.failed || r.counts || r.markRow || r.rebuildMagnifier || r.refreshClipboardCommands)
                << where(*locale, c.name);
            EXPECT_EQ(r.recordLine, !c.absoluteZero) << where(*locale, c.name);
            EXPECT_TRUE(sink.messages.isEmpty()) << where(*locale, c.name);
            if (c.absoluteZero) {
                ASSERT_TRUE(r.infoLine.has_value()) << where(*locale, c.name);
                EXPECT_EQ(r.infoLine->text, QStringLiteral("Teplota pod 0 K teoreticky neexistuje."));
                EXPECT_EQ(r.infoLine->colour, InfoColour::Red);
                EXPECT_TRUE(r.infoLine->important);
            } else {
                EXPECT_FALSE(r.infoLine.has_value()) << where(*locale, c.name);
            }
        }
    }
}

// Plane angle: the degree row gives the degrees, minutes and seconds and the
// kind of angle, rounded to whole degrees after the modulo.
struct AngleCase {
    const char* degrees;
    const char* line;
};

TEST(ConversionEngine, AngleSummaryNamesTheKind)
{
    const Topic angle = angleTopic();
    const AngleCase cases[] = {
        {"30", " 30° 0' 0\" (30° — ostrý úhel)"},
        {"0", " 0° 0' 0\" (0° — nulový úhel)"},
        {"89,5", " 89° 30' 0\" (90° — pravý úhel)"},
        {"90", " 90° 0' 0\" (90° — pravý úhel)"},
        {"135", " 135° 0' 0\" (135° — tupý úhel)"},
        {"180", " 180° 0' 0\" (180° — přímý úhel)"},
        {"270", " 270° 0' 0\" (270°)"},
        {"359,5", " 359° 30' 0\" (360°)"},
    };
    for (const QLocale* locale : kLocales) {
        for (const auto& c : cases) {
            ConversionEngine engine;
            RecordingMessageSink sink;
            const CommitResult r = run(engine, {angle, 1, localText(c.degrees, *locale)}, *locale, sink);
            ASSERT_TRUE(r.infoLine.has_value()) << where(*locale, c.degrees);
            EXPECT_EQ(r.infoLine->text, QString::fromUtf8(c.line)) << where(*locale, c.degrees);
            EXPECT_TRUE(r.counts && r.markRow == 1 && !r.rebuildMagnifier) << where(*locale, c.degrees);
        }
    }
}

// Every failure shows one message, restores the entered cell's earlier text
// and leaves every other row as it was.
struct FailureCase {
    const char* name;
    Topic topic;
    int row;
    const char* entered;
    DisplayFormat format;
    const char* message;
};

TEST(ConversionEngine, FailureRestoresTheColumn)
{
    Topic zeroCoefficient = lengthTopic();
    zeroCoefficient.units[2].coefficient = 0.0;
    const Topic tiny{1, {{"malá", "u", 1e-10, {}}, {"velká", "U", 1.0, {}}}};
    Topic sixScales = temperatureTopic();
    sixScales.units.push_back({"jiná", "x", 1.0, {}});

    const FailureCase cases[] = {
        {"letters", lengthTopic(), 1, "abc", kDouble, "Chyba 13: Neshoda typů|Nevhodná hodnota 'abc'."},
        {"empty temperature", temperatureTopic(), 1, "", kDouble, "Chyba 13: Neshoda typů|Nevhodná hodnota ''."},
        {"overflow", tiny, 1, "1E+300", kDouble, "Chyba 6: Přetečení|Nevhodná hodnota '1E+300'."},
        {"zero coefficient", zeroCoefficient, 1, "2", kDouble, "Chyba 11: Dělení nulou|Nevhodná hodnota '2'."},
        {"beyond the single range", tiny, 1, "1E+30", kSingle, "Chyba 6: Přetečení|Nevhodná hodnota '1E+30'."},
        {"rounded beyond the double range", lengthTopic(), 2, "1797E+305", kScientific,
         "Chyba 6: Přetečení|Nevhodná hodnota '1,797E+308'."},
        {"degrees beyond 32 bits", angleTopic(), 1, "3E+09", kDouble,
         "Chyba 6: Přetečení|Nevhodná hodnota '3000000000'."},
        {"sixth temperature row", sixScales, 5, "7", kDouble,
         "Chyba 5: Neplatné volání procedury nebo argument|Nevhodná hodnota '7'."},
    };
    for (const QLocale* locale : kLocales) {
        for (const auto& c : cases) {
            ConversionEngine engine;
            RecordingMessageSink sink;
            QStringList column;
            for (size_t i = 0; i < c.topic.units.size(); ++i) column.append(QString::number(i + 1));
            const QString before = column[c.row];
            const CommitResult r =
                run(engine, {c.topic, c.row, localText(c.entered, *locale), column, before, c.format}, *locale, sink);
            EXPECT_EQ(r.column, column) << where(*locale, c.name);
            EXPECT_FALSE(r.columnChanged || r.counts || r.recordLine || r.markRow || r.infoLine)
                << where(*locale, c.name);
            EXPECT_TRUE(r.failed && r.refreshClipboardCommands) << where(*locale, c.name);
            ASSERT_EQ(sink.messages.size(), 1) << where(*locale, c.name);
            EXPECT_EQ(sink.messages[0].icon, MessageIcon::Exclamation);
            EXPECT_EQ(sink.messages[0].title, appTitle());
            const QStringList parts = localText(c.message, *locale).split(QLatin1Char('|'));
            EXPECT_EQ(sink.messages[0].text, parts[0] + "\r\n\r\n" + parts[1] + "\r\n") << where(*locale, c.name);
        }
    }
}

}  // namespace
