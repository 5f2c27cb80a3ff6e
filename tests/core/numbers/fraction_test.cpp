#include "numbers/fraction.h"

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

const QLocale* const cs = &kCzech;
const QLocale* const en = &kEnglish;

struct ZlomekCase {
    const char* cell;
    const QLocale* locale;
    int n;
    const char* text;  // nullptr: no result
    bool rangeError;
};

void expectZlomek(const ZlomekCase& c)
{
    const RepresentationResult r = ZlomekResult(u8(c.cell), c.n, *c.locale);
    const auto row = testing::Message() << "cell '" << c.cell << "' " << localeName(c.locale) << " n " << c.n;
    if (!c.text) {
        EXPECT_FALSE(r.hasResult) << row;
        EXPECT_TRUE(r.text.isEmpty()) << row;
        return;
    }
    ASSERT_TRUE(r.hasResult) << row;
    EXPECT_EQ(r.text, u8(c.text)) << row;
    EXPECT_EQ(r.isRangeError, c.rangeError) << row;
    EXPECT_TRUE(r.important) << row;  // a hidden information line gives way to a message box
}

TEST(Zlomek, Fractions)
{
    const ZlomekCase cases[] = {
        {"2,5", cs, 3, "2 + 1/2 chyba 0", false},
        {"2.5", en, 3, "2 + 1/2 chyba 0", false},
        {"0,75", cs, 3, "3/4 chyba 0", false},
        {"-0,75", cs, 3, "3/4 chyba 0", false},
        {"0,3333", cs, 3, "333/1000 chyba -0,0003", false},
        {"0.3333", en, 3, "333/1000 chyba -0.0003", false},
        {"1,0004", cs, 3, "Při nastavené citlivosti ~0,001 nelze převést na zlomek.", false},
        {"1.0004", en, 3, "Při nastavené citlivosti ~0.001 nelze převést na zlomek.", false},
        {"2,9996", cs, 3, "Při nastavené citlivosti ~0,001 nelze převést na zlomek.", false},
        {"7", cs, 3, "Celé číslo", false},
        {"-7", en, 3, "Celé číslo", false},
        {"0", cs, 3, "Celé číslo", false},
        {"1E300", en, 3, "Celé číslo", false},
        {"2,66667", cs, 3, "2 + 667/1000 chyba 0,00033", false},
        {"-2,66667", cs, 3, "2 + 667/1000 chyba 0,00033", false},
    };
    for (const auto& c : cases) expectZlomek(c);
}

// The error term and the rounding work on the decimal value as shown; in
// binary doubles 1,0045 · 1000 is 1004,4999… and 0,1 is not one tenth.
TEST(Zlomek, ExactDecimalArithmetic)
{
    const ZlomekCase cases[] = {
        {"1,0045", cs, 3, "1 + 1/200 chyba 0,0005", false},
        {"0,1", cs, 3, "1/10 chyba 0", false},
        {"0.3", en, 1, "3/10 chyba 0", false},
        {"0,0005", cs, 3, "1/1000 chyba 0,0005", false},
        {"0,0004999", cs, 3, "Při nastavené citlivosti ~0,001 nelze převést na zlomek.", false},
        {"0,123456789", cs, 9, "123456789/1000000000 chyba 0", false},
        {"3,14159265358979", cs, 8, "3 + 2831853/20000000 chyba -0,00000000358979", false},
        {"1,04", cs, 1, "Při nastavené citlivosti ~0,1 nelze převést na zlomek.", false},
        {"1,0000000001", cs, 9, "Při nastavené citlivosti ~0,000000001 nelze převést na zlomek.", false},
        {"1E-300", en, 3, "Při nastavené citlivosti ~0.001 nelze převést na zlomek.", false},
        {"0,99999", cs, 9, "99999/100000 chyba 0", false},
        {"123456789012,345", cs, 3, "Vstupní hodnota 123456789012,345 je mimo povolený rozsah.", true},
    };
    for (const auto& c : cases) expectZlomek(c);
}

TEST(Zlomek, ValueTimesTenToTheNMustFit32Bits)
{
    const ZlomekCase cases[] = {
        {"2147483,6474", cs, 3, "2147483 + 647/1000 chyba -0,0004", false},
        {"2147483,6475", cs, 3, "Vstupní hodnota 2147483,6475 je mimo povolený rozsah.", true},
        {"-2147483,6475", cs, 3, "Vstupní hodnota -2147483,6475 je mimo povolený rozsah.", true},
        {"3000000.5", en, 3, "Vstupní hodnota 3000000.5 je mimo povolený rozsah.", true},
        {"2,147483647", cs, 9, "2 + 147483647/1000000000 chyba 0", false},
        {"2,147483648", cs, 9, "Vstupní hodnota 2,147483648 je mimo povolený rozsah.", true},
        {"2,5", cs, 9, "Vstupní hodnota 2,5 je mimo povolený rozsah.", true},
    };
    for (const auto& c : cases) expectZlomek(c);
}

TEST(Zlomek, SensitivityOutsideTheDialogsLimits)
{
    const ZlomekCase cases[] = {
        {"2,5", cs, 0, "Vstupní hodnota 2,5 je mimo povolený rozsah.", true},
        {"2,5", cs, -1, "Vstupní hodnota 2,5 je mimo povolený rozsah.", true},
        {"2,5", cs, 10, "Vstupní hodnota 2,5 je mimo povolený rozsah.", true},
        {"2,5", cs, 32767, "Vstupní hodnota 2,5 je mimo povolený rozsah.", true},
        {"7", en, 0, "Vstupní hodnota 7 je mimo povolený rozsah.", true},
        {"0,5", cs, 1, "1/2 chyba 0", false},
    };
    for (const auto& c : cases) expectZlomek(c);
}

TEST(Zlomek, NoNumberNoResult)
{
    const ZlomekCase cases[] = {
        {"", cs, 3, nullptr, false},     {" ", cs, 3, nullptr, false},    {"abc", cs, 3, nullptr, false},
        {"0.75", cs, 3, nullptr, false}, {"0,75", en, 3, nullptr, false}, {"3/4", cs, 3, nullptr, false},
        {"nan", en, 3, nullptr, false},  {"-inf", en, 3, nullptr, false}, {"1E999", en, 3, nullptr, false},
    };
    for (const auto& c : cases) expectZlomek(c);
}

TEST(Zlomek, InfinityAndNanGiveTheRangeMessage)
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
        EXPECT_FALSE(ZlomekText(c.value, 3, kCzech).has_value()) << c.message;
        const RepresentationResult r = ZlomekResultForValue(c.value, 3, kCzech);
        EXPECT_TRUE(r.hasResult && r.isRangeError && r.important) << c.message;
        EXPECT_EQ(r.text, u8(c.message));
    }
    EXPECT_EQ(ZlomekResultForValue(0.75, 3, kEnglish).text, u8("3/4 chyba 0"));
}

}  // namespace
