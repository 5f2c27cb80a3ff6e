#include "numbers/prefixview.h"

#include "catalogue/numericreading.h"
#include "catalogue/topictable.h"
#include "catalogue/unitcatalogue.h"
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

// A prefix topic as the data file lays it out: the unit with factor 1 first,
// then the multiples from yotta down and the fractions down to yocto.
const std::vector<double> kPrefixes = {1,    1e24, 1e21, 1e18, 1e15, 1e12,  1e9,   1e6,   1e3,   1e2,  1e1,
                                       1e-1, 1e-2, 1e-3, 1e-6, 1e-9, 1e-12, 1e-15, 1e-18, 1e-21, 1e-24};
constexpr int kKiloRow = 8;
constexpr int kHectoRow = 9;
constexpr int kMilliRow = 13;

TEST(PredponyValues, SpreadsTheValueOverThePrefixes)
{
    const Result<PrefixViewValues> view = PredponyValues(u8("1500"), 0, kPrefixes, kCzech);
    ASSERT_TRUE(view.ok());
    const QStringList& t = view.value().texts;
    ASSERT_EQ(t.size(), qsizetype(kPrefixes.size()));
    EXPECT_EQ(t[0], u8("1500"));
    EXPECT_EQ(t[1], u8("1,5E-21"));
    EXPECT_EQ(t[7], u8("0,0015"));
    EXPECT_EQ(t[kKiloRow], u8("1,5"));
    EXPECT_EQ(t[kHectoRow], u8("15"));
    EXPECT_EQ(t[kMilliRow], u8("1500000"));
    EXPECT_EQ(t[20], u8("1,5E+27"));
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

TEST(PredponyValues, RowThatGoesToTheTop)
{
    const TopRowCase cases[] = {
        {"1500", &kEnglish, 0, kPrefixes, kKiloRow, "1,5 in the kilo row"},
        {"-1500", &kCzech, 0, kPrefixes, kKiloRow, "the absolute value counts"},
        {"0", &kCzech, 0, kPrefixes, std::nullopt, "every row is 0"},
        {"1000", &kCzech, 1, {1e-3, 1, 10, 100}, 2, "1000 itself and 1 do not qualify"},
        {"1000", &kCzech, 0, {1, 1e3, 1e-3}, std::nullopt, "1000, 1 and 10^6: none qualifies"},
        {"999,9999999999999", &kCzech, 0, {1, 10}, 1, "shown as 1000, so it does not qualify"},
        {"999.99", &kEnglish, 0, {1, 10}, 0, "just below the bound"},
        {"1,000001", &kCzech, 0, {1}, 0, "just above 1"},
        {"1,5", &kCzech, kKiloRow, kPrefixes, kKiloRow, "1,5 kilo is 1500 in the first row"},
    };
    for (const auto& c : cases) {
        const Result<PrefixViewValues> view = PredponyValues(u8(c.value), c.valueRow, c.coefficients, *c.locale);
        ASSERT_TRUE(view.ok()) << c.why;
        EXPECT_EQ(view.value().topRow, c.topRow) << c.why;
    }
}

TEST(PredponyValues, TextsReadBackInTheLocale)
{
    for (const QLocale* locale : {&kCzech, &kEnglish}) {
        QLocale typed = *locale;
        typed.setNumberOptions(QLocale::OmitGroupSeparator);
        const QString value = typed.toString(-12345.678, 'f', 3);
        const Result<PrefixViewValues> view = PredponyValues(value, 0, kPrefixes, *locale);
        ASSERT_TRUE(view.ok()) << localeName(locale);
        for (size_t row = 0; row < kPrefixes.size(); ++row) {
            const QString& text = view.value().texts[qsizetype(row)];
            const std::optional<double> shown = regionalReading(text, *locale);
            ASSERT_TRUE(shown.has_value()) << localeName(locale) << " row " << row << " " << text.toStdString();
            const double expected = -12345.678 / kPrefixes[row];
            EXPECT_NEAR(*shown / expected, 1.0, 1e-14) << localeName(locale) << " row " << row;
        }
    }
}

struct ErrorCase {
    const char* value;
    const QLocale* locale;
    int valueRow;
    std::vector<double> coefficients;
    ErrorCode error;
};

TEST(PredponyValues, ErrorsGiveNoTexts)
{
    const double inf = std::numeric_limits<double>::infinity();
    const ErrorCase cases[] = {
        {"abc", &kCzech, 0, kPrefixes, ErrorCode::TypeMismatch},
        {"", &kCzech, 0, kPrefixes, ErrorCode::TypeMismatch},
        {"1.5", &kCzech, 0, kPrefixes, ErrorCode::TypeMismatch},
        {"1,5", &kEnglish, 0, kPrefixes, ErrorCode::TypeMismatch},
        {"nan", &kEnglish, 0, kPrefixes, ErrorCode::TypeMismatch},
        {"1500", &kCzech, -1, kPrefixes, ErrorCode::SubscriptOutOfRange},
        {"1500", &kCzech, int(kPrefixes.size()), kPrefixes, ErrorCode::SubscriptOutOfRange},
        {"1500", &kCzech, 0, {}, ErrorCode::SubscriptOutOfRange},
        {"1500", &kCzech, 0, {1, 0, 10}, ErrorCode::DivisionByZero},
        {"1500", &kCzech, 1, {1, 0}, ErrorCode::DivisionByZero},
        {"1500", &kCzech, 0, {1, inf}, ErrorCode::Overflow},
        {"1E300", &kEnglish, 0, kPrefixes, ErrorCode::Overflow},   // 10^324 in the yocto row
        {"1E-300", &kEnglish, 0, kPrefixes, ErrorCode::Overflow},  // 10^-324 in the yotta row: no digits left
        {"1E308", &kEnglish, 0, {1, 0.1}, ErrorCode::Overflow},
    };
    for (const auto& c : cases) {
        const Result<PrefixViewValues> view = PredponyValues(u8(c.value), c.valueRow, c.coefficients, *c.locale);
        ASSERT_FALSE(view.ok()) << c.value << " row " << c.valueRow;
        EXPECT_EQ(view.error(), c.error) << c.value << " row " << c.valueRow;
    }
}

TEST(PredponyValues, CoefficientsOfThePrefixTopic)
{
    UnitCatalogue catalogue;
    catalogue.setCount(kPrefixSlot, 3);
    const double factors[] = {1, 1e3, 1e-3};
    for (int row = 1; row <= 3; ++row) catalogue.unit(kPrefixSlot, row).coefficient = factors[row - 1];
    catalogue.unit(kPrefixSlot, 4).coefficient = 99;  // beyond the count
    EXPECT_EQ(prefixCoefficients(catalogue), (std::vector<double>{1, 1e3, 1e-3}));
}

}  // namespace
