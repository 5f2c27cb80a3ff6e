// The numeric readings; the cases are in data/readings.txt.
#include "catalogue/numericreading.h"
#include "common/textutil.h"
#include "support/testfiles.h"
#include "support/testlocales.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

// The outcome of a reading as the data file writes it: the value, "none" for
// no number, or the error's name.
QString outcomeText(const Result<double>& result)
{
    const std::map<ErrorCode, QString> names = {{ErrorCode::TypeMismatch, u("TypeMismatch")},
                                                {ErrorCode::DivisionByZero, u("DivisionByZero")},
                                                {ErrorCode::Overflow, u("Overflow")}};
    if (!result.ok()) return names.count(result.error()) ? names.at(result.error()) : u("?");
    if (std::isnan(result.value())) return u("none");
    return QString::number(result.value(), 'g', 17);
}

TEST(NumericReading, CasesOfTheDataFile)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/readings.txt"), 4, 60)) {
        const QString& reading = f[0];
        const QString& text = f[2];
        const QLocale& locale = f[1] == u("cs") ? kCzech : kEnglish;
        const QString& expected = f[3];
        Result<double> result = ErrorCode::InvalidArgument;
        if (reading == u("plain")) result = plainReading(text);
        if (reading == u("regional")) result = regionalReading(text, locale).value_or(std::nan(""));
        if (reading == u("coefficient")) result = readCoefficient(text, locale);
        bool isNumber = false;
        const double wanted = expected.toDouble(&isNumber);
        // Errors, "none", 0 and infinity exactly; other numbers to the last bits.
        if (!isNumber || wanted == 0.0 || std::isinf(wanted) || !result.ok()) {
            EXPECT_EQ(outcomeText(result), isNumber ? outcomeText(wanted) : expected) << test::rowName(f);
            EXPECT_TRUE(!isNumber || !result.ok() || std::signbit(result.value()) == std::signbit(wanted))
                << test::rowName(f);
        } else {
            EXPECT_NEAR(result.value() / wanted, 1.0, 1e-15) << test::rowName(f);
        }
    }
}

TEST(TextHelpers, JoinLinesAndCollapseSpaces)
{
    EXPECT_EQ(joinLines({u("a"), QString(), u("b")}), u("a\r\n\r\nb\r\n"));
    EXPECT_EQ(collapseSpaces(u(" km:  5,00   km =  5 000,00 m ")), u(" km: 5,00 km = 5 000,00 m "));
    EXPECT_EQ(collapseSpaces(u("    ")), u(" "));
}

}  // namespace
