// The data files that ship with the program: they load cleanly with the real
// readers at every level and in both locales, keep the rows that the
// conversion engine and the prefix view rely on (data/fixedrows.txt), and
// give the well-known units their published values (data/wellknown.txt).
#include "catalogue/mainfilereader.h"
#include "catalogue/userfilereader.h"
#include "support/testfiles.h"
#include "support/testlocales.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QMap>
#include <QSet>

#include <cmath>
#include <memory>

using namespace tolvarin;

namespace {

const UnitLevel kLevels[] = {UnitLevel::All, UnitLevel::Level1, UnitLevel::Level2, UnitLevel::Level3};

struct ShippedLoad {
    std::unique_ptr<UnitCatalogue> catalogue = std::make_unique<UnitCatalogue>();
    DataFileReport report;
};

std::unique_ptr<ShippedLoad> loadShipped(UnitLevel level, const QLocale& locale)
{
    auto load = std::make_unique<ShippedLoad>();
    DataFileConfig config;
    config.mainPath = QStringLiteral(TOLVARIN_SHIPPED_DATA_DIR "/Tolvar.tvd");
    config.userPath = QStringLiteral(TOLVARIN_SHIPPED_DATA_DIR "/User.tvd");
    config.level = level;
    config.locale = locale;
    load->report = readMainDataFile(*load->catalogue, config);
    load->report.append(readUserDataFile(*load->catalogue, config));
    return load;
}

TEST(ShippedData, LoadsCleanlyWithNamedDescribedUnitsAtEveryLevel)
{
    for (const QLocale* locale : {&kCzech, &kEnglish}) {
        for (UnitLevel level : kLevels) {
            const auto load = loadShipped(level, *locale);
            const std::string at = "level " + std::to_string(int(level)) + " " + locale->name().toStdString();
            EXPECT_TRUE(load->report.isClean()) << at;
            EXPECT_EQ(load->catalogue->usedUserTopics(), (std::vector<int>{1, 2, 3})) << at;
            int total = 0;
            for (int slot = 1; slot <= kBuiltinTopicCount + 3; ++slot) {
                ASSERT_GE(load->catalogue->count(slot), 1) << at << " topic " << slot;
                EXPECT_EQ(load->catalogue->unit(slot, 1).coefficient, 1.0) << at << " topic " << slot;
                QSet<QString> seen;
                for (int row = 1; row <= load->catalogue->count(slot); ++row) {
                    const Unit& unit = load->catalogue->unit(slot, row);
                    const std::string name = at + " " + unit.name.toStdString();
                    EXPECT_FALSE(unit.name.trimmed().isEmpty() || seen.contains(unit.name)) << name;
                    EXPECT_TRUE(levelShows(level, unit.level)) << name;
                    EXPECT_FALSE(unit.symbol.isEmpty() || unit.info.size() < (slot <= kBuiltinTopicCount ? 20 : 1))
                        << name;
                    EXPECT_TRUE(std::isfinite(unit.coefficient) && unit.coefficient > 0.0) << name;
                    seen.insert(unit.name);
                }
                if (slot <= kBuiltinTopicCount) total += load->catalogue->count(slot);
            }
            EXPECT_GE(total, level == UnitLevel::All ? 1000 : 300) << at;
        }
    }
}

TEST(ShippedData, RowsTheProgramReliesOn)
{
    const QList<QStringList> rows = test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/fixedrows.txt"), 5, 30);
    for (UnitLevel level : kLevels) {
        const auto load = loadShipped(level, kEnglish);
        QMap<int, int> listed;
        for (const QStringList& f : rows) {
            const Unit& unit = load->catalogue->unit(f[0].toInt(), f[1].toInt());
            EXPECT_EQ(unit.name + u'|' + unit.symbol, f[2] + u'|' + f[3]) << test::rowName(f);
            EXPECT_NEAR(unit.coefficient / f[4].toDouble(), 1.0, 1e-15) << test::rowName(f);
            ++listed[f[0].toInt()];
        }
        // Temperature and the prefixes have exactly these rows.
        EXPECT_EQ(load->catalogue->count(kTemperatureSlot), listed[kTemperatureSlot]);
        EXPECT_EQ(load->catalogue->count(kPrefixSlot), listed[kPrefixSlot]);
    }
}

TEST(ShippedData, WellKnownUnitsHaveTheirPublishedValues)
{
    const QList<QStringList> rows = test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/wellknown.txt"), 0, 140);
    for (const QLocale* locale : {&kCzech, &kEnglish}) {
        const auto load = loadShipped(UnitLevel::All, *locale);
        QHash<QString, double> coefficients;  // "topic|name"
        for (int slot = 1; slot <= kBuiltinTopicCount + 3; ++slot)
            for (int row = 1; row <= load->catalogue->count(slot); ++row)
                coefficients[QString::number(slot) + u'|' + load->catalogue->unit(slot, row).name] =
                    load->catalogue->unit(slot, row).coefficient;
        for (const QStringList& f : rows) {
            const QString unit = f.value(0) + u'|' + f.value(1);
            const QString reference = f.value(0) + u'|' + f.value(2);
            ASSERT_TRUE(coefficients.contains(unit) && coefficients.contains(reference)) << test::rowName(f);
            EXPECT_NEAR(coefficients[unit] / coefficients[reference] / f.value(3).toDouble(), 1.0, 1e-12)
                << test::rowName(f) << " in " << locale->name().toStdString();
        }
    }
}

}  // namespace
