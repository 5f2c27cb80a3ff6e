#include "numbers/decimalvalue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tolvarin;

namespace {

struct DecimalCase {
    double value;
    quint64 mantissa;
    int exponent;
    bool negative;
};

TEST(DecimalValue, RoundsToFifteenSignificantDigits)
{
    const DecimalCase cases[] = {
        {0.1, 1, -1, false},
        {10.1, 101, -1, false},
        {-0.75, 75, -2, true},
        {0.1 + 0.2, 3, -1, false},  // 0.30000000000000004 as the grid shows it
        {1e300, 1, 300, false},
        {1152921504606846976.0, 115292150460685, 4, false},  // 2^60
        {2.9999999999999996, 3, 0, false},
        {-0.0, 0, 0, false},
        {0.0, 0, 0, false},
        {4.9406564584124654e-324, 494065645841247, -338, false},
    };
    for (const auto& c : cases) {
        const std::optional<DecimalValue> d = DecimalValue::fromDouble(c.value);
        ASSERT_TRUE(d.has_value()) << c.value;
        EXPECT_EQ(d->mantissa(), c.mantissa) << c.value;
        EXPECT_EQ(d->exponent(), c.exponent) << c.value;
        EXPECT_EQ(d->isNegative(), c.negative) << c.value;
    }
}

TEST(DecimalValue, NoValueForInfinityAndNan)
{
    const double cases[] = {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                            std::nan("")};
    for (double v : cases) EXPECT_FALSE(DecimalValue::fromDouble(v).has_value()) << v;
}

struct FloorCase {
    double value;
    std::optional<qint64> floor;
    std::optional<quint64> wholeMagnitude;
};

TEST(DecimalValue, FloorAndWholePart)
{
    const FloorCase cases[] = {
        {2.7, 2, 2},
        {-2.5, -3, 2},
        {-3.0, -3, 3},
        {-1e-300, -1, 0},
        {0.5, 0, 0},
        {1e18, 1000000000000000000, 1000000000000000000},
        {-9.2233720368547e18, -9223372036854700000, 9223372036854700000},
        {9.3e18, std::nullopt, 9300000000000000000ULL},
        {2e19, std::nullopt, std::nullopt},
        {1e300, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const DecimalValue d = *DecimalValue::fromDouble(c.value);
        EXPECT_EQ(d.floor(), c.floor) << c.value;
        EXPECT_EQ(d.wholeMagnitude(), c.wholeMagnitude) << c.value;
    }
}

TEST(DecimalValue, FractionDigitsAreExact)
{
    EXPECT_EQ(DecimalValue::fromDouble(10.1)->fractionDigits(), (std::vector<quint8>{1}));
    EXPECT_EQ(DecimalValue::fromDouble(-0.0025)->fractionDigits(), (std::vector<quint8>{0, 0, 2, 5}));
    EXPECT_TRUE(DecimalValue::fromDouble(42.0)->fractionDigits().empty());
    const std::vector<quint8> tiny = DecimalValue::fromDouble(1e-300)->fractionDigits();
    ASSERT_EQ(tiny.size(), 300u);
    EXPECT_EQ(tiny.back(), 1);
    EXPECT_EQ(tiny.front(), 0);
}

}  // namespace
