// The promise of the program: a value typed into any unit of the shipped data
// shows in every unit of its topic, in every display mode.
#include "catalogue/catalogueloader.h"
#include "catalogue/numericreading.h"
#include "catalogue/topictable.h"
#include "conversion/topicmodel.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tolvarin;

namespace {

TEST(ShippedDataConversion, EveryUnitConvertsIntoEveryUnitInEveryMode)
{
    const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    UnitCatalogue catalogue;
    DataFileConfig config;
    config.mainPath = QStringLiteral(TOLVARIN_SHIPPED_DATA_DIR "/Tolvar.tvd");
    config.userPath = QStringLiteral(TOLVARIN_SHIPPED_DATA_DIR "/User.tvd");
    config.locale = czech;
    ASSERT_TRUE(reloadCatalogue(catalogue, config).isClean());

    std::vector<int> topics;
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) topics.push_back(slot);
    for (int user : catalogue.usedUserTopics()) topics.push_back(kBuiltinTopicCount + user);

    for (int mode = 0; mode < kPrecisionModeCount; ++mode) {
        TopicModel model(catalogue, czech);
        ASSERT_TRUE(model.setFormat(DisplayFormat{PrecisionMode(mode), fixedDecimalsPattern(2)}).ok());
        const bool fixed = PrecisionMode(mode) == PrecisionMode::Fixed;
        for (int slot : topics) {
            model.open(slot);
            for (int source = 0; source < model.rowCount(); ++source) {
                const std::string where = "mode " + std::to_string(mode) + ", " +
                                          catalogue.title(slot).toStdString() + ", 1 " +
                                          model.unit(source).name.toStdString();
                ASSERT_TRUE(model.commit(source, QStringLiteral("1")).converted()) << where;
                for (int row = 0; row < model.rowCount(); ++row) {
                    const QString text = model.valueText(row);
                    const std::optional<double> shown = regionalReading(text, czech);
                    ASSERT_TRUE(shown.has_value()) << where << " → row " << row << ": " << text.toStdString();
                    // Only the fixed mode may round a nonzero value to zero.
                    if (!fixed && model.value(row) != 0.0) {
                        EXPECT_NE(*shown, 0.0) << where << " → " << model.unit(row).name.toStdString();
                    }
                }
            }
        }
    }
}

}  // namespace
