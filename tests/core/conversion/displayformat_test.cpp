#include "conversion/displayformat.h"
#include "conversion/decimaltext.h"

#include "catalogue/numericreading.h"

#include "support/testfiles.h"
#include "testtopics.h"

#include <gtest/gtest.h>

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

}  // namespace
