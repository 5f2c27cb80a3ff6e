#include "conversion/decimaltext.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace tolvarin {

namespace {

// Large enough for the fixed form of the largest double with the most places
// that fixedText allows.
constexpr int kMaxFixedDecimals = 50;
using Buffer = std::array<char, 400>;

// A value as "d.ddd" times a power of ten: the digits "dddd" and the exponent.
struct Digits {
    bool negative = false;
    std::array<char, 24> buffer{};  // to_chars writes at most 17 significant digits here
    size_t count = 0;
    int exponent = 0;

    std::string_view digits() const { return std::string_view(buffer.data(), count); }
};

// Splits the scientific text of std::to_chars ("-1.2345e+07") into its parts.
Digits splitScientific(std::string_view text)
{
    Digits d;
    size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i)
        if (text[i] != '.' && d.count < d.buffer.size()) d.buffer[d.count++] = text[i];
    if (i < text.size()) {
        ++i;
        bool negativeExponent = false;
        if (text[i] == '+' || text[i] == '-') negativeExponent = text[i++] == '-';
        std::from_chars(text.data() + i, text.data() + text.size(), d.exponent);
        if (negativeExponent) d.exponent = -d.exponent;
    }
    return d;
}

// A rounded text above the largest double does not read back.
bool beyondDoubleRange(const Digits& d)
{
    if (d.exponent != 308) return d.exponent > 308;
    constexpr std::string_view kLargest = "17976931348623157";
    const std::string_view digits = d.digits();
    for (size_t i = 0; i < kLargest.size(); ++i) {
        const char digit = i < digits.size() ? digits[i] : '0';
        if (digit != kLargest[i]) return digit > kLargest[i];
    }
    return false;
}

bool allZero(std::string_view digits)
{
    return digits.find_first_not_of("0.") == std::string_view::npos;
}

// The locale's decimal separator. QLocale makes a new string each time it is
// asked, which would cost a commit of a large topic an allocation per row.
const QString& decimalPointOf(const QLocale& locale)
{
    thread_local QLocale lastLocale = QLocale::c();
    thread_local QString lastPoint = lastLocale.decimalPoint();
    if (locale != lastLocale) {
        lastLocale = locale;
        lastPoint = locale.decimalPoint();
    }
    return lastPoint;
}

// Collects one number text in place and makes a single QString of it.
class TextBuilder {
public:
    explicit TextBuilder(const QLocale& locale) : point_(decimalPointOf(locale)) {}

    void add(char c)
    {
        if (length_ < kCapacity) text_[size_t(length_++)] = char16_t(c);
    }
    void add(std::string_view ascii)
    {
        for (char c : ascii) add(c);
    }
    void addZeros(int count)
    {
        for (int i = 0; i < count; ++i) add('0');
    }
    void addPoint()
    {
        for (QChar c : point_)
            if (length_ < kCapacity) text_[size_t(length_++)] = c.unicode();
    }
    void addExponent(int exponent)
    {
        add('E');
        add(exponent < 0 ? '-' : '+');
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) add('0');
        std::array<char, 8> digits;
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude).ptr;
        add(std::string_view(digits.data(), size_t(end - digits.data())));
    }
    QString text() const { return QString(reinterpret_cast<const QChar*>(text_.data()), length_); }

private:
    // The grouped form of the largest double: 309 digits, 102 blanks, the
    // fraction and the signs.
    static constexpr qsizetype kCapacity = 512;
    const QString point_;  // shares the cached string; const, so that reading it never detaches
    std::array<char16_t, kCapacity> text_;
    qsizetype length_ = 0;
};

