#include "catalogue/rowhiding.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tolvarin;

namespace {

std::unique_ptr<UnitCatalogue> lengthTopic()
{
    auto catalogue = std::make_unique<UnitCatalogue>();
    const Unit units[] = {{QStringLiteral("metr"), QStringLiteral("m"), 1.0, {}},
                          {QStringLiteral("kilometr"), QStringLiteral("km"), 1000.0, {}},
                          {QStringLiteral("stopa"), QStringLiteral("ft"), 0.3048, {}},
                          {QStringLiteral("palec"), QStringLiteral("in"), 0.0254, {}},
                          {QStringLiteral("míle"), QStringLiteral("mi"), 1609.344, {}}};
    for (int i = 0; i < 5; ++i) catalogue->unit(1, i + 1) = units[i];
    catalogue->setCount(1, 5);
    return catalogue;
}

TEST(RowHiding, KeepsMarkedUnitsRelativeToTheFirstKept)
{
    auto catalogue = lengthTopic();
    for (int row : {2, 4, 5}) EXPECT_TRUE(toggleMark(*catalogue, 1, row));
    EXPECT_EQ(catalogue->markedCount(1), 3);
    ASSERT_TRUE(keepMarkedUnits(*catalogue, 1));
    EXPECT_EQ(catalogue->count(1), 3);
    EXPECT_TRUE(catalogue->isHidden(1));
    EXPECT_EQ(catalogue->markedCount(1), 0);
    const char* names[] = {"kilometr", "palec", "míle"};
    const double coefficients[] = {1.0, 0.0254 / 1000.0, 1.609344};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(catalogue->unit(1, i + 1).name, QString::fromUtf8(names[i]));
        EXPECT_DOUBLE_EQ(catalogue->unit(1, i + 1).coefficient, coefficients[i]) << names[i];
        EXPECT_FALSE(catalogue->isMarked(1, i + 1));
    }
}

TEST(RowHiding, MarkAsHideKeepsEverythingOutsideTheSelection)
{
    auto catalogue = lengthTopic();
    MarkAsHide(*catalogue, 1, 3, 1);  // grid rows 1..3 are units 2..4
    const bool expected[] = {true, false, false, false, true};
    for (int row = 1; row <= 5; ++row) EXPECT_EQ(catalogue->isMarked(1, row), expected[row - 1]) << row;
    ASSERT_TRUE(keepMarkedUnits(*catalogue, 1));
    EXPECT_EQ(catalogue->count(1), 2);
    EXPECT_EQ(catalogue->unit(1, 2).name, QStringLiteral("míle"));
}

TEST(RowHiding, RefusesTemperatureAndEmptySelections)
{
    auto catalogue = lengthTopic();
    EXPECT_FALSE(keepMarkedUnits(*catalogue, 1));  // nothing marked
    EXPECT_EQ(catalogue->count(1), 5);
    catalogue->unit(kTemperatureSlot, 1) = {QStringLiteral("kelvin"), QStringLiteral("K"), 1.0, {}};
    catalogue->setCount(kTemperatureSlot, 1);
    catalogue->setMarked(kTemperatureSlot, 1, true);
    EXPECT_FALSE(keepMarkedUnits(*catalogue, kTemperatureSlot));
    EXPECT_FALSE(catalogue->isHidden(kTemperatureSlot));
}

TEST(RowHiding, ZeroCoefficientBaseLeavesCoefficientsAlone)
{
    auto catalogue = lengthTopic();
    catalogue->unit(1, 2).coefficient = 0.0;
    toggleMark(*catalogue, 1, 2);
    toggleMark(*catalogue, 1, 3);
    ASSERT_TRUE(keepMarkedUnits(*catalogue, 1));
    EXPECT_EQ(catalogue->unit(1, 1).coefficient, 0.0);
    EXPECT_DOUBLE_EQ(catalogue->unit(1, 2).coefficient, 0.3048);
}

}  // namespace
