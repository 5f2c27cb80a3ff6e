// The conversion engine through the model of the open topic: a value entered
// in one row of a topic with any coefficients, in any display format.
//
// Input: an option byte (the kind of topic, the mode, the locale, text or
// double), the fixed places, the row count, the source row, each row's
// coefficient (8 bytes), then the value: its 8 bytes or the cell's text.
//
// Properties:
// - every converted cell equals x·c(source)/c(row) within the rounding to 15
//   digits, shows formatValue of that value, and no cell is inf or NaN;
// - temperatures follow the scales' formulas; below absolute zero every scale
//   shows absolute zero;
// - a failure changes no cell, and is Overflow only when a result lies beyond
//   the double range or is too small to keep its digits, DivisionByZero only
//   with a zero coefficient.
#include "catalogue/unitcatalogue.h"
#include "conversion/decimaltext.h"
#include "conversion/entryreading.h"
#include "conversion/topicmodel.h"
#include "fuzzinput.h"

#include <algorithm>
#include <cfloat>
#include <limits>

using namespace tolvarin;
using namespace tolvarin::fuzz;

namespace {

using Long = long double;  // the reference arithmetic: more digits and a far wider range

// The temperature scales K, °C, °F, °R and °Ré as kelvin = (v + offset) · factor.
constexpr Long kOffset[] = {0, 273.15L, 459.67L, 0, 218.52L};
constexpr Long kFactor[] = {1, 1, 5.0L / 9, 5.0L / 9, 1.25L};
Long kelvinFrom(int scale, Long v)
{
    return (v + kOffset[scale]) * kFactor[scale];
}
Long fromKelvin(int scale, Long k)
{
    return k / kFactor[scale] - kOffset[scale];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t options = in.byte();
    static const int kSlots[] = {1, kAngleSlot, kTemperatureSlot, kFirstUserSlot};
    const int slot = kSlots[options & 3];
    const bool temperature = slot == kTemperatureSlot;
    DisplayFormat format;
    format.mode = precisionModeFromIndex((options >> 2) & 3);
    format.fixedPattern = fixedDecimalsPattern(in.integer(-1, 9));
    const QLocale& locale = localeFor(options & 16);
    const int rows = in.integer(1, 8);
    const int source = in.integer(0, rows - 1);

    // The coefficients a reader can give: finite, 0 or normal (never 0 in a user topic).
    static UnitCatalogue catalogue;
    std::vector<double> coefficients;
    for (int row = 1; row <= rows; ++row) {
        double c = in.anyDouble();
        if (!std::isfinite(c) || (c != 0.0 && !std::isnormal(c)) || (c == 0.0 && slot == kFirstUserSlot)) c = 1.0;
        coefficients.push_back(c);
        catalogue.unit(slot, row) = Unit{QStringLiteral("u") + QString::number(row), QString(), c, QString()};
    }
    catalogue.setCount(slot, rows);

    const QString entry = options & 32 ? in.restAsText() : doubleText(in.anyDouble(), locale);
    const std::string what = "slot " + std::to_string(slot) + " rows " + std::to_string(rows) + " source " +
                             std::to_string(source) + " mode " + std::to_string(int(format.mode)) + " entry " +
                             shown(entry);

    TopicModel model(catalogue, locale);
    model.setFormat(format);
    model.open(slot);
    const QStringList before = model.valueColumn();
    const ConversionOutcome outcome = model.commit(source, entry);
    const TypedNumber typed = readTypedNumber(entry, locale);

    if (outcome.failed()) {
        const bool zeroCoefficient = std::find(coefficients.begin(), coefficients.end(), 0.0) != coefficients.end();
        FUZZ_CHECK(model.valueColumn() == before && (outcome.error != ErrorCode::DivisionByZero || zeroCoefficient) &&
                       (outcome.error != ErrorCode::TypeMismatch || !typed.value),
                   what);
        if (outcome.error == ErrorCode::Overflow && typed.value && !temperature) {
            // Some result (or x itself, which must have 15 digits) lies beyond the
            // double range, or is too small to have its digits.
            const Long x = std::fabs(Long(*typed.value));
            Long largest = x;
            Long smallest = std::numeric_limits<Long>::max();
            for (double c : coefficients) {
                const Long result = std::fabs(x * coefficients[size_t(source)] / c);
                largest = std::max(largest, result);
                smallest = std::min(smallest, result);
            }
            FUZZ_CHECK(largest >= Long(1.79e308) || (x != 0 && smallest < Long(DBL_MIN) * (1 + 1e-14L)), what);
        }
        return 0;
    }
    if (outcome.status != ConversionOutcome::Status::Converted &&
        outcome.status != ConversionOutcome::Status::BelowAbsoluteZero)
        return 0;
    FUZZ_CHECK(typed.value.has_value(), what);

    for (int row = 0; row < rows; ++row) {
        const std::optional<double> value = model.value(row);
        const QString text = model.valueText(row);
        FUZZ_CHECK(!namesNoNumber(text), what + ": " + shown(text));
        if (temperature && row >= 5) continue;
        FUZZ_CHECK(value && std::isfinite(*value), what + " row " + std::to_string(row));
        const Result<QString> formatted = formatValue(*value, format, locale);
        FUZZ_CHECK(
            outcome.status != ConversionOutcome::Status::Converted || (formatted.ok() && formatted.value() == text),
            what + ": " + shown(text));
    }

    if (temperature) {
        const Long kelvin = kelvinFrom(source, Long(*typed.value));
        if (outcome.status == ConversionOutcome::Status::BelowAbsoluteZero) {
            FUZZ_CHECK(kelvin <= 1e-9L * (std::fabs(Long(*typed.value)) + 500), what);
            for (int row = 0; row < std::min(rows, 5); ++row)
                FUZZ_CHECK(near(*model.value(row), fromKelvin(row, 0), 0.0L, 1e-12L), what);
            return 0;
        }
        for (int row = 0; row < std::min(rows, 5); ++row) {
            const Long expected = fromKelvin(row, kelvin);
            FUZZ_CHECK(near(*model.value(row), expected, 1e-13L, 1e-13L * (std::fabs(kelvin) + 500)),
                       what + " row " + std::to_string(row) + ": " + shown(*model.value(row)));
        }
        return 0;
    }
    // A negative value is taken positive, as its cell would show it.
    const double x = *typed.value < 0 ? doubleTextValue(-*typed.value).value_or(0) : *typed.value;
    for (int row = 0; row < rows; ++row) {
        const Long expected = Long(x) * coefficients[size_t(source)] / coefficients[size_t(row)];
        FUZZ_CHECK(near(*model.value(row), expected, 1e-14L),
                   what + " row " + std::to_string(row) + ": " + shown(*model.value(row)));
    }
    return 0;
}
