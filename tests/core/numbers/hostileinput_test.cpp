// Every command against input it was never meant for: it must answer with a
// result, the range message or nothing, and never show a number that is not one.
#include "numbers/fraction.h"
#include "numbers/positionalsystems.h"
#include "numbers/prefixview.h"
#include "numbers/romannumerals.h"

#include "support/testlocales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tolvarin;

namespace {

const char* const kHostileTexts[] = {
    "1E300",
    "-1E300",
    "1,7976931348623157E308",
    "-1,7976931348623157E308",
    "1E-300",
    "-1E-300",
    "4,9E-324",
    "2,2250738585072014E-308",
    "9223372036854775807",
    "-9223372036854775808",
    "18446744073709551616",
    "1E19",
    "-1E19",
    "0,99999999999999999",
    "-0",
    "+5",
    "1E400",
    "1E-400",
    "NaN",
    "nan",
    "inf",
    "-inf",
    "Infinity",
    "0x1F",
    "1e",
    "--1",
    "1,2,3",
    "١٢",
    "\t",
    "﻿1",
    "12345678901234567890,5",
};

// Base and places as the settings store might hold them.
const int kBases[] = {-32768, -1, 0, 1, 2, 10, 12, 32, 33, 32767};
const int kPlaces[] = {-32768, -1, 0, 1, 6, 16, 17, 32767};

bool looksLikeNoNumber(const QString& text)
{
    return text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

void expectSane(const RepresentationResult& r, const QString& what)
{
    if (!r.hasResult) {
        EXPECT_TRUE(r.text.isEmpty()) << what.toStdString();
        return;
    }
    EXPECT_FALSE(r.text.isEmpty()) << what.toStdString();
    EXPECT_LT(r.text.size(), 200) << what.toStdString();
    if (r.isRangeError) {
        EXPECT_TRUE(r.text.startsWith(QStringLiteral("Vstupní hodnota "))) << what.toStdString();
        EXPECT_TRUE(r.important) << what.toStdString();
    } else {
        EXPECT_FALSE(looksLikeNoNumber(r.text)) << what.toStdString() << ": " << r.text.toStdString();
    }
}

TEST(HostileInput, TextsNeverLoopCrashOrShowNoNumber)
{
    for (const QLocale* locale : {&kCzech, &kEnglish}) {
        for (const char* raw : kHostileTexts) {
            const QString cell = QString::fromUtf8(raw);
            const QString what = QString::fromUtf8(localeName(locale)) + QStringLiteral(" '") + cell + u'\'';
            for (int base : kBases) {
                for (int places : kPlaces) {
                    for (int index = -1; index <= 5; ++index) {
                        expectSane(
                            SoustavaResult(index, cell, base, places, *locale),
                            what + QStringLiteral(" index %1 base %2 places %3").arg(index).arg(base).arg(places));
                    }
                }
            }
            for (int n : {-1, 0, 1, 3, 9, 10, 32767}) {
                expectSane(ZlomekResult(cell, n, *locale), what + QStringLiteral(" n %1").arg(n));
            }
            expectSane(RimskyResult(cell, *locale), what);
            const Result<PrefixViewValues> view = PredponyValues(cell, 0, std::vector<double>{1, 1e24, 1e-24}, *locale);
            if (view.ok()) {
                for (const QString& text : view.value().texts)
                    EXPECT_FALSE(looksLikeNoNumber(text)) << what.toStdString();
            }
        }
    }
}

TEST(HostileInput, ExtremeValuesWithoutCellText)
{
    const double values[] = {std::numeric_limits<double>::max(),
                             -std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             -std::numeric_limits<double>::denorm_min(),
                             9223372036854775808.0,
                             -9223372036854775808.0,
                             18446744073709551616.0,
                             std::nextafter(1.0, 0.0),
                             -std::nextafter(1.0, 0.0),
                             std::numeric_limits<double>::infinity(),
                             std::nan("")};
    for (double v : values) {
        const QString what = QString::number(v, 'g', 17);
        const bool finite = std::isfinite(v);
        for (int index = 0; index <= 4; ++index) {
            const RepresentationResult r = SoustavaResultForValue(index, v, 12, 16, kCzech);
            expectSane(r, what);
            if (!finite) {
                EXPECT_TRUE(r.isRangeError) << what.toStdString();
            }
        }
        const RepresentationResult fraction = ZlomekResultForValue(v, 9, kEnglish);
        expectSane(fraction, what);
        const RepresentationResult roman = RimskyResultForValue(v, kEnglish);
        expectSane(roman, what);
        if (!finite) {
            EXPECT_TRUE(fraction.isRangeError) << what.toStdString();
        }
        EXPECT_EQ(roman.isRangeError, !finite) << what.toStdString();
    }
}

}  // namespace
