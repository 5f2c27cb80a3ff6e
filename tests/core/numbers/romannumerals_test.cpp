#include "numbers/romannumerals.h"

#include "support/testlocales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tolvarin;

namespace {

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

const char* const kNotPositive = "Číslo musí být větší než 0.";
const char* const kTooLarge = "Číslo musí být maximálně rovno 10 000.";

struct RomanCase {
    double value;
    const char* text;
};

TEST(RimskeCislo, Table)
{
    const RomanCase cases[] = {
        {1, "I"},
        {4, "IV"},
        {9, "IX"},
        {14, "XIV"},
        {49, "XLIX"},
        {99, "XCIX"},
        {400, "CD"},
        {499, "CDXCIX"},
        {949, "CMXLIX"},
        {989, "CMLXXXIX"},
        {990, "XM"},
        {994, "XMIV"},
        {998, "XMVIII"},
        {999, "CMXCIX"},
        {1990, "MXM"},
        {1999, "MCMXCIX"},
        {2024, "MMXXIV"},
        {4000, "MMMM"},
        {9999, "MMMMMMMMMCMXCIX"},
        {10000, "MMMMMMMMMM"},
        {12.7, "XII"},
        {10000.9, "MMMMMMMMMM"},
        {0.5, ""},
        {10001, kTooLarge},
        {12000, kTooLarge},
        {1e300, kTooLarge},
        {0, kNotPositive},
        {-0.0, kNotPositive},
        {-3, kNotPositive},
        {-0.5, kNotPositive},
        {-1e300, kNotPositive},
    };
    for (const auto& c : cases) EXPECT_EQ(RimskeCislo(c.value), u8(c.text)) << c.value;
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

TEST(RimskeCislo, EveryNumberReadsBack)
{
    for (int n = 1; n <= kMaxRoman; ++n) {
        const std::optional<QString> numeral = RimskeCislo(n);
        ASSERT_TRUE(numeral.has_value()) << n;
        ASSERT_EQ(readRoman(*numeral), n) << n << " " << numeral->toStdString();
        ASSERT_LE(numeral->size(), 24) << n;
    }
}

struct LineCase {
    const char* cell;
    const QLocale* locale;
    const char* line;  // nullptr: no result
};

TEST(Rimsky, ResultLine)
{
    const LineCase cases[] = {
        {"12,7", &kCzech, "12 = XII"},
        {"12.7", &kEnglish, "12 = XII"},
        {"-3", &kCzech, "-3 = Číslo musí být větší než 0."},
        {"-2,5", &kCzech, "-3 = Číslo musí být větší než 0."},
        {"12000", &kCzech, "12000 = Číslo musí být maximálně rovno 10 000."},
        {"0,5", &kCzech, "0 = "},
        {"1E-300", &kEnglish, "0 = "},
        {"0", &kCzech, "0 = Číslo musí být větší než 0."},
        {"1E300", &kEnglish, "1E+300 = Číslo musí být maximálně rovno 10 000."},
        {"-1E300", &kCzech, "-1E+300 = Číslo musí být větší než 0."},
        {"", &kCzech, nullptr},
        {"XII", &kCzech, nullptr},
        {"12.7", &kCzech, nullptr},
        {"12,7", &kEnglish, nullptr},
        {"inf", &kEnglish, nullptr},
    };
    for (const auto& c : cases) {
        const RepresentationResult r = RimskyResult(u8(c.cell), *c.locale);
        if (!c.line) {
            EXPECT_FALSE(r.hasResult) << c.cell << " " << localeName(c.locale);
            continue;
        }
        ASSERT_TRUE(r.hasResult) << c.cell << " " << localeName(c.locale);
        EXPECT_EQ(r.text, u8(c.line)) << c.cell << " " << localeName(c.locale);
        EXPECT_TRUE(r.important) << c.cell;
        EXPECT_FALSE(r.isRangeError) << c.cell;  // the two messages are results, in black
    }
}

TEST(Rimsky, InfinityAndNanGiveTheRangeMessage)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        const char* message;
    } cases[] = {
        {inf, "Vstupní hodnota inf je mimo povolený rozsah."},
        {-inf, "Vstupní hodnota -inf je mimo povolený rozsah."},
        {std::nan(""), "Vstupní hodnota nan je mimo povolený rozsah."},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(RimskeCislo(c.value).has_value()) << c.message;
        const RepresentationResult r = RimskyResultForValue(c.value, kEnglish);
        EXPECT_TRUE(r.hasResult && r.isRangeError && r.important) << c.message;
        EXPECT_EQ(r.text, u8(c.message));
    }
}

}  // namespace
