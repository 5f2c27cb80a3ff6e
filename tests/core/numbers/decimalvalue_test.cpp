// Doubles as decimal values; the cases are in data/decimals.txt.
#include "numbers/decimalvalue.h"
#include "support/testfiles.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace tolvarin;

namespace {

template <typename T>
QString optionalText(const std::optional<T>& value)
{
    return value ? QString::number(*value) : QStringLiteral("none");
}

TEST(DecimalValue, DigitsFloorAndWholePart)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/decimals.txt"), 0, 19)) {
        bool read = false;
        const double value = f.value(1).toDouble(&read);
        ASSERT_TRUE(read && std::signbit(value) == f[1].startsWith(u'-')) << test::rowName(f);
        const std::optional<DecimalValue> d = DecimalValue::fromDouble(value);
        ASSERT_TRUE(d.has_value()) << test::rowName(f);
        if (f[0] == QStringLiteral("digits") && f.size() == 5) {
            EXPECT_EQ(QStringLiteral("%1 %2 %3").arg(d->mantissa()).arg(d->exponent()).arg(d->isNegative() ? '-' : '+'),
                      f.mid(2).join(u' '))
                << test::rowName(f);
        } else {
            ASSERT_TRUE(f[0] == QStringLiteral("whole") && f.size() == 4) << test::rowName(f);
            EXPECT_EQ(optionalText(d->floor()) + u' ' + optionalText(d->wholeMagnitude()), f.mid(2).join(u' '))
                << test::rowName(f);
        }
    }
}

}  // namespace
