#include "navigation/unitsearch.h"

#include "catalogue/rowhiding.h"

#include "support/testfiles.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

TEST(UnitSearch, SimilarNamesHoldTheKeysCharactersInOrder)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/similar.txt"), 3, 20)) {
        ASSERT_TRUE(f[2] == QStringLiteral("yes") || f[2] == QStringLiteral("no")) << test::rowName(f);
        EXPECT_EQ(isSimilarName(f[0], f[1]), f[2] == QStringLiteral("yes")) << test::rowName(f);
    }
}

class UnitSearchCatalogue : public ::testing::Test {
protected:
    void put(int slot, int row, const char* name)
    {
        catalogue.setCount(slot, std::max(catalogue.count(slot), row));
        catalogue.unit(slot, row).name = QString::fromUtf8(name);
    }

    QList<UnitSearchHit> search(const char* key) const { return searchUnits(catalogue, QString::fromUtf8(key)); }

    UnitCatalogue catalogue;
};

TEST_F(UnitSearchCatalogue, ExactMatchesComeFirstThenEverySimilarOneInCatalogueOrder)
{
    put(1, 1, "metr");
    put(1, 2, "kilometr");
    put(1, 3, "stopa");
    put(12, 4, "metr za sekundu");
    put(26, 1, "metr");  // the same name in another topic
    const QList<UnitSearchHit> expected = {
        {1, 1, false}, {26, 1, false},                 // exact, normal colour
        {1, 1, true},  {1, 2, true},   {12, 4, true},  // similar, grey; the exact ones again
        {26, 1, true},
    };
    EXPECT_EQ(search("metr"), expected);
    put(4, 1, "Kilogram");  // letter case counts in both passes
    put(4, 2, "kilogram");
    EXPECT_EQ(search("kilogram"), (QList<UnitSearchHit>{{4, 2, false}, {4, 2, true}}));
    EXPECT_EQ(search("Kg"), (QList<UnitSearchHit>{{4, 1, true}}));
}

TEST_F(UnitSearchCatalogue, SearchesEveryRowOfTheBuiltInTopicsOnly)
{
    put(26, 150, "yoktometr");                             // the last row of the last built-in topic
    put(27, 1, "metr");                                    // user topics are not searched
    put(0, 1, "metr");                                     // nor the start screen
    catalogue.unit(3, 1).symbol = QStringLiteral("metr");  // nor symbols
    EXPECT_EQ(search("metr"), (QList<UnitSearchHit>{{26, 150, true}}));
    EXPECT_TRUE(search("").isEmpty());
}

TEST_F(UnitSearchCatalogue, AUnitIsFoundByWhatItIsAfterRowsAreHidden)
{
    put(1, 1, "metr");
    put(1, 2, "kilometr");
    put(1, 3, "stopa");
    const UnitIdentity foot = unitIdentity(catalogue, 1, 3);
    const UnitIdentity kilometre = unitIdentity(catalogue, 1, 2);
    EXPECT_EQ(currentUnitRow(catalogue, foot), 3);
    toggleUnitMark(catalogue, 1, 1);
    toggleUnitMark(catalogue, 1, 3);
    ASSERT_TRUE(keepMarkedUnits(catalogue, 1));
    EXPECT_EQ(currentUnitRow(catalogue, foot), 2);
    EXPECT_EQ(currentUnitRow(catalogue, kilometre), 0);  // hidden
    // The row left behind the thinned topic's end is not found again.
    EXPECT_EQ(search("stopa"), (QList<UnitSearchHit>{{1, 2, false}, {1, 2, true}}));
}

}  // namespace
