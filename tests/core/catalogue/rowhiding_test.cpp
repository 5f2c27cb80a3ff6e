#include "catalogue/rowhiding.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>
#include <utility>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

std::unique_ptr<UnitCatalogue> lengthTopic()
{
    auto catalogue = std::make_unique<UnitCatalogue>();
    const std::pair<const char*, double> units[] = {
        {"metr", 1.0}, {"kilometr", 1000.0}, {"stopa", 0.3048}, {"palec", 0.0254}, {"míle", 1609.344}};
    int row = 0;
    for (const auto& [name, coefficient] : units) catalogue->unit(1, ++row) = {u(name), {}, coefficient, {}};
    catalogue->setCount(1, row);
    return catalogue;
}

// "name coefficient" of the topic's rows.
QString rows(const UnitCatalogue& catalogue, int slot)
{
    QStringList list;
    for (int row = 1; row <= catalogue.count(slot); ++row)
        list << catalogue.unit(slot, row).name + u' ' + QString::number(catalogue.unit(slot, row).coefficient, 'g', 15);
    return list.join(u", ");
}

TEST(RowHiding, KeepsMarkedUnitsRelativeToTheFirstKeptExceptTemperatures)
{
    auto catalogue = lengthTopic();
    EXPECT_FALSE(keepMarkedUnits(*catalogue, 1));  // nothing marked yet
    for (int row : {2, 4, 5}) EXPECT_TRUE(toggleUnitMark(*catalogue, 1, row));
    EXPECT_EQ(catalogue->markedCount(1), 3);
    ASSERT_TRUE(keepMarkedUnits(*catalogue, 1));
    EXPECT_EQ(rows(*catalogue, 1), u("kilometr 1, palec 2.54e-05, míle 1.609344"));
    EXPECT_TRUE(catalogue->isHidden(1));
    EXPECT_EQ(catalogue->markedCount(1), 0);
    EXPECT_FALSE(catalogue->isMarked(1, 1) || catalogue->isMarked(1, 2) || catalogue->isMarked(1, 3));

    // A zero base would turn every coefficient infinite: they stay as they are.
    auto zeroBase = lengthTopic();
    zeroBase->unit(1, 1).coefficient = 0.0;
    markOutsideRows(*zeroBase, 1, 3, 1);  // grid rows 1..3 are units 2..4: the selection is hidden
    ASSERT_TRUE(keepMarkedUnits(*zeroBase, 1));
    EXPECT_EQ(rows(*zeroBase, 1), u("metr 0, míle 1609.344"));

    // Temperature rows are never hidden: its formulas go by the row.
    zeroBase->setCount(kTemperatureSlot, 1);
    toggleUnitMark(*zeroBase, kTemperatureSlot, 1);
    EXPECT_FALSE(keepMarkedUnits(*zeroBase, kTemperatureSlot) || zeroBase->isHidden(kTemperatureSlot));
}

}  // namespace
