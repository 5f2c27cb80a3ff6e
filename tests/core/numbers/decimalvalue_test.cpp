#include "numbers/decimalvalue.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

#include <optional>

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
    // clang-format off
    const DecimalCase cases[] = {
        {0.1, 1, -1, false}, {10.1, 101, -1, false}, {-0.75, 75, -2, true}, {1e300, 1, 300, false},
        {0.1 + 0.2, 3, -1, false},  // 0.30000000000000004 as the grid shows it
        {1152921504606846976.0, 115292150460685, 4, false},  // 2^60
        {2.9999999999999996, 3, 0, false}, {-0.0, 0, 0, false},
        {4.9406564584124654e-324, 494065645841247, -338, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        const std::optional<DecimalValue> d = DecimalValue::fromDouble(c.value);
        ASSERT_TRUE(d.has_value()) << c.value;
        EXPECT_EQ(d->mantissa(), c.mantissa) << c.value;
        EXPECT_EQ(d->exponent(), c.exponent) << c.value;
        EXPECT_EQ(d->isNegative(), c.negative) << c.value;
    }
}

struct FloorCase {
    double value;
    std::optional<qint64> floor;
    std::optional<quint64> wholeMagnitude;
};

TEST(DecimalValue, FloorAndWholePart)
{
    // clang-format off
    const FloorCase cases[] = {
        {2.7, 2, 2}, {-2.5, -3, 2}, {-3.0, -3, 3}, {-1e-300, -1, 0}, {0.5, 0, 0},
        {1e18, 1000000000000000000, 1000000000000000000},
        {-9.2233720368547e18, -9223372036854700000, 9223372036854700000},
        {9.3e18, std::nullopt, 9300000000000000000ULL},
        {2e19, std::nullopt, std::nullopt},
        {1e300, std::nullopt, std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) {
        const DecimalValue d = *DecimalValue::fromDouble(c.value);
        EXPECT_EQ(d.floor(), c.floor) << c.value;
        EXPECT_EQ(d.wholeMagnitude(), c.wholeMagnitude) << c.value;
    }
}

}  // namespace
