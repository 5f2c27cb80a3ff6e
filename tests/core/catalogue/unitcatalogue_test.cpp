#include "catalogue/unitcatalogue.h"
#include "conversion/conversiontext.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

#include <utility>

using namespace tolvarin;

namespace {

TEST(UnitCatalogue, RowsNeverWrittenReadAsEmptyUnits)
{
    const UnitCatalogue catalogue;
    for (const auto& [slot, row] : {std::pair{0, 0}, {1, 1}, {26, 150}, {50, 150}}) {
        const Unit& unit = catalogue.unit(slot, row);
        EXPECT_TRUE(unit.name.isEmpty() && unit.symbol.isEmpty() && unit.info.isEmpty()) << slot << "-" << row;
        EXPECT_EQ(unit.coefficient, 0.0) << slot << "-" << row;
        EXPECT_EQ(catalogue.count(slot), 0) << slot;
    }
}

TEST(UnitCatalogue, CountedRowsAreOneRunAndRowsNeverMove)
{
    UnitCatalogue catalogue;
    Unit& first = catalogue.unit(3, 1);
    first = Unit{QStringLiteral("litr"), QStringLiteral("l"), 0.001, QString()};
    catalogue.unit(3, 150).name = QStringLiteral("poslední");  // the rows between are made too
    EXPECT_EQ(&catalogue.unit(3, 1), &first);
    EXPECT_EQ(first.name, QStringLiteral("litr"));

    catalogue.setCount(4, 3);  // counted rows exist even when nothing was written
    const std::span<const Unit> units = topicUnits(catalogue, 4);
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(&units[2], &std::as_const(catalogue).unit(4, 3));

    catalogue.setCount(3, 2);
    EXPECT_EQ(topicUnits(catalogue, 3).front().name, QStringLiteral("litr"));
}

}  // namespace
