#include "conversion/topicmodel.h"

#include "catalogue/topictable.h"
#include "conversion/conversionengine.h"
#include "conversion/entryreading.h"
#include "support/testfiles.h"
#include "testtopics.h"

#include <gtest/gtest.h>

#include <map>

using namespace tolvarin;
using namespace tolvarin::test;
using Status = ConversionOutcome::Status;

namespace {

const DisplayFormat kSingle{PrecisionMode::Single};
const DisplayFormat kDouble{PrecisionMode::Double};
const DisplayFormat kScientific{PrecisionMode::Scientific};
const DisplayFormat kFixed2{PrecisionMode::Fixed, fixedDecimalsPattern(2)};

// An outcome as the data file writes it: "Converted flipped counted entered 1",
// "Failed entered 0 error 13 'abc'".
QString outcomeText(const ConversionOutcome& outcome, std::optional<int> enteredRow)
{
    const char* statuses[] = {"Unchanged", "Emptied", "Converted", "BelowAbsoluteZero", "Failed"};
    QString text = QString::fromLatin1(statuses[int(outcome.status)]);
    if (outcome.signFlipped) text += QStringLiteral(" flipped");
    if (outcome.counted) text += QStringLiteral(" counted");
    if (enteredRow) text += QStringLiteral(" entered %1").arg(*enteredRow);
    if (outcome.failed()) text += QStringLiteral(" error %1 '%2'").arg(int(outcome.error)).arg(outcome.failedText);
    return text;
}

TEST(TopicModel, CommitsOfTheDataFile)
{
    const std::map<QString, DisplayFormat> formats = {
        {"single", kSingle}, {"double", kDouble}, {"scientific", kScientific}, {"fixed2", kFixed2}};
    const QList<QStringList> rows = dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/commits.txt"), 7, 30);
    for (const QLocale* locale : kLocales) {
        for (const QStringList& f : rows) {
            ASSERT_TRUE(formats.count(f[1])) << rowName(f);
            const auto& [slot, units] = namedTopic(f[0]);
            OpenTopic topic(slot, units, *locale, formats.at(f[1]));
            if (f[4].startsWith(QStringLiteral("Failed"))) topic->commit(0, QStringLiteral("1"));
            const QStringList before = topic->valueColumn();
            const ConversionOutcome outcome = topic->commit(f[2].toInt(), localText(f[3], *locale));
            const std::string where = locale->name().toStdString() + ": " + rowName(f);
            EXPECT_EQ(outcomeText(outcome, topic->enteredRow()), localText(f[4], *locale)) << where;
            EXPECT_EQ(topic->valueColumn(), f[5].isEmpty() ? before : localText(f[5], *locale).split(u' ')) << where;
            if (!f[6].isEmpty()) {
                EXPECT_EQ(outcome.summary, localText(f[6], *locale)) << where;
            }
            // Writing one row's text fails and succeeds alike and gives that row the same text.
            OpenTopic oneRow(slot, units, *locale, formats.at(f[1]));
            oneRow->writeTextOfRowOnly(0);
            if (f[4].startsWith(QStringLiteral("Failed"))) oneRow->commit(0, QStringLiteral("1"));
            const ConversionOutcome oneRowOutcome = oneRow->commit(f[2].toInt(), localText(f[3], *locale));
            EXPECT_EQ(outcomeText(oneRowOutcome, oneRow->enteredRow()), outcomeText(outcome, topic->enteredRow())) << where;
            EXPECT_EQ(oneRow->valueText(0), topic->valueText(0)) << where;
        }
    }
    // The temperature formulas go by the row: no row of it is marked or hidden.
    OpenTopic topic(kTemperatureSlot, temperatureUnits(), kCzech, kDouble);
    topic->setMarkingOn(true);
    EXPECT_FALSE(topic->toggleMark(0) || topic->hideRowsOutside(0, 1));
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

TEST(TypedNumber, GroupedFormsRangeAndSeparators)
{
    for (const QStringList& f : dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/typednumbers.txt"), 4, 10)) {
        const TypedNumber number = readTypedNumber(f[1], f[0] == QStringLiteral("cs") ? kCzech : kEnglish);
        const bool failed = f[2].startsWith(QStringLiteral("error"));
        EXPECT_EQ(number.value, failed ? std::nullopt : std::optional(f[2].toDouble())) << rowName(f);
        EXPECT_TRUE(!failed || f[2] == QStringLiteral("error %1").arg(int(number.error))) << rowName(f);
        EXPECT_EQ(number.otherDecimalSeparator, f[3] == QStringLiteral("other")) << rowName(f);
    }
    EXPECT_EQ(decimalSeparatorHint(kCzech), QStringLiteral("Jako desetinný oddělovač použijte „,“."));
}

}  // namespace
