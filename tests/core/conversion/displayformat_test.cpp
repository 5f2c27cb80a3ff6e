#include "conversion/displayformat.h"
#include "conversion/decimaltext.h"

#include "catalogue/numericreading.h"

#include "testtopics.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

// A double as the engine writes it into a cell, then rewritten in a mode.
struct ModeCase {
    double value;
    PrecisionMode mode;
    int decimals;  // for the fixed mode
    const char* expected;
};

TEST(DisplayFormat, ModesRewriteTheWrittenDouble)
{
    const ModeCase cases[] = {
        {1.0 / 3.0, PrecisionMode::Single, 2, "0,3333333"},
        {1.0 / 3.0, PrecisionMode::Double, 2, "0,333333333333333"},
        {12345678.0, PrecisionMode::Single, 2, "1,234568E+07"},
        {1e-6, PrecisionMode::Double, 2, "1E-06"},
        {0.00001, PrecisionMode::Double, 2, "0,00001"},
        {1.0, PrecisionMode::Fixed, 2, "1,00"},
        {1.234, PrecisionMode::Fixed, 2, "1,23"},
        {2.4, PrecisionMode::Fixed, 0, "2"},
        {0.0, PrecisionMode::Scientific, 2, "0,00E+00"},
        {1234.5, PrecisionMode::Scientific, 2, "1,23E+03"},
        {0.000123, PrecisionMode::Scientific, 2, "1,23E-04"},
        // Beyond the single's range: seven digits of the double.
        {1e52, PrecisionMode::Single, 2, "1E+52"},
        {-1.616255e-35, PrecisionMode::Single, 2, "-1,616255E-35"},
        {1e-45, PrecisionMode::Single, 2, "1E-45"},
    };
    for (const QLocale* locale : kLocales) {
        for (const auto& c : cases) {
            const DisplayFormat format{c.mode, fixedDecimalsPattern(c.decimals)};
            const Result<QString> text = formatValue(c.value, format, *locale);
            ASSERT_TRUE(text.ok()) << c.expected;
            EXPECT_EQ(text.value(), localText(c.expected, *locale)) << locale->name().toStdString() << " " << c.value;
        }
    }
}

struct GroupedCase {
    double value;
    const char* expected;
};

TEST(DisplayFormat, GroupedFormSetsOffGroupsOfThree)
{
    const GroupedCase cases[] = {
        {1000000.0, "1 000 000,00"},
        {0.5, "0,50"},
        {12.3456789012, "12,345 678 901"},
        {-1234.5, "-1 234,50"},
        {-273.15, "-273,15"},
        // Too small for nine places: written with its exponent, not as zero.
        {1e-12, "1E-12"},
    };
    for (const QLocale* locale : kLocales) {
        for (const auto& c : cases) {
            EXPECT_EQ(groupedText(c.value, *locale), localText(c.expected, *locale)) << c.value;
            EXPECT_EQ(groupedValueText(plainDoubleText(c.value, *locale), *locale), localText(c.expected, *locale))
                << "as text " << c.value;
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

}  // namespace
