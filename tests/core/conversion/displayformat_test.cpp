#include "conversion/displayformat.h"
#include "conversion/decimaltext.h"

#include "catalogue/numericreading.h"

#include "support/testfiles.h"
#include "testtopics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <random>

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

TEST(DisplayFormat, ModesAndGroupedForm)
{
    const QStringList modes = {"single", "double", "scientific", "fixed"};
    const QList<QStringList> rows = dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/formats.txt"), 4, 20);
    for (const QLocale* locale : kLocales) {
        for (const QStringList& f : rows) {
            ASSERT_TRUE(f[1] == u"grouped" || modes.contains(f[1])) << rowName(f);
            const double value = f[0].toDouble();
            const QString expected = localText(f[3], *locale);
            const std::string where = locale->name().toStdString() + ": " + rowName(f);
            if (f[1] == u"grouped") {
                EXPECT_EQ(groupedText(value, *locale), expected) << where;
                EXPECT_EQ(groupedValueText(plainDoubleText(value, *locale), *locale), expected) << "as text " << where;
                continue;
            }
            const DisplayFormat format{PrecisionMode(modes.indexOf(f[1])), fixedDecimalsPattern(f[2].toInt())};
            const Result<QString> text = formatValue(value, format, *locale);
            ASSERT_TRUE(text.ok()) << where;
            EXPECT_EQ(text.value(), expected) << where;
        }
    }
}

}  // namespace

namespace {

std::optional<double> readByQLocale(const QString& text, const QLocale& locale)
{
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// Every text the program writes reads back to the value QLocale gives it,
// in locales with other separators and signs too; the regional reading
// answers other texts as QLocale does.
TEST(DisplayFormat, WrittenTextsReadBackAsQLocaleReadsThem)
{
    const QLocale locales[] = {kCzech, kEnglish, QLocale(QLocale::Swedish, QLocale::Sweden),
                               QLocale(QLocale::German, QLocale::Switzerland)};
    const double values[] = {0.0, -273.15, 1.0 / 3.0, 12345678.0, 1.5e-7, -2.5e20, 1e-300, 1.79769313486231e308};
    const char* others[] = {"+5", "5,", ",5", "1 000", "1E", "1E400", "1e-400", "--5", "1,5.5", " 7 "};
    for (const QLocale& locale : locales) {
        for (double value : values) {
            for (int mode = 0; mode < kPrecisionModeCount; ++mode) {
                const DisplayFormat format{PrecisionMode(mode), fixedDecimalsPattern(3)};
                const Result<QString> text = formatValue(value, format, locale);
                if (!text.ok()) continue;  // rounded beyond the double range
                const std::optional<double> read = regionalReading(text.value(), locale);
                ASSERT_TRUE(read.has_value()) << locale.name().toStdString() << " " << text.value().toStdString();
                EXPECT_EQ(read, readByQLocale(text.value(), locale)) << text.value().toStdString();
            }
        }
        for (const char* other : others) {
            const QString text = localText(other, locale);
            EXPECT_EQ(regionalReading(text, locale), readByQLocale(text, locale))
                << locale.name().toStdString() << " " << other;
        }
    }
}

// What the scientific text of to_chars with the given number of places reads
// back as.
template <typename Number>
double readBack(Number value, int places)
{
    std::array<char, 64> text{};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific, places);
    double read = 0.0;
    std::from_chars(text.data(), end.ptr, read);
    return read;
}

// The significant digits of the shortest text that reads back as the value.
int shortestDigits(float value)
{
    std::array<char, 64> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific);
    const std::string_view written(text.data(), size_t(end.ptr - text.data()));
    return int(std::count_if(written.begin(), written.begin() + std::ptrdiff_t(written.find('e')),
                             [](char c) { return c >= '0' && c <= '9'; }));
}

// The rounding to 15 digits that every conversion and the double mode's text
// make, the single mode's rounding to 7 and the scientific mode's to 3 take a
// short cut for most values; it must give what writing and reading the text
// gives, also where the next digit is a 5 and around powers of ten.
TEST(DisplayFormat, RoundedDigitsAreWhatTheTextReadsBack)
{
    std::vector<double> values = {
        1000000000000005.0,   1000000000000015.0,    999999999999999.5, 0.1 + 0.2,  2.675,      1.0000000000000049e-5,
        123456789012345.5e-3, 9.9999999999999995e36, 12345675.0,        0.3333333f, 16777215.0, 9.9999995e-11};
    for (int exponent = -22; exponent <= 45; ++exponent) {
        const double power = std::pow(10.0, exponent);
        for (double near : {std::nextafter(power, 0.0), power, std::nextafter(power, HUGE_VAL),
                            power * 0.99999999999999995, power * 1.0000000000000005, power * 0.99999996})
            values.push_back(near);
    }
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> decades(-22.0, 45.0), mantissa(1.0, 10.0);
    for (int i = 0; i < 50000; ++i) values.push_back(mantissa(random) * std::pow(10.0, std::floor(decades(random))));
    for (double value : values) {
        for (double signed_ : {value, -value}) {
            const std::optional<double> rounded = doubleTextValue(signed_);
            ASSERT_TRUE(rounded) << signed_;
            const double expected = readBack(signed_, 14);
            ASSERT_EQ(*rounded, expected) << std::setprecision(17) << signed_;
            ASSERT_EQ(doubleText(signed_, kEnglish).toDouble(), expected) << std::setprecision(17) << signed_;
            ASSERT_EQ(scientificText(signed_, kEnglish).toDouble(), readBack(signed_, 2))
                << std::setprecision(17) << signed_;
            const auto single = float(signed_);
            if (std::isfinite(single) && shortestDigits(single) > 7) {
                ASSERT_EQ(singleText(single, kEnglish).toDouble(), readBack(single, 6))
                    << std::setprecision(9) << single;
            }
        }
    }
}

}  // namespace
