#include "numbers/romannumerals.h"

#include "support/testfiles.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

TEST(RomanNumeral, Table)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/roman.txt"), 2, 20))
        EXPECT_EQ(romanNumeral(f[0].toInt()), f[1]) << test::rowName(f);
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
