// The number readings: the plain reading of the data files, the regional
// reading of what the user types, the coefficient reader and the entry reading
// of a value cell, on any text.
//
// Input: one option byte (the locale), then the text in UTF-8.
//
// Properties:
// - the regional reading, with its fast path for the forms the program writes,
//   agrees bit for bit with QLocale's strict reading, and gives only finite numbers;
// - the plain reading never gives NaN, ignores leading blanks and stops at a "|";
// - a coefficient is finite, and 0 or normal; without "/" it is the plain reading;
// - the entry reading gives what the regional reading gives, and only finite numbers.
#include "catalogue/numericreading.h"
#include "conversion/entryreading.h"
#include "fuzzinput.h"

using namespace tolvarin;
using namespace tolvarin::fuzz;

namespace {

std::optional<double> qlocaleReading(const QString& text, const QLocale& locale)
{
    QLocale strict = locale;
    strict.setNumberOptions(strict.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const QLocale& locale = localeFor(in.byte() & 1);
    const QString text = in.restAsText();
    const std::string what = shown(text);

    const std::optional<double> regional = regionalReading(text, locale);
    const std::optional<double> reference = qlocaleReading(text, locale);
    // The reference gives only finite numbers, so the same bits are finite too.
    FUZZ_CHECK(regional.has_value() == reference.has_value() && (!regional || sameBits(*regional, *reference)),
               what + ": " + shown(regional.value_or(0)) + " / " + shown(reference.value_or(0)));

    const double plain = plainReading(text);
    FUZZ_CHECK(!std::isnan(plain), what);
    FUZZ_CHECK(sameBits(plainReading(QStringLiteral(" \t") + text), plain), what);
    FUZZ_CHECK(sameBits(plainReading(text + QStringLiteral("|9")), plain), what);

    const Result<double> coefficient = readCoefficient(text, locale);
    if (coefficient.ok()) {
        const double c = coefficient.value();
        FUZZ_CHECK(std::isfinite(c) && (c == 0.0 || std::isnormal(c)), what + ": " + shown(c));
        if (!text.contains(u'/')) FUZZ_CHECK(sameBits(c, plain), what);
    } else if (!text.contains(u'/')) {
        FUZZ_CHECK(coefficient.error() == ErrorCode::Overflow, what);
    }

    const TypedNumber typed = readTypedNumber(text, locale);
    FUZZ_CHECK(!typed.value || std::isfinite(*typed.value), what);
    if (regional) FUZZ_CHECK(typed.value && sameBits(*typed.value, *regional), what);
    return 0;
}
