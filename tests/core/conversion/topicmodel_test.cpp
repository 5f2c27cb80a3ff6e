#include "conversion/topicmodel.h"

#include "catalogue/topictable.h"
#include "conversion/conversionengine.h"
#include "conversion/entryreading.h"
#include "testtopics.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using namespace tolvarin::test;
using Status = ConversionOutcome::Status;

namespace {

const DisplayFormat kSingle{PrecisionMode::Single};
const DisplayFormat kDouble{PrecisionMode::Double};
const DisplayFormat kScientific{PrecisionMode::Scientific};
const DisplayFormat kFixed2{PrecisionMode::Fixed, fixedDecimalsPattern(2)};

std::string where(const QLocale& locale, const char* name) { return locale.name().toStdString() + ": " + name; }

// A completed conversion of a length: every row, the source row included, is
// recomputed from the entered value and shown in the mode.
struct LengthCase {
    const char* name;
    int row;
    const char* entered;
    DisplayFormat format;
    std::initializer_list<const char*> column;  // m, km, mm
    bool signFlipped;
};

TEST(TopicModel, CommitRewritesEveryRowInTheFormat)
{
    const LengthCase cases[] = {
        {"1 km", 1, "1,0", kSingle, {"1000", "1", "1000000"}, false},
        {"1 mm", 2, "1", kDouble, {"0,001", "1E-06", "1"}, false},
        {"single rounds the source row", 1, "1,23456789", kSingle, {"1234,568", "1,234568", "1234568"}, false},
        {"fixed 2", 1, "0,0012345", kFixed2, {"1,23", "0,00", "1234,50"}, false},
        {"negative turns positive", 1, "-5", kDouble, {"5000", "5", "5000000"}, true},
    };
    for (const QLocale* locale : kLocales) {
        for (const auto& c : cases) {
            OpenTopic topic(1, lengthUnits(), *locale, c.format);
            const ConversionOutcome outcome = topic->commit(c.row, localText(c.entered, *locale));
            EXPECT_EQ(outcome.status, Status::Converted) << where(*locale, c.name);
            EXPECT_EQ(outcome.signFlipped, c.signFlipped) << where(*locale, c.name);
            EXPECT_TRUE(outcome.counted) << where(*locale, c.name);
            EXPECT_EQ(topic->valueColumn(), localColumn(c.column, *locale)) << where(*locale, c.name);
            EXPECT_EQ(topic->enteredRow(), c.row) << where(*locale, c.name);
        }
    }
}

// x·c(source) alone beyond the double range, the result within it: shown, not lost.
TEST(TopicModel, ProductBeyondTheRangeKeepsAResultThatCanBeShown)
{
    const struct {
        double coefficient;
        const char* entered;
        const char* shown;
    } cases[] = {{1e-200, "1E-200", "1E-200"}, {1e200, "1E200", "1E+200"}};
    for (const auto& c : cases) {
        OpenTopic topic(1, {{"a", "a", c.coefficient, {}}, {"b", "b", c.coefficient, {}}}, kEnglish, kDouble);
        EXPECT_EQ(topic->commit(0, QString::fromLatin1(c.entered)).status, Status::Converted) << c.entered;
        EXPECT_EQ(topic->valueColumn(), QStringList({c.shown, c.shown})) << c.entered;
    }
}

TEST(TopicModel, SummaryAndPreviewCompareWithTheChosenUnit)
{
    for (const QLocale* locale : kLocales) {
        OpenTopic topic(1, lengthUnits(), *locale, kFixed2);
        topic->beginEdit(1);
        const ConversionOutcome outcome = topic->commit(1, QStringLiteral("5"));
        EXPECT_EQ(outcome.summary, localText(" km: 5,00 km = 5 000,00 m ", *locale));
        EXPECT_EQ(topic->previewLine(1), outcome.summary);
        EXPECT_EQ(topic->previewLine(2), localText(" mm: 5 000 000,00 mm = 5 000,00 m ", *locale));
        topic->setPreviewTarget(PreviewTarget::EnteredUnit);
        EXPECT_EQ(topic->previewLine(2), localText(" mm: 5 000 000,00 mm = 5,00 km ", *locale));
        EXPECT_EQ(topic->magnifierText(2),
                  localText("metr [m] 5 000,00\r\nkilometr [km] 5,00\r\nmilimetr [mm] 5 000 000,00", *locale));
    }
}

// Editing begun in row 0 makes it the entered unit, as in any other row.
TEST(TopicModel, NameCellsTellTheUnitsInformation)
{
    std::vector<Unit> units = lengthUnits();
    units[1].info = QStringLiteral("Tisíc metrů.");
    OpenTopic topic(1, units, kCzech);
    EXPECT_EQ(topic->index(1, TopicModel::NameColumn).data(Qt::ToolTipRole).toString(), units[1].info);
    EXPECT_FALSE(topic->index(1, TopicModel::ValueColumn).data(Qt::ToolTipRole).isValid());
    EXPECT_FALSE(topic->index(2, TopicModel::NameColumn).data(Qt::ToolTipRole).isValid());
}

TEST(TopicModel, EditingRowZeroMakesItTheEnteredUnit)
{
    OpenTopic topic(1, lengthUnits(), kCzech, kDouble);
    topic->beginEdit(2);
    topic->commit(2, QStringLiteral("1"));
    topic->beginEdit(0);
    topic->commit(0, QStringLiteral("1"));
    topic->setPreviewTarget(PreviewTarget::EnteredUnit);
    EXPECT_EQ(topic->editRow(), 0);
    EXPECT_EQ(topic->previewLine(1), QStringLiteral(" km: 0,001 km = 1,00 m "));
}

TEST(TopicModel, EmptyEntryOutsideTemperatureOnlyEmptiesTheCell)
{
    OpenTopic topic(1, lengthUnits(), kCzech, kDouble);
    topic->commit(1, QStringLiteral("1"));
    const ConversionOutcome outcome = topic->commit(1, QString());
    EXPECT_EQ(outcome.status, Status::Emptied);
    EXPECT_FALSE(outcome.counted || outcome.summary);
    EXPECT_EQ(topic->valueColumn(), QStringList({"1000", "", "1000000"}));
}

// Temperature: the fixed formulas, the edited row kept as entered, and the
// absolute-zero rule. Neither counted nor coloured.
struct TemperatureCase {
    const char* name;
    int row;
    const char* entered;
    std::initializer_list<const char*> column;  // K, °C, °F, °R, °Ré
    Status status;
    const char* summary;
};

TEST(TopicModel, TemperatureScalesAndAbsoluteZero)
{
    const TemperatureCase cases[] = {
        {"0 °C", 1, "0", {"273,15", "0", "32", "491,67", "0"}, Status::Converted, " °C: 0,00 °C = 273,15 K "},
        {"-40 °F", 2, "-40", {"233,15", "-40", "-40", "419,67", "-32"}, Status::Converted,
         " °F: -40,00 °F = 233,15 K "},
        // Recomputing the entered row would give 1,00000000000045.
        {"1 °F", 2, "1", {"255,927777777778", "-17,222222222222", "1", "460,67", "-13,7777777777776"},
         Status::Converted, " °F: 1,00 °F = 255,927 777 778 K "},
        {"-273,15 °C", 1, "-273,15", {"0", "-273,15", "-459,67", "0", "-218,52"}, Status::BelowAbsoluteZero,
         "Teplota pod 0 K teoreticky neexistuje."},
        {"-300 °C", 1, "-300", {"0", "-273,15", "-459,67", "0", "-218,52"}, Status::BelowAbsoluteZero,
         "Teplota pod 0 K teoreticky neexistuje."},
    };
    for (const QLocale* locale : kLocales) {
        for (const auto& c : cases) {
            OpenTopic topic(kTemperatureSlot, temperatureUnits(), *locale, kDouble);
            const ConversionOutcome outcome = topic->commit(c.row, localText(c.entered, *locale));
            EXPECT_EQ(outcome.status, c.status) << where(*locale, c.name);
            EXPECT_EQ(topic->valueColumn(), localColumn(c.column, *locale)) << where(*locale, c.name);
            EXPECT_FALSE(outcome.counted || topic->enteredRow()) << where(*locale, c.name);
            EXPECT_EQ(outcome.summary, localText(c.summary, *locale)) << where(*locale, c.name);
        }
    }
    // Its formulas go by the row: no row of it is marked or hidden.
    OpenTopic topic(kTemperatureSlot, temperatureUnits(), kCzech, kDouble);
    topic->setMarkingOn(true);
    EXPECT_FALSE(topic->toggleMark(0) || topic->hideRowsOutside(0, 1));
}

// Plane angle: the degree row gives the degrees, minutes and seconds and the
// kind of angle, rounded to whole degrees after the modulo.
struct AngleCase {
    const char* degrees;
    const char* line;
};

TEST(TopicModel, AngleSummaryNamesTheKind)
{
    const AngleCase cases[] = {
        {"30", " 30° 0' 0\" (30° — ostrý úhel)"},
        {"0", " 0° 0' 0\" (0° — nulový úhel)"},
        {"89,5", " 89° 30' 0\" (90° — pravý úhel)"},
        {"90", " 90° 0' 0\" (90° — pravý úhel)"},
        {"135", " 135° 0' 0\" (135° — tupý úhel)"},
        {"180", " 180° 0' 0\" (180° — přímý úhel)"},
        {"270", " 270° 0' 0\" (270°)"},
        {"359,5", " 359° 30' 0\" (360°)"},
        // Beyond 32 bits of whole degrees the kind is left out; every row converts.
        {"3E+09", " 3000000000° 0' 0\" (120°)"},
    };
    for (const QLocale* locale : kLocales) {
        for (const auto& c : cases) {
            OpenTopic topic(kAngleSlot, angleUnits(), *locale, kDouble);
            const ConversionOutcome outcome = topic->commit(1, localText(c.degrees, *locale));
            EXPECT_EQ(outcome.status, Status::Converted) << where(*locale, c.degrees);
            EXPECT_EQ(outcome.summary, localText(c.line, *locale)) << where(*locale, c.degrees);
        }
    }
}

// Every failure reports its error and the text it quotes, and changes nothing.
struct FailureCase {
    const char* name;
    int slot;
    std::vector<Unit> units;
    int row;
    const char* entered;
    DisplayFormat format;
    ErrorCode error;
    const char* quoted;
};

TEST(TopicModel, FailureChangesNothing)
{
    std::vector<Unit> zeroCoefficient = lengthUnits();
    zeroCoefficient[2].coefficient = 0.0;
    const std::vector<Unit> tiny = {{"malá", "u", 1e-10, {}}, {"velká", "U", 1.0, {}}};
    std::vector<Unit> sixScales = temperatureUnits();
    sixScales.push_back({"jiná", "x", 1.0, {}});

    const FailureCase cases[] = {
        {"letters", 1, lengthUnits(), 1, "abc", kDouble, ErrorCode::TypeMismatch, "abc"},
        {"empty temperature", kTemperatureSlot, temperatureUnits(), 1, "", kDouble, ErrorCode::TypeMismatch, ""},
        {"overflow", 1, tiny, 1, "1E+300", kDouble, ErrorCode::Overflow, "1E+300"},
        {"a result too small to have its digits", 1, tiny, 0, "1E-300", kDouble, ErrorCode::Overflow, "1E-300"},
        {"zero coefficient", 1, zeroCoefficient, 1, "2", kDouble, ErrorCode::DivisionByZero, "2"},
        {"rounded beyond the double range", 1, lengthUnits(), 2, "1797E+305", kScientific, ErrorCode::Overflow,
         "1,797E+308"},
        {"sixth temperature row", kTemperatureSlot, sixScales, 5, "7", kDouble, ErrorCode::InvalidArgument, "7"},
    };
    for (const QLocale* locale : kLocales) {
        for (const auto& c : cases) {
            OpenTopic topic(c.slot, c.units, *locale, c.format);
            topic->commit(0, QStringLiteral("1"));
            const QStringList before = topic->valueColumn();
            const ConversionOutcome outcome = topic->commit(c.row, localText(c.entered, *locale));
            EXPECT_EQ(outcome.status, Status::Failed) << where(*locale, c.name);
            EXPECT_EQ(outcome.error, c.error) << where(*locale, c.name);
            EXPECT_EQ(outcome.failedText, localText(c.quoted, *locale)) << where(*locale, c.name);
            EXPECT_EQ(topic->valueColumn(), before) << where(*locale, c.name);
        }
    }
}

TEST(TopicModel, FailureTextsQuoteTheCell)
{
    EXPECT_EQ(conversionFailureText(ErrorCode::TypeMismatch, QStringLiteral("abc")),
              QStringLiteral("Chyba 13: Neshoda typů\r\n\r\nNevhodná hodnota 'abc'.\r\n"));
    EXPECT_EQ(negativeValueNoticeText(),
              QStringLiteral("Zadáno záporné číslo.\r\n\r\n"
                             "Záporné hodnoty se nepoužívají. Budou převedeny na kladná čísla.\r\n\r\n"
                             "Poznámka: Tato zpráva už nebude zobrazena.\r\n"));
}

// A change of format starts from the values of the last conversion, not from
// texts that the previous format rounded.
TEST(TopicModel, FormatChangeRewritesFromTheConvertedValues)
{
    const std::vector<Unit> units = {{"stopa", "ft", 0.3048, {}}, {"míle", "mi", 1609.344, {}}};
    OpenTopic topic(1, units, kCzech, kSingle);
    topic->commit(0, QStringLiteral("1"));
    EXPECT_EQ(topic->valueText(1), QStringLiteral("0,0001893939"));
    ASSERT_TRUE(topic->setFormat(kFixed2).ok());
    EXPECT_EQ(topic->valueText(1), QStringLiteral("0,00"));
    ASSERT_TRUE(topic->setFormat(kDouble).ok());
    EXPECT_EQ(topic->valueText(1), QStringLiteral("0,000189393939393939"));
}

// The single mode shows values beyond the single's range from the double,
// never refusing and never showing a false zero.
TEST(TopicModel, SingleModeShowsValuesBeyondTheSingleRange)
{
    const std::vector<Unit> units = {
        {"metr", "m", 1.0, {}}, {"shed", "shed", 1e-52, {}}, {"Planckova délka", "lP", 1.616255e-35, {}}};
    OpenTopic topic(1, units, kCzech, kSingle);
    EXPECT_EQ(topic->commit(0, QStringLiteral("1")).status, Status::Converted);
    EXPECT_EQ(topic->valueColumn(), QStringList({"1", "1E+52", "6,187143E+34"}));
    topic->commit(2, QStringLiteral("1"));
    EXPECT_EQ(topic->valueColumn(), QStringList({"1,616255E-35", "1,616255E+17", "1"}));
}

// Typed numbers: the program's own grouped form is read; a number beyond the
// double range is an overflow; another locale's separator is named.
struct TypedCase {
    const char* text;
    std::optional<double> value;
    ErrorCode error;
    bool otherSeparator;
};

TEST(TypedNumber, GroupedFormsRangeAndSeparators)
{
    const TypedCase cases[] = {
        {"5 000,00", 5000.0, {}, false},
        {"1\u00A0234\u00A0567,5", 1234567.5, {}, false},
        {"-12,345 678 901", -12.345678901, {}, false},
        {"1 5", std::nullopt, ErrorCode::TypeMismatch, false},
        {"12 34,5", std::nullopt, ErrorCode::TypeMismatch, false},
        {"1E400", std::nullopt, ErrorCode::Overflow, false},
        {"-1e400", std::nullopt, ErrorCode::Overflow, false},
        {"1.5", std::nullopt, ErrorCode::TypeMismatch, true},
        {"abc", std::nullopt, ErrorCode::TypeMismatch, false},
    };
    for (const auto& c : cases) {
        const TypedNumber number = readTypedNumber(QString::fromUtf8(c.text), kCzech);
        EXPECT_EQ(number.value, c.value) << c.text;
        if (!c.value) {
            EXPECT_EQ(number.error, c.error) << c.text;
        }
        EXPECT_EQ(number.otherDecimalSeparator, c.otherSeparator) << c.text;
    }
    EXPECT_TRUE(readTypedNumber(QStringLiteral("1,5"), kEnglish).otherDecimalSeparator);
    EXPECT_EQ(decimalSeparatorHint(kCzech), QStringLiteral("Jako desetinný oddělovač použijte „,“."));
}

}  // namespace
