#include "numbers/positionalsystems.h"

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

QString range(const char* w)
{
    return u8("Vstupní hodnota ") + u8(w) + u8(" je mimo povolený rozsah.");
}

TEST(BinText, DigitsWithSignBeforeMagnitude)
{
    const struct {
        qint16 n;
        const char* text;
    } cases[] = {{10, "1010"},
                 {1, "1"},
                 {0, "0"},
                 {32767, "111111111111111"},
                 {-1, "-1"},
                 {-10, "-1010"},
                 {-32768, "-1000000000000000"}};
    for (const auto& c : cases) EXPECT_EQ(BinText(c.n), u8(c.text)) << c.n;
}

struct DigitsCase {
    double x;
    int base;
    const char* digits;  // nullptr: no digits
};

TEST(BaseDigits, WholeNumbersInEveryBase)
{
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    const DigitsCase cases[] = {
        {10, 12, "A"},
        {0, 12, "0"},
        {31, 32, "V"},
        {35, 32, "13"},
        {255, 16, "FF"},
        {10, 2, "1010"},
        {1e18, 16, "DE0B6B3A7640000"},
        {9007199254740992.0, 2, "100000000000000000000000000000000000000000000000000000"},  // 2^53
        {18446744073709549568.0, 16, "FFFFFFFFFFFFF800"},  // the largest double below 2^64
        {18446744073709551616.0, 16, nullptr},             // 2^64
        {-1, 12, nullptr},
        {2.5, 12, nullptr},
        {nan, 12, nullptr},
        {inf, 12, nullptr},
        {10, 1, nullptr},
        {10, 0, nullptr},
        {10, -12, nullptr},
        {10, 33, nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<QString> digits = BaseDigits(c.x, c.base);
        if (c.digits) {
            EXPECT_EQ(digits, u8(c.digits)) << c.x << " base " << c.base;
        } else {
            EXPECT_FALSE(digits.has_value()) << c.x << " base " << c.base;
        }
    }
}

struct FractionDigitsCase {
    double f;
    int base;
    int places;
    const char* digits;  // nullptr: no digits
};

TEST(BaseFraction, CutDigitsOfTheDecimalFraction)
{
    const FractionDigitsCase cases[] = {
        {0.5, 12, 6, "6"},
        {0.0, 12, 6, "000000"},
        {0.5, 32, 16, "G"},
        {0.25, 2, 16, "01"},
        {0.1, 10, 6, "1"},
        {0.999, 10, 3, "999"},
        {0.999, 10, 2, "99"},               // cut, not rounded
        {0.1, 32, 16, "36CPJ6CPJ6CPJ6CP"},  // the digits of one tenth, not of the double nearest to it
        {1e-300, 32, 16, "0000000000000000"},
        {1.0, 12, 6, nullptr},
        {0.99999999999999994, 12, 6, nullptr},  // rounds to 1 at 15 digits
        {-0.5, 12, 6, nullptr},
        {std::nan(""), 12, 6, nullptr},
        {0.5, 12, 0, nullptr},
        {0.5, 12, 17, nullptr},
        {0.5, 1, 6, nullptr},
        {0.5, 33, 6, nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<QString> digits = BaseFraction(c.f, c.base, c.places);
        if (c.digits) {
            EXPECT_EQ(digits, u8(c.digits)) << c.f << " base " << c.base << " places " << c.places;
        } else {
            EXPECT_FALSE(digits.has_value()) << c.f << " base " << c.base << " places " << c.places;
        }
    }
}

struct SoustavaCase {
    int index;
    const char* cell;
    const QLocale* locale;
    int numBase;
    int numBaseDec;
    const char* text;  // nullptr: no result
    bool rangeError;
};

void expectSoustava(const SoustavaCase& c)
{
    const RepresentationResult r = SoustavaResult(c.index, u8(c.cell), c.numBase, c.numBaseDec, *c.locale);
    const auto row = testing::Message() << "index " << c.index << " cell '" << c.cell << "' " << localeName(c.locale)
                                        << " base " << c.numBase << " places " << c.numBaseDec;
    if (!c.text) {
        EXPECT_FALSE(r.hasResult) << row;
        EXPECT_TRUE(r.text.isEmpty()) << row;
        return;
    }
    ASSERT_TRUE(r.hasResult) << row;
    EXPECT_EQ(r.text, u8(c.text)) << row;
    EXPECT_EQ(r.isRangeError, c.rangeError) << row;
    EXPECT_EQ(r.important, c.rangeError) << row;  // results are not important, the range message is
}

const QLocale* const cs = &kCzech;
const QLocale* const en = &kEnglish;

TEST(Soustava, TheRepresentations)
{
    const SoustavaCase cases[] = {
        {2, "255", cs, 12, 6, "255 dekadicky = FF hexadecimálně.", false},
        {1, "8", cs, 12, 6, "8 dekadicky = 10 oktálně.", false},
        {0, "0", cs, 12, 6, "0 dekadicky = 0 binárně.", false},
        {0, "10", en, 12, 6, "10 dekadicky = 1010 binárně.", false},
        {2, "2,7", cs, 12, 6, "2 dekadicky = 2 hexadecimálně.", false},
        {2, "2.7", en, 12, 6, "2 dekadicky = 2 hexadecimálně.", false},
        {3, "2,7", cs, 12, 6, "2 dekadicky = (2)12", false},
        {0, "40000", cs, 12, 6, "Vstupní hodnota 40000 je mimo povolený rozsah.", true},
        {2, "40000", cs, 12, 6, "40000 dekadicky = 9C40 hexadecimálně.", false},
        {3, "31", cs, 32, 6, "31 dekadicky = (V)32", false},
        {3, "35", cs, 32, 6, "35 dekadicky = (13)32", false},
        {3, "10", cs, 12, 6, "10 dekadicky = (A)12", false},
        {4, "10", cs, 12, 6, "10 dekadicky = (A,000000)12", false},
        {4, "10,5", cs, 12, 6, "10,5 dekadicky = (A,6)12", false},
        {4, "10.5", en, 12, 6, "10.5 dekadicky = (A,6)12", false},
        {4, " 10,50 ", cs, 12, 6, " 10,50  dekadicky = (A,6)12", false},  // the cell text exactly as given
        {4, "10,5", cs, 2, 16, "10,5 dekadicky = (1010,1)2", false},
        {4, "10,1", cs, 10, 6, "10,1 dekadicky = (10,1)10", false},  // no binary noise in the places
        {4, "0.1", en, 32, 16, "0.1 dekadicky = (0,36CPJ6CPJ6CPJ6CP)32", false},
        {3, "1E18", en, 16, 6, "1000000000000000000 dekadicky = (DE0B6B3A7640000)16", false},
        {4, "1E-300", en, 12, 6, "1E-300 dekadicky = (0,000000)12", false},
    };
    for (const auto& c : cases) expectSoustava(c);
}

TEST(Soustava, RangesOfBinaryOctalAndHexadecimal)
{
    const SoustavaCase cases[] = {
        {0, "32767", cs, 12, 6, "32767 dekadicky = 111111111111111 binárně.", false},
        {0, "32767,9", cs, 12, 6, "32767 dekadicky = 111111111111111 binárně.", false},
        {0, "32768", cs, 12, 6, "Vstupní hodnota 32768 je mimo povolený rozsah.", true},
        {0, "-32768", cs, 12, 6, "-32768 dekadicky = -1000000000000000 binárně.", false},
        {0, "-32767,5", cs, 12, 6, "-32768 dekadicky = -1000000000000000 binárně.", false},
        {0, "-32768,5", cs, 12, 6, "Vstupní hodnota -32769 je mimo povolený rozsah.", true},
        {1, "2147483647", cs, 12, 6, "2147483647 dekadicky = 17777777777 oktálně.", false},
        {1, "2147483648", cs, 12, 6, "Vstupní hodnota 2147483648 je mimo povolený rozsah.", true},
        {1, "-2147483648", cs, 12, 6, "-2147483648 dekadicky = -20000000000 oktálně.", false},
        {2, "2147483647", en, 12, 6, "2147483647 dekadicky = 7FFFFFFF hexadecimálně.", false},
        {2, "-2147483648", en, 12, 6, "-2147483648 dekadicky = -80000000 hexadecimálně.", false},
        {2, "-2147483649", en, 12, 6, "Vstupní hodnota -2147483649 je mimo povolený rozsah.", true},
        {0, "1E300", en, 12, 6, "Vstupní hodnota 1E+300 je mimo povolený rozsah.", true},
        {3, "1E300", cs, 12, 6, "Vstupní hodnota 1E+300 je mimo povolený rozsah.", true},
        {4, "-1E300", en, 12, 6, "Vstupní hodnota -1E+300 je mimo povolený rozsah.", true},
        {3, "9,3E18", cs, 10, 6, "Vstupní hodnota 9,3E+18 je mimo povolený rozsah.", true},
    };
    for (const auto& c : cases) expectSoustava(c);
}

TEST(Soustava, NegativeValuesGetASignBeforeTheMagnitude)
{
    const SoustavaCase cases[] = {
        {0, "-10", cs, 12, 6, "-10 dekadicky = -1010 binárně.", false},
        {0, "-2,5", cs, 12, 6, "-3 dekadicky = -11 binárně.", false},  // rounded down
        {1, "-8", en, 12, 6, "-8 dekadicky = -10 oktálně.", false},
        {2, "-255", en, 12, 6, "-255 dekadicky = -FF hexadecimálně.", false},
        {3, "-10,5", cs, 12, 6, "-11 dekadicky = (-B)12", false},
        {4, "-10,5", cs, 12, 6, "-10,5 dekadicky = (-A,6)12", false},  // the sign of the whole value
        {4, "-0.5", en, 12, 6, "-0.5 dekadicky = (-0,6)12", false},
        {0, "-0,5", cs, 12, 6, "-1 dekadicky = -1 binárně.", false},
        {0, "-1E-300", en, 12, 6, "-1 dekadicky = -1 binárně.", false},
        {0, "-0", cs, 12, 6, "0 dekadicky = 0 binárně.", false},
    };
    for (const auto& c : cases) expectSoustava(c);
}

TEST(Soustava, StoredBaseOrPlacesOutsideTheDialogsLimits)
{
    const SoustavaCase cases[] = {
        {3, "10", cs, 1, 6, "Vstupní hodnota 10 je mimo povolený rozsah.", true},
        {3, "10", cs, 0, 6, "Vstupní hodnota 10 je mimo povolený rozsah.", true},
        {3, "10", cs, -12, 6, "Vstupní hodnota 10 je mimo povolený rozsah.", true},
        {3, "10", cs, 33, 6, "Vstupní hodnota 10 je mimo povolený rozsah.", true},
        {4, "10,5", cs, 32767, 6, "Vstupní hodnota 10 je mimo povolený rozsah.", true},
        {4, "10,5", cs, 12, 0, "Vstupní hodnota 10 je mimo povolený rozsah.", true},
        {4, "10,5", cs, 12, -1, "Vstupní hodnota 10 je mimo povolený rozsah.", true},
        {4, "10,5", cs, 12, 17, "Vstupní hodnota 10 je mimo povolený rozsah.", true},
        {3, "10", cs, 12, 0, "10 dekadicky = (A)12", false},  // the places do not matter here
        {0, "10", cs, 0, 0, "10 dekadicky = 1010 binárně.", false},
        {2, "10", cs, 99, 99, "10 dekadicky = A hexadecimálně.", false},
        {4, "10,5", cs, 2, 1, "10,5 dekadicky = (1010,1)2", false},
        {4, "10,5", cs, 32, 16, "10,5 dekadicky = (A,G)32", false},
    };
    for (const auto& c : cases) expectSoustava(c);
}

TEST(Soustava, NoNumberNoResult)
{
    const SoustavaCase cases[] = {
        {0, "", cs, 12, 6, nullptr, false},     {4, "   ", cs, 12, 6, nullptr, false},
        {2, "abc", cs, 12, 6, nullptr, false},  {2, "metr", en, 12, 6, nullptr, false},
        {0, "2.5", cs, 12, 6, nullptr, false},  // the other locale's separator
        {0, "2,5", en, 12, 6, nullptr, false},  {3, "1/3", cs, 12, 6, nullptr, false},
        {3, "10 m", cs, 12, 6, nullptr, false}, {0, "inf", en, 12, 6, nullptr, false},
        {0, "nan", en, 12, 6, nullptr, false},  {4, "1E400", en, 12, 6, nullptr, false},
        {-1, "10", cs, 12, 6, nullptr, false},  // no such menu entry
        {5, "10", cs, 12, 6, nullptr, false},
    };
    for (const auto& c : cases) expectSoustava(c);
}

TEST(Soustava, SameCommandTwiceGivesTheSameText)
{
    for (const QLocale* locale : {cs, en}) {
        const QString cell = locale == cs ? QStringLiteral("10,75") : QStringLiteral("10.75");
        const RepresentationResult first = SoustavaResult(kSoustavaVlastniDesetinna, cell, 12, 6, *locale);
        SoustavaResult(kSoustavaBinarne, cell, 12, 6, *locale);
        const RepresentationResult second = SoustavaResult(kSoustavaVlastniDesetinna, cell, 12, 6, *locale);
        EXPECT_EQ(first.text, cell + u8(" dekadicky = (A,9)12")) << localeName(locale);
        EXPECT_EQ(second.text, first.text) << localeName(locale);
    }
}

TEST(Soustava, InfinityAndNanGiveTheRangeMessageEverywhere)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        const char* name;
    } values[] = {{inf, "inf"}, {-inf, "-inf"}, {std::nan(""), "nan"}};
    for (const auto& v : values) {
        for (int index = kSoustavaBinarne; index <= kSoustavaVlastniDesetinna; ++index) {
            const RepresentationResult r = SoustavaResultForValue(index, v.value, 12, 6, kCzech);
            EXPECT_TRUE(r.hasResult && r.isRangeError && r.important) << v.name << " index " << index;
            EXPECT_EQ(r.text, range(v.name)) << v.name << " index " << index;
        }
    }
}

TEST(Soustava, ValueWithoutCellText)
{
    EXPECT_EQ(SoustavaResultForValue(kSoustavaVlastniDesetinna, 10.5, 12, 6, kCzech).text,
              u8("10,5 dekadicky = (A,6)12"));
    EXPECT_EQ(SoustavaResultForValue(kSoustavaHexadecimalne, 255.9, 12, 6, kEnglish).text,
              u8("255 dekadicky = FF hexadecimálně."));
}

}  // namespace
