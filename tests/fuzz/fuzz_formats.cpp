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

using namespace tolvarin;
using namespace tolvarin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t options = in.byte();
    const int places = in.integer(-1, 12);
    const double value = in.anyDouble();
    const QLocale& locale = localeFor(options & 4);
    DisplayFormat format;
    format.mode = precisionModeFromIndex(options & 3);
    format.fixedPattern = fixedDecimalsPattern(places);
    const std::string what =
        shown(value) + " mode " + std::to_string(options & 3) + " places " + std::to_string(places);

    const bool fixed = format.mode == PrecisionMode::Fixed && places >= 0;  // to its places
    const Result<QString> text = formatValue(value, format, locale);
    if (!text.ok()) {
        const bool canFail = format.mode != PrecisionMode::Single && !fixed;
        FUZZ_CHECK(!std::isfinite(value) || (canFail && std::fabs(value) >= 1.795e308), what);
    } else {
        const QString& shownText = text.value();
        const Result<QString> again = formatValue(value, format, locale);
        FUZZ_CHECK(std::isfinite(value) && !shownText.isEmpty() && !namesNoNumber(shownText) && again.ok() &&
                       again.value() == shownText,
                   what + ": " + shown(shownText));
        // The double mode (and the fixed one without places) reads back to the
        // 15-digit value bit for bit; the single mode to seven digits (of the
        // single, or of the double beyond its range), the scientific one to three.
        const std::optional<double> read = regionalReading(shownText, locale);
        const std::optional<double> kept = doubleTextValue(value);
        const bool exact = format.mode == PrecisionMode::Double || (format.mode == PrecisionMode::Fixed && !fixed);
        const double relative = format.mode == PrecisionMode::Single       ? 6e-7
                                : format.mode == PrecisionMode::Scientific ? 5e-3
                                                                           : 1e-15;
        FUZZ_CHECK(read && (exact ? kept && sameBits(*read, *kept == 0.0 ? 0.0 : *kept)
                                  : near(*read, value, relative, fixed ? 0.5 * std::pow(10.0, -places) : 0.0)),
                   what + ": " + shown(shownText) + " reads " + shown(read.value_or(0)));
    }

    if (std::isfinite(value)) {
        const QString grouped = groupedText(value, locale);
        const TypedNumber read = readTypedNumber(grouped, locale);
        FUZZ_CHECK(
            !grouped.isEmpty() && !namesNoNumber(grouped) && read.value && near(*read.value, value, 1e-15, 5e-10),
            what + ": " + shown(grouped));
    }
    return 0;
}
