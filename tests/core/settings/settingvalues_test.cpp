// The types of the settings store's texts; the cases are in data/values.txt.
#include "settings/settingvalues.h"
#include "settings/statistics.h"
#include "support/testfiles.h"
#include "support/testlocales.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

// A reading as the data file writes it: the value, or the error's name.
template <typename T>
QString outcomeText(const Result<T>& result)
{
    if (!result.ok()) return result.error() == ErrorCode::Overflow ? u("Overflow") : u("TypeMismatch");
    if constexpr (std::is_same_v<T, bool>) return result.value() ? u("true") : u("false");
    return QString::number(result.value(), 'g', QLocale::FloatingPointShortest);
}

TEST(SettingValues, CasesOfTheDataFile)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/values.txt"), 4, 60)) {
        const QLocale& locale = f[1] == u("cs") ? kCzech : kEnglish;
        QString outcome = u("unknown type");
        if (f[0] == u("int16")) outcome = outcomeText(toInt16(f[2], locale));
        if (f[0] == u("int32")) outcome = outcomeText(toInt32(f[2], locale));
        if (f[0] == u("boolean")) outcome = outcomeText(toBoolean(f[2], locale));
        if (f[0] == u("single")) outcome = outcomeText(toSingle(f[2], locale));
        if (f[0] == u("days")) outcome = outcomeText(toDays(f[2], locale));
        if (f[0] == u("duration")) outcome = durationText(f[2].toDouble());
        EXPECT_EQ(outcome, f[3]) << test::rowName(f);
    }
}

TEST(SettingValues, WrittenTextsReadBackInEitherLocale)
{
    EXPECT_EQ(booleanText(true) + booleanText(false), u("TrueFalse"));
    for (const QLocale* locale : {&kCzech, &kEnglish}) {
        // The days are written in one locale and may be read in another.
        for (double days : {0.0, 303.0 / 86400.0, 1.0 / 3.0, 12345.678901234567, 1e-9}) {
            const Result<double> back = toDays(daysText(days), *locale);
            EXPECT_TRUE(back.ok() && back.value() == days) << days << " " << localeName(locale);
        }
    }
}

}  // namespace
