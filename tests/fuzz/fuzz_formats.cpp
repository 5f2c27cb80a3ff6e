// The display formats of the value column in all four modes and every count of
// fixed places, and the grouped form of the information line.
//
// Input: an option byte (the mode, the locale), a byte for the fixed places,
// then the value's 8 bytes (any bit pattern).
//
// Properties:
// - a text never holds "inf" or "nan"; formatting twice gives the same text;
// - only a value without a number, or one that rounds beyond the largest
//   double, has no text; the single mode shows every finite value;
// - the text reads back (regional reading) within the mode's precision: the
//   double mode to the 15-digit value bit for bit, the single mode to 7 digits,
//   the scientific mode to 3 digits, the fixed mode to its places;
// - the grouped form reads back (entry reading) to nine places.
#include "catalogue/numericreading.h"
#include "conversion/decimaltext.h"
#include "conversion/displayformat.h"
#include "conversion/entryreading.h"
#include "fuzzinput.h"

#include <cmath>
#include <cstring>

using namespace tolvarin;
using namespace tolvarin::fuzz;

namespace {

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool namesNoNumber(const QString& text)
{
    return text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

// |read - value| within a relative and an absolute allowance.
bool near(double read, double value, double relative, double absolute)
{
    return std::fabs(read - value) <= relative * std::fabs(value) + absolute;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t options = in.byte();
    const int places = in.integer(-1, 12);
    const double value = in.anyDouble();
    const QLocale& locale = options & 4 ? czech() : english();
    DisplayFormat format;
    format.mode = precisionModeFromIndex(options & 3);
    format.fixedPattern = fixedDecimalsPattern(places);
    const std::string what =
        shown(value) + " mode " + std::to_string(options & 3) + " places " + std::to_string(places);

    const Result<QString> text = formatValue(value, format, locale);
    if (!text.ok()) {
        const bool canFail =
            format.mode != PrecisionMode::Single && !(format.mode == PrecisionMode::Fixed && places >= 0);
        FUZZ_CHECK(!std::isfinite(value) || (canFail && std::fabs(value) >= 1.795e308), what);
    } else {
        const QString& shownText = text.value();
        FUZZ_CHECK(std::isfinite(value), what);
        FUZZ_CHECK(!shownText.isEmpty() && !namesNoNumber(shownText), what + ": " + shown(shownText));
        const Result<QString> again = formatValue(value, format, locale);
        FUZZ_CHECK(again.ok() && again.value() == shownText, what);

        const std::optional<double> read = regionalReading(shownText, locale);
        FUZZ_CHECK(read.has_value(), what + ": " + shown(shownText) + " does not read back");
        const double r = *read;
        const std::string readWhat = what + ": " + shown(shownText) + " reads " + shown(r);
        switch (format.mode) {
            case PrecisionMode::Single:  // seven digits of the single (or of the double beyond its range)
                FUZZ_CHECK(near(r, value, 6e-7, 0.0), readWhat);
                break;
            case PrecisionMode::Scientific: FUZZ_CHECK(near(r, value, 5e-3, 0.0), readWhat); break;
            case PrecisionMode::Fixed:
                if (places >= 0) {
                    FUZZ_CHECK(near(r, value, 1e-15, 0.5 * std::pow(10.0, -places)), readWhat);
                    break;
                }
                [[fallthrough]];
            case PrecisionMode::Double: {
                const std::optional<double> kept = doubleTextValue(value);
                FUZZ_CHECK(kept && sameBits(r, *kept == 0.0 ? 0.0 : *kept), readWhat);
                break;
            }
        }
    }

    if (std::isfinite(value)) {
        const QString grouped = groupedText(value, locale);
        const TypedNumber read = readTypedNumber(grouped, locale);
        FUZZ_CHECK(!grouped.isEmpty() && !namesNoNumber(grouped), what);
        FUZZ_CHECK(read.value && near(*read.value, value, 1e-15, 5e-10), what + ": " + shown(grouped));
    }
    return 0;
}