// The general form of modes 0 and 1: plain digits when the exponent lies in
// -5 .. maxDigits - 1, mantissa and exponent otherwise.
QString generalText(const Digits& d, int maxDigits, const QLocale& locale)
{
    std::string_view digits = d.digits();
    while (digits.size() > 1 && digits.back() == '0') digits.remove_suffix(1);
    if (allZero(digits)) return QStringLiteral("0");

    TextBuilder text(locale);
    if (d.negative) text.add('-');
    const int e = d.exponent;
    if (e < -5 || e >= maxDigits) {
        text.add(digits.front());
        if (digits.size() > 1) {
            text.addPoint();
            text.add(digits.substr(1));
        }
        text.addExponent(e);
    } else if (e >= 0) {
        const size_t whole = size_t(e) + 1;
        text.add(digits.substr(0, whole));
        if (digits.size() <= whole) {
            text.addZeros(int(whole - digits.size()));
        } else {
            text.addPoint();
            text.add(digits.substr(whole));
        }
    } else {
        text.add('0');
        text.addPoint();
        text.addZeros(-e - 1);
        text.add(digits);
    }
    return text.text();
}

template <typename Number, typename... Format>
std::string_view write(Buffer& buffer, Number value, Format... format)
{
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
    return std::string_view(buffer.data(), size_t(result.ptr - buffer.data()));
}

// 10^n for n in 0 .. 22: exact in a double.
constexpr int kExactPowers = 22;
constexpr std::array<double, kExactPowers + 1> kPowersOfTen = [] {
    std::array<double, kExactPowers + 1> powers{};
    double power = 1;
    for (double& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// A magnitude rounded to n significant digits: digits · 10^(exponent - n + 1),
// with 10^(n-1) <= digits < 10^n.
struct RoundedDigits {
    double digits = 0;
    int exponent = 0;
    int count = 0;
};

// The rounding of to_chars to the given number of significant digits (at
// most 15) done in double arithmetic, for magnitudes that a power of ten up to
// 10^22 scales to that many digits before the point. The scaled magnitude is
// rounded once, and rounding keeps order: as whole + 0.5 is a double, the
// scaled value lies on the same side of it as the exact product or quotient
// unless it is that half itself, which is left to to_chars (a true half goes
// to the even neighbour there).
std::optional<RoundedDigits> roundedByArithmetic(double magnitude, int count)
{
    if (!std::isnormal(magnitude)) return std::nullopt;
    const double least = kPowersOfTen[size_t(count - 1)];
    const double bound = least * 10;
    // floor(e · log10 2) for the binary exponent e (exact over a double's
    // range); the decimal exponent is that or one more.
    const int binaryExponent = int(std::bit_cast<std::uint64_t>(magnitude) >> 52) - 1023;
    int exponent = (binaryExponent * 78913) >> 18;
    const int shift = count - 1 - exponent;
    if (shift > kExactPowers || shift - 1 < -kExactPowers) return std::nullopt;
    const auto scaled = [magnitude](int by) {
        const double power = kPowersOfTen[size_t(std::abs(by))];
        return by >= 0 ? magnitude * power : magnitude / power;
    };
    double digits = scaled(shift);
    if (digits >= bound) {
        ++exponent;
        digits = scaled(shift - 1);
    }
    // Near the bounds either exponent rounds to the same power of ten.
    if (!(digits >= least - 1 && digits < bound + 1)) return std::nullopt;
    const double whole = double(std::int64_t(digits));
    const double fraction = digits - whole;
    if (fraction == 0.5) return std::nullopt;
    const double rounded = fraction > 0.5 ? whole + 1 : whole;
    if (rounded >= bound) return RoundedDigits{least, exponent + 1, count};
    return RoundedDigits{rounded, exponent, count};
}

// The value of the digits as from_chars would read it: an integer of at most
// 15 digits times or divided by an exact power of ten is rounded once.
std::optional<double> valueOf(const RoundedDigits& rounded)
{
    const int shift = rounded.exponent - (rounded.count - 1);
    if (std::abs(shift) > kExactPowers) return std::nullopt;
    const double power = kPowersOfTen[size_t(std::abs(shift))];
    return shift >= 0 ? rounded.digits * power : rounded.digits / power;
}

Digits digitsOf(const RoundedDigits& rounded, bool negative)
{
    Digits d;
    d.negative = negative;
    const auto end = std::to_chars(d.buffer.data(), d.buffer.data() + d.buffer.size(), std::uint64_t(rounded.digits));
    d.count = size_t(end.ptr - d.buffer.data());
    d.exponent = rounded.exponent;
    return d;
}

// The value rounded to the given number of significant digits: by arithmetic
// where that is certain, otherwise from the scientific text of to_chars.
template <typename Number>
Digits roundedDigits(Number value, int count)
{
    if (const std::optional<RoundedDigits> rounded = roundedByArithmetic(std::fabs(double(value)), count))
        return digitsOf(*rounded, value < 0);
    Buffer buffer;
    return splitScientific(write(buffer, value, std::chars_format::scientific, count - 1));
}

}  // namespace

QString doubleText(double value, const QLocale& locale)
{
    if (!std::isfinite(value)) return QString();
    const Digits d = roundedDigits(value, 15);
    if (beyondDoubleRange(d)) return QString();
    return generalText(d, 15, locale);
}

std::optional<double> doubleTextValue(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    if (const std::optional<RoundedDigits> rounded = roundedByArithmetic(std::fabs(value), 15)) {
        if (const std::optional<double> read = valueOf(*rounded)) return value < 0 ? -*read : *read;
    }
    // Computed results mostly need 16 or 17 digits, so the shortest text is
    // not worth trying first here.
    Buffer buffer;
    const std::string_view text = write(buffer, value, std::chars_format::scientific, 14);
    if (std::abs(value) > 1.7e308 && beyondDoubleRange(splitScientific(text))) return std::nullopt;
    double read = 0.0;
    if (std::from_chars(text.data(), text.data() + text.size(), read).ec != std::errc()) return std::nullopt;
    return read;
}

QString singleText(float value, const QLocale& locale)
{
    if (!std::isfinite(value)) return QString();
    Buffer buffer;
    Digits d = splitScientific(write(buffer, value, std::chars_format::scientific));
    if (d.count > 7) d = roundedDigits(value, 7);
    return generalText(d, 7, locale);
}

QString singlePrecisionText(double value, const QLocale& locale)
{
    if (!std::isfinite(value)) return QString();
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0 || (magnitude >= double(FLT_MIN) && magnitude <= double(FLT_MAX)))
        return singleText(float(value), locale);
    // Beyond the single's range a cast would be undefined and a subnormal
    // would lose its digits: seven significant digits of the double instead.
    return generalText(roundedDigits(value, 7), 7, locale);
}

