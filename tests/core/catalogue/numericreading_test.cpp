#include "catalogue/numericreading.h"
#include "common/textutil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using namespace tolvarin;

namespace {

const QLocale kCzech(QLocale::Czech, QLocale::CzechRepublic);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

struct PlainCase {
    const char* text;
    double expected;
};

TEST(PlainReading, ReadsTheLeadingNumber)
{
    const PlainCase cases[] = {
        {"2.5", 2.5},     {"25E-1", 2.5}, {"2.5abc", 2.5}, {"", 0.0},      {"PI", 0.0},   {"1,5", 1.0},
        {"  -3", -3.0},   {"1 000", 1000.0}, {"1D3", 1000.0}, {".5", 0.5}, {"7e", 7.0},   {"+4.25x", 4.25},
        {"1e+2 m", 100.0}, {"abc", 0.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(plainReading(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(PlainReading, HugeNumberComesBackInfinite) { EXPECT_TRUE(std::isinf(plainReading(u"1E400"))); }

TEST(PlainReading, LongAndExtremeNumbers)
{
    const QString manyDigits = QStringLiteral("0.") + QString(80, QLatin1Char('0')) + QStringLiteral("125");
    EXPECT_DOUBLE_EQ(plainReading(manyDigits), 1.25e-81);
    EXPECT_DOUBLE_EQ(plainReading(QString(70, QLatin1Char('9'))), 1e70);
    EXPECT_EQ(plainReading(u"1E-400"), 0.0);
    EXPECT_TRUE(std::isinf(plainReading(u"-1E400")) && plainReading(u"-1E400") < 0);
    EXPECT_EQ(plainReading(u"4.9E-324"), 4.9E-324);  // the smallest subnormal
    EXPECT_DOUBLE_EQ(plainReading(u"5.e3"), 5000.0);
    EXPECT_TRUE(std::signbit(plainReading(u"-0")));
}

TEST(RegionalReading, WholeNumbersReadAlikeInEveryLocale)
{
    struct WholeCase {
        const char* text;
        std::optional<double> expected;
    };
    const WholeCase cases[] = {
        {"16", 16.0}, {" 007 ", 7.0}, {"-12", -12.0}, {"-", std::nullopt}, {"5-3", std::nullopt}, {"--5", std::nullopt},
    };
    for (const QLocale* locale : {&kCzech, &kEnglish})
        for (const WholeCase& c : cases)
            EXPECT_EQ(regionalReading(QString::fromUtf8(c.text), *locale), c.expected)
                << c.text << " in " << locale->name().toStdString();
}

struct CoefficientCase {
    const char* text;
    const QLocale* locale;
    double expected;  // NaN when an error is expected
    ErrorCode error;
};

TEST(CoefficientReader, FractionsPiAndErrors)
{
    const double pi = 4.0 * std::atan(1.0);
    const double nan = std::nan("");
    const CoefficientCase cases[] = {
        {"2.5", &kCzech, 2.5, ErrorCode::TypeMismatch},
        {"", &kCzech, 0.0, ErrorCode::TypeMismatch},
        {"1/3", &kCzech, 1.0 / 3.0, ErrorCode::TypeMismatch},
        {"PI/180", &kCzech, pi / 180.0, ErrorCode::TypeMismatch},
        {"180/PI", &kCzech, 180.0 / pi, ErrorCode::TypeMismatch},
        {"PI/PI", &kCzech, 1.0, ErrorCode::TypeMismatch},
        {" 1 / 4 ", &kCzech, 0.25, ErrorCode::TypeMismatch},
        {"PI", &kCzech, 0.0, ErrorCode::TypeMismatch},
        {"1/2,5", &kCzech, 0.4, ErrorCode::TypeMismatch},
        {"1/2.5", &kEnglish, 0.4, ErrorCode::TypeMismatch},
        {"pi/2", &kCzech, nan, ErrorCode::TypeMismatch},
        {"-PI/2", &kCzech, nan, ErrorCode::TypeMismatch},
        {"2PI/3", &kCzech, nan, ErrorCode::TypeMismatch},
        {"1/2/4", &kCzech, nan, ErrorCode::TypeMismatch},
        {"/4", &kCzech, nan, ErrorCode::TypeMismatch},
        {"1/2.5", &kCzech, nan, ErrorCode::TypeMismatch},
        {"1/2,5", &kEnglish, nan, ErrorCode::TypeMismatch},
        {"5/0", &kCzech, nan, ErrorCode::DivisionByZero},
        {"0/0", &kCzech, nan, ErrorCode::Overflow},
        {"1E300/1E-300", &kEnglish, nan, ErrorCode::Overflow},
        {"1E999", &kEnglish, nan, ErrorCode::Overflow},
    };
    for (const auto& c : cases) {
        const Result<double> result = readCoefficient(QString::fromUtf8(c.text), *c.locale);
        if (std::isnan(c.expected)) {
            ASSERT_FALSE(result.ok()) << c.text;
            EXPECT_EQ(result.error(), c.error) << c.text;
        } else {
            ASSERT_TRUE(result.ok()) << c.text;
            EXPECT_DOUBLE_EQ(result.value(), c.expected) << c.text;
        }
    }
}

TEST(RegionalReading, FollowsTheLocale)
{
    EXPECT_EQ(regionalReading(QStringLiteral(" 12,5 "), kCzech), 12.5);
    EXPECT_FALSE(regionalReading(QStringLiteral("12.5"), kCzech));
    EXPECT_EQ(regionalReading(QStringLiteral("12.5"), kEnglish), 12.5);
    EXPECT_FALSE(regionalReading(QStringLiteral("1,000"), kEnglish));
    EXPECT_FALSE(regionalReading(QString(), kCzech));
    EXPECT_FALSE(regionalReading(QStringLiteral("inf"), kEnglish));
    EXPECT_FALSE(regionalReading(QStringLiteral("nan"), kEnglish));
    EXPECT_EQ(regionalReading(QStringLiteral("1,5E+03"), kCzech), 1500.0);
}

TEST(TextHelpers, JoinLinesAndSqueezeSpaces)
{
    EXPECT_EQ(JoinLines({QStringLiteral("a"), QString(), QStringLiteral("b")}), QStringLiteral("a\r\n\r\nb\r\n"));
    EXPECT_EQ(SqueezeSpaces(QStringLiteral(" km:  5,00   km =  5 000,00 m ")), QStringLiteral(" km: 5,00 km = 5 000,00 m "));
    EXPECT_EQ(SqueezeSpaces(QStringLiteral("    ")), QStringLiteral(" "));
}

}  // namespace
