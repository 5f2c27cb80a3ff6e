#include "numbers/prefixview.h"

#include "catalogue/topictable.h"
#include "catalogue/unitcatalogue.h"
#include "support/testlocales.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

#include <limits>

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

struct TopRowCase {
    const char* value;
    const QLocale* locale;
    int valueRow;
    std::vector<double> coefficients;
    std::optional<int> topRow;
    const char* why;
};

TEST(PrefixView, RowThatGoesToTheTop)
{
    const TopRowCase cases[] = {
        {"-1500", &kCzech, 0, kPrefixes, kKiloRow, "the absolute value counts"},
        {"0", &kCzech, 0, kPrefixes, std::nullopt, "every row is 0"},
        {"1000", &kCzech, 1, {1e-3, 1, 10, 100}, 2, "1000 itself and 1 do not qualify"},
        {"1000", &kCzech, 0, {1, 1e3, 1e-3}, std::nullopt, "1000, 1 and 10^6: none qualifies"},
        {"999,9999999999999", &kCzech, 0, {1, 10}, 1, "shown as 1000, so it does not qualify"},
        {"1,000001", &kCzech, 0, {1}, 0, "just above 1"},
        {"1,5", &kCzech, kKiloRow, kPrefixes, kKiloRow, "1,5 kilo is 1500 in the first row"},
    };
    for (const auto& c : cases) {
        const Result<PrefixViewValues> view = computePrefixView(u(c.value), c.valueRow, c.coefficients, *c.locale);
        ASSERT_TRUE(view.ok()) << c.why;
        EXPECT_EQ(view.value().topRow, c.topRow) << c.why;
    }
}

struct ErrorCase {
    const char* value;
    const QLocale* locale;
    int valueRow;
    std::vector<double> coefficients;
    ErrorCode error;
};

TEST(PrefixView, ErrorsGiveNoTexts)
{
    const double inf = std::numeric_limits<double>::infinity();
    const ErrorCase cases[] = {
        {"abc", &kCzech, 0, kPrefixes, ErrorCode::TypeMismatch},
        {"1.5", &kCzech, 0, kPrefixes, ErrorCode::TypeMismatch},
        {"1500", &kCzech, -1, kPrefixes, ErrorCode::SubscriptOutOfRange},
        {"1500", &kCzech, int(kPrefixes.size()), kPrefixes, ErrorCode::SubscriptOutOfRange},
        {"1500", &kCzech, 0, {}, ErrorCode::SubscriptOutOfRange},
        {"1500", &kCzech, 0, {1, 0, 10}, ErrorCode::DivisionByZero},
        {"1500", &kCzech, 0, {1, inf}, ErrorCode::Overflow},
        {"1E300", &kEnglish, 0, kPrefixes, ErrorCode::Overflow},   // 10^324 in the yocto row
        {"1E-300", &kEnglish, 0, kPrefixes, ErrorCode::Overflow},  // 10^-324 in the yotta row: no digits left
        // The largest double: its 15-digit text 1,79769313486232E+308 would not read back.
        {"1,7976931348623157E308", &kCzech, 0, {1, 10}, ErrorCode::Overflow},
    };
    for (const auto& c : cases) {
        const Result<PrefixViewValues> view = computePrefixView(u(c.value), c.valueRow, c.coefficients, *c.locale);
        ASSERT_FALSE(view.ok()) << c.value << " row " << c.valueRow;
        EXPECT_EQ(view.error(), c.error) << c.value << " row " << c.valueRow;
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