QString scientificText(double value, const QLocale& locale)
{
    if (!std::isfinite(value)) return QString();
    const Digits d = roundedDigits(value, 3);
    if (beyondDoubleRange(d)) return QString();
    const std::string_view digits = d.digits();
    TextBuilder text(locale);
    if (d.negative && !allZero(digits)) text.add('-');
    text.add(digits.front());
    text.addPoint();
    text.add(digits.substr(1));
    text.addExponent(d.exponent);
    return text.text();
}

QString fixedText(double value, int decimals, const QLocale& locale)
{
    if (!std::isfinite(value)) return QString();
    Buffer buffer;
    std::string_view digits =
        write(buffer, value, std::chars_format::fixed, std::clamp(decimals, 0, kMaxFixedDecimals));
    TextBuilder text(locale);
    if (digits.front() == '-') {
        digits.remove_prefix(1);
        if (!allZero(digits)) text.add('-');
    }
    const size_t point = digits.find('.');
    text.add(digits.substr(0, point));
    if (point != std::string_view::npos) {
        text.addPoint();
        text.add(digits.substr(point + 1));
    }
    return text.text();
}

QString groupedText(double value, const QLocale& locale)
{
    if (!std::isfinite(value)) return QString();
    Buffer buffer;
    const std::string_view digits = write(buffer, std::abs(value), std::chars_format::fixed, 9);
    if (allZero(digits) && value != 0.0) return doubleText(value, locale);
    const size_t point = digits.find('.');
    const std::string_view whole = digits.substr(0, point);
    std::string_view fraction = digits.substr(point + 1);
    while (fraction.size() > 2 && fraction.back() == '0') fraction.remove_suffix(1);

    TextBuilder text(locale);
    if (value < 0.0) text.add('-');
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) text.add(' ');
        text.add(whole[i]);
    }
    text.addPoint();
    for (size_t i = 0; i < fraction.size(); ++i) {
        if (i > 0 && i % 3 == 0) text.add(' ');
        text.add(fraction[i]);
    }
    return text.text();
}

}  // namespace tolvarin
