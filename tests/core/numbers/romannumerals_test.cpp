#include "numbers/romannumerals.h"

#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

struct RomanCase {
    int value;
    const char* numeral;
};

TEST(RomanNumeral, Table)
{
    // clang-format off
    const RomanCase cases[] = {
        {0, ""}, {1, "I"}, {4, "IV"}, {9, "IX"}, {14, "XIV"}, {49, "XLIX"}, {99, "XCIX"}, {400, "CD"},
        {499, "CDXCIX"}, {949, "CMXLIX"}, {989, "CMLXXXIX"}, {990, "XM"}, {994, "XMIV"}, {998, "XMVIII"},
        {999, "CMXCIX"}, {1990, "MXM"}, {1999, "MCMXCIX"}, {4000, "MMMM"}, {9999, "MMMMMMMMMCMXCIX"},
        {10000, "MMMMMMMMMM"},
    };
    // clang-format on
    for (const RomanCase& c : cases) EXPECT_EQ(romanNumeral(c.value), u(c.numeral)) << c.value;
}

// An independent reader: a letter smaller than the next one is subtracted.
// It accepts the "XM" form for 990 too, so every numeral must read back.
int readRoman(const QString& numeral)
{
    auto letter = [](QChar c) {
        switch (c.unicode()) {
            case 'I': return 1;
            case 'V': return 5;
            case 'X': return 10;
            case 'L': return 50;
            case 'C': return 100;
            case 'D': return 500;
            case 'M': return 1000;
            default: return -100000;
        }
    };
    int sum = 0;
    for (qsizetype i = 0; i < numeral.size(); ++i) {
        const int v = letter(numeral[i]);
        sum += (i + 1 < numeral.size() && v < letter(numeral[i + 1])) ? -v : v;
    }
    return sum;
}

TEST(RomanNumeral, EveryNumberReadsBack)
{
    for (int n = 1; n <= kMaxRoman; ++n) {
        const QString numeral = romanNumeral(n);
        ASSERT_EQ(readRoman(numeral), n) << n << " " << numeral.toStdString();
        ASSERT_LE(numeral.size(), 24) << n;
    }
}

}  // namespace
