#include "numbers/prefixview.h"

#include "catalogue/topictable.h"
#include "catalogue/unitcatalogue.h"
#include "support/testfiles.h"
#include "support/testlocales.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

// A prefix topic as the data file lays it out: the unit with factor 1 first,
// then the multiples from yotta down and the fractions down to yocto.
const std::vector<double> kPrefixes = {1,    1e24, 1e21, 1e18, 1e15, 1e12,  1e9,   1e6,   1e3,   1e2,  1e1,
                                       1e-1, 1e-2, 1e-3, 1e-6, 1e-9, 1e-12, 1e-15, 1e-18, 1e-21, 1e-24};
constexpr int kKiloRow = 8;

TEST(PrefixView, SpreadsTheValueOverThePrefixes)
{
    const Result<PrefixViewValues> view = computePrefixView(u("1500"), 0, kPrefixes, kCzech);
    ASSERT_TRUE(view.ok());
    EXPECT_EQ(view.value().texts.join(u(" ")),
              u("1500 1,5E-21 1,5E-18 1,5E-15 1,5E-12 1,5E-09 1,5E-06 0,0015 1,5 15 150 15000 150000 1500000 "
                "1500000000 1500000000000 1,5E+15 1,5E+18 1,5E+21 1,5E+24 1,5E+27"));
    EXPECT_EQ(view.value().topRow, kKiloRow);  // the first row from the top within (1, 1000)
}

TEST(PrefixView, RowThatGoesToTheTopOrTheError)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/prefixrows.txt"), 5, 17)) {
        std::vector<double> coefficients;
        for (const QString& c : f[3].split(u' ', Qt::SkipEmptyParts)) coefficients.push_back(c.toDouble());
        if (f[3] == u("prefixes")) coefficients = kPrefixes;
        const Result<PrefixViewValues> view =
            computePrefixView(f[0], f[2].toInt(), coefficients, f[1] == u("cs") ? kCzech : kEnglish);
        QString outcome = view.ok() ? u("no top") : u("error %1").arg(int(view.error()));
        if (view.ok() && view.value().topRow) outcome = u("top %1").arg(*view.value().topRow);
        EXPECT_EQ(outcome, f[4]) << test::rowName(f);
    }
}

TEST(PrefixView, CoefficientsOfThePrefixTopic)
{
    UnitCatalogue catalogue;
    catalogue.setCount(kPrefixSlot, 3);
    const double factors[] = {1, 1e3, 1e-3};
    for (int row = 1; row <= 3; ++row) catalogue.unit(kPrefixSlot, row).coefficient = factors[row - 1];
    catalogue.unit(kPrefixSlot, 4).coefficient = 99;  // beyond the count
    EXPECT_EQ(prefixCoefficients(catalogue), (std::vector<double>{1, 1e3, 1e-3}));
}

}  // namespace
