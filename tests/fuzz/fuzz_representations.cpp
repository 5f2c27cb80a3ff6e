// The representations of a value: the number systems, the fraction and the
// Roman numeral, from a cell's text or from a double, with any settings.
//
// Input: an option byte (the representation, the locale, text or double,
// settings in or out of the dialog's limits), three setting bytes, then the
// value: its 8 bytes, or the cell's text in UTF-8.
//
// Properties (the value is the double rounded to 15 digits, as a cell keeps it):
// - a refusal never shows "inf" or "nan" but to name a value out of range;
//   every refusal is one the value calls for;
// - the digits of every number system read back in their base as ⌊value⌋;
//   the places of the own base are the fraction's digits cut, not rounded;
// - a fraction is reduced, its denominator divides 10^sensitivity, and whole
//   part + fraction - error is exactly the value's magnitude, the error at
//   most half a unit of the last place;
// - a Roman numeral reads back as the whole part it names;
// - no shown text is longer than 400 characters beyond the typed text.
#include "catalogue/numericreading.h"
#include "fuzzinput.h"
#include "numbers/decimalvalue.h"
#include "numbers/representation.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdint>
#include <numeric>

using namespace tolvarin;
using namespace tolvarin::fuzz;

namespace {

using Big = __int128;

constexpr Big kBigLimit = Big(1) << 120;

std::optional<Big> digitsIn(QStringView digits, int base)
{
    if (digits.isEmpty()) return std::nullopt;
    Big value = 0;
    for (QChar c : digits) {
        const int d = c.isDigit() ? c.unicode() - u'0' : c.unicode() - u'A' + 10;
        if (d < 0 || d >= base || value > kBigLimit / base) return std::nullopt;
        value = value * base + d;
    }
    return value;
}

Big power(int base, int n)
{
    Big p = 1;
    for (int i = 0; i < n; ++i) p *= base;
    return p;
}

int romanValue(QStringView numeral)
{
    const auto letter = [](QChar c) {
        static const int kValues[] = {1, 5, 10, 50, 100, 500, 1000};
        const qsizetype i = QStringView(u"IVXLCDM").indexOf(c);
        return i < 0 ? -100000 : kValues[i];
    };
    int total = 0;
    for (qsizetype i = 0; i < numeral.size(); ++i)
        total += i + 1 < numeral.size() && letter(numeral[i + 1]) > letter(numeral[i]) ? -letter(numeral[i])
                                                                                       : letter(numeral[i]);
    return total;
}

// A decimal text such as "-0,0003" or "0" as an integer count of 10^-scale.
std::optional<Big> scaledDecimal(const QString& text, QChar point, int scale)
{
    QString t = text;
    const bool negative = t.startsWith(u'-');
    if (negative) t.remove(0, 1);
    const QString whole = t.section(point, 0, 0);
    const QString fraction = t.section(point, 1);
    if (fraction.size() > scale) return std::nullopt;
    const std::optional<Big> digits = digitsIn(QString(whole + fraction.leftJustified(scale, u'0')), 10);
    if (!digits) return std::nullopt;
    return negative ? -*digits : *digits;
}

void checkNumberSystem(Representation kind, const QString& text, const DecimalValue& dec,
                       const RepresentationSettings& settings, const std::string& what)
{
    const std::optional<qint64> floor = dec.floor();
    FUZZ_CHECK(floor.has_value(), what);
    static const QRegularExpression written(QStringLiteral(
        "^(-?\\d+) dekadicky = (?:(-?[0-9A-V]+) (binárně|oktálně|hexadecimálně)\\.|\\((-?[0-9A-V]+)\\)(\\d+))$"));
    if (kind == Representation::OwnBaseWithPlaces) {
        static const QRegularExpression withPlaces(
            QStringLiteral("^.* dekadicky = \\((-?)([0-9A-V]+),([0-9A-V]*)\\)(\\d+)$"),
            QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch m = withPlaces.match(text);
        FUZZ_CHECK(m.hasMatch(), what);
        const int base = m.captured(4).toInt();
        const QString places = m.captured(3);
        FUZZ_CHECK(base == settings.ownBase && (m.captured(1) == u"-") == dec.isNegative() &&
                       digitsIn(m.captured(2), base) == Big(dec.wholeMagnitude().value_or(0)) && places.size() >= 1 &&
                       places.size() <= settings.ownBasePlaces,
                   what);
        // F / 10^k is the fraction of |value|; the places D / b^m cut it: D·10^k ≤ F·b^m < (D+1)·10^k.
        const std::vector<quint8> decimals = dec.fractionDigits();
        if (decimals.size() > 18 || std::pow(double(base), places.size()) > 1e19) return;
        Big fraction = 0;
        for (quint8 d : decimals) fraction = fraction * 10 + d;
        const Big tenK = power(10, int(decimals.size()));
        const Big bm = power(base, int(places.size()));
        const Big cut = *digitsIn(places, base);
        FUZZ_CHECK(cut * tenK <= fraction * bm && fraction * bm < (cut + 1) * tenK, what);
        return;
    }
    const QRegularExpressionMatch m = written.match(text);
    FUZZ_CHECK(m.hasMatch() && m.captured(1) == QString::number(*floor), what);
    const bool inBrackets = m.capturedLength(4) > 0;
    const int base = inBrackets                    ? m.captured(5).toInt()
                     : m.captured(3) == u"binárně" ? 2
                     : m.captured(3) == u"oktálně" ? 8
                                                   : 16;
    QString digits = inBrackets ? m.captured(4) : m.captured(2);
    const bool negative = digits.startsWith(u'-');
    if (negative) digits.remove(0, 1);
    const std::optional<Big> magnitude = digitsIn(digits, base);
    FUZZ_CHECK(magnitude && (negative ? -*magnitude : *magnitude) == Big(*floor) &&
                   (kind != Representation::Binary || (*floor >= -32768 && *floor <= 32767)) &&
                   (kind != Representation::OwnBase || base == settings.ownBase),
               what);
}

void checkFraction(const QString& text, const DecimalValue& dec, int n, const QLocale& locale, const std::string& what)
{
    static const QRegularExpression fraction(QStringLiteral("^(?:(\\d+) \\+ )?(\\d+)/(\\d+) chyba (\\S+)$"));
    const QRegularExpressionMatch m = fraction.match(text);
    FUZZ_CHECK(m.hasMatch(), what);
    const qint64 whole = m.captured(1).toLongLong();
    const qint64 numerator = m.captured(2).toLongLong();
    const qint64 denominator = m.captured(3).toLongLong();
    const Big roundedUp = Big(whole) - Big(dec.wholeMagnitude().value_or(0));  // 0, or 1 when the error is negative
    FUZZ_CHECK(numerator > 0 && numerator < denominator && std::gcd(numerator, denominator) == 1 &&
                   power(10, n) % denominator == 0 && (roundedUp == 0 || roundedUp == 1),
               what);
    // Everything in units of 10^-scale: whole + N/D - error = m · 10^q exactly.
    const int scale = std::max(n, -dec.exponent()) + 1;
    const std::optional<Big> error = scaledDecimal(m.captured(4), locale.decimalPoint().at(0), scale);
    const Big unit = power(10, scale);
    const Big approximation = Big(whole) * unit + Big(numerator) * (unit / Big(denominator));
    const Big magnitude = Big(dec.mantissa()) * power(10, scale + dec.exponent());
    const Big halfStep = power(10, scale - n) / 2;
    FUZZ_CHECK(error && approximation - *error == magnitude && *error <= halfStep && *error >= -halfStep, what);
}

// The refusal the value and the settings call for.
void checkRefusal(Representation kind, const Refusal& refusal, const DecimalValue& dec,
                  const RepresentationSettings& settings, const std::string& what)
{
    const std::optional<qint64> floor = dec.floor();
    const std::optional<quint64> whole = dec.wholeMagnitude();
    const auto within = [&](qint64 low, qint64 high) { return floor && *floor >= low && *floor <= high; };
    const bool baseOk = settings.ownBase >= kMinOwnBase && settings.ownBase <= kMaxOwnBase;
    const bool placesOk = settings.ownBasePlaces >= kMinOwnBasePlaces && settings.ownBasePlaces <= kMaxOwnBasePlaces;
    const int n = settings.fractionSensitivity;
    switch (kind) {
        case Representation::Binary: FUZZ_CHECK(!within(-32768, 32767), what); break;
        case Representation::Octal:
        case Representation::Hexadecimal: FUZZ_CHECK(!within(INT32_MIN, INT32_MAX), what); break;
        case Representation::OwnBase: FUZZ_CHECK(!floor || !baseOk, what); break;
        case Representation::OwnBaseWithPlaces: FUZZ_CHECK(!floor || !baseOk || !placesOk, what); break;
        case Representation::Fraction:
            if (n < kMinFractionSensitivity || n > kMaxFractionSensitivity) {
                FUZZ_CHECK(refusal.reason == RefusalReason::OutOfRange, what);
            } else if (dec.isWhole()) {
                FUZZ_CHECK(refusal.reason == RefusalReason::WholeNumber, what);
            } else if (refusal.reason == RefusalReason::OutOfRange) {
                FUZZ_CHECK(std::fabs(double(dec.mantissa()) * std::pow(10.0, dec.exponent() + n)) > 2147483647 - 1,
                           what);
            } else {
                FUZZ_CHECK(refusal.reason == RefusalReason::BelowSensitivity, what);
                const double scaled = double(dec.mantissa()) * std::pow(10.0, dec.exponent() + n);
                FUZZ_CHECK(std::fmod(std::round(scaled), std::pow(10.0, n)) == 0, what);  // nothing left below 1
            }
            break;
        case Representation::Roman: {
            const RefusalReason expected = dec.isNegative() || dec.isZero()        ? RefusalReason::NotPositive
                                           : !whole || *whole > quint64(kMaxRoman) ? RefusalReason::TooLarge
                                                                                   : RefusalReason::BelowOne;
            FUZZ_CHECK(refusal.reason == expected && (expected != RefusalReason::BelowOne || *whole == 0), what);
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t options = in.byte();
    const auto kind = Representation((options & 7) % 7);
    const QLocale& locale = localeFor(options & 8);
    RepresentationSettings settings;
    if (options & 32) {  // as a hand-edited settings store may hold them
        settings = {int(int8_t(in.byte())), int(int8_t(in.byte())), int(int8_t(in.byte()))};
    } else {
        settings = {in.integer(kMinOwnBase, kMaxOwnBase), in.integer(kMinOwnBasePlaces, kMaxOwnBasePlaces),
                    in.integer(kMinFractionSensitivity, kMaxFractionSensitivity)};
    }
    const bool fromText = options & 16;
    const QString text = fromText ? in.restAsText() : QString();
    const std::optional<double> value = fromText ? regionalReading(text, locale) : in.anyDouble();
    const RepresentationOutcome outcome =
        fromText ? represent(kind, text, settings, locale) : represent(kind, *value, settings, locale);
    const std::string what = (fromText ? shown(text) : shown(*value)) + " as " + std::to_string(int(kind)) +
                             " settings " + std::to_string(settings.ownBase) + " " +
                             std::to_string(settings.ownBasePlaces) + " " +
                             std::to_string(settings.fractionSensitivity) + ": " + shown(outcome.shownText());

    // A message or the own base's answer repeats the cell's text as typed.
    const QString shownText = outcome.shownText();
    FUZZ_CHECK(shownText.size() < 400 + text.size(), what);
    // (Written digits may spell "NAN" or "INF" from base 24 on: they are read back below.)
    if (outcome.refused() && !outcome.refusedBecause(RefusalReason::OutOfRange))
        FUZZ_CHECK(!namesNoNumber(shownText), what);
    FUZZ_CHECK(outcome.refusedBecause(RefusalReason::NoNumber) == !value.has_value(), what);
    if (!value) return 0;
    const std::optional<DecimalValue> dec = DecimalValue::fromDouble(*value);
    if (!dec) {
        FUZZ_CHECK(outcome.refusedBecause(RefusalReason::OutOfRange), what);
    } else if (outcome.refused()) {
        checkRefusal(kind, *outcome.refusal, *dec, settings, what);
    } else if (kind == Representation::Fraction) {
        checkFraction(outcome.text, *dec, settings.fractionSensitivity, locale, what);
    } else if (kind == Representation::Roman) {
        const qsizetype equals = outcome.text.indexOf(QLatin1String(" = "));
        const int whole = outcome.text.left(equals).toInt();
        FUZZ_CHECK(equals > 0 && whole >= 1 && whole <= kMaxRoman && qint64(whole) == dec->floor() &&
                       romanValue(QStringView(outcome.text).sliced(equals + 3)) == whole,
                   what);
    } else {
        checkNumberSystem(kind, outcome.text, *dec, settings, what);
    }
    return 0;
}
