#include "numbers/decimalvalue.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace tolvarin {

quint64 powerOfTen(int k)
{
    Q_ASSERT(k >= 0 && k <= 19);
    quint64 p = 1;
    for (int i = 0; i < k; ++i) p *= 10;
    return p;
}

std::optional<DecimalValue> DecimalValue::fromDouble(double v)
{
    if (!std::isfinite(v)) return std::nullopt;
    if (v == 0.0) return DecimalValue(false, 0, 0);

    // Scientific notation with 14 digits after the point gives exactly the 15
    // significant digits, correctly rounded, independent of any locale.
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, kSignificantDigits - 1);
    if (error != std::errc()) return std::nullopt;

    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative) ++p;
    quint64 mantissa = 0;
    int digits = 0;
    for (; p != end && *p != 'e'; ++p) {
        if (*p == '.') continue;
        mantissa = mantissa * 10 + quint64(*p - '0');
        ++digits;
    }
    int exponent = 0;
    if (p != end) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
    exponent -= digits - 1;  // the value is d.ddd… · 10^e, the mantissa ddd… · 10^(e − 14)

    while (mantissa != 0 && mantissa % 10 == 0) {
        mantissa /= 10;
        ++exponent;
    }
    return DecimalValue(negative && mantissa != 0, mantissa, exponent);
}

std::optional<quint64> DecimalValue::wholeMagnitude() const
{
    if (exponent_ >= 0) {
        quint64 whole = mantissa_;
        for (int i = 0; i < exponent_; ++i) {
            if (whole > std::numeric_limits<quint64>::max() / 10) return std::nullopt;
            whole *= 10;
        }
        return whole;
    }
    // The mantissa has at most 15 digits, so from 16 places on nothing is left.
    if (-exponent_ > kSignificantDigits) return quint64(0);
    return mantissa_ / powerOfTen(-exponent_);
}

std::vector<quint8> DecimalValue::fractionDigits() const
{
    std::vector<quint8> digits;
    if (isWhole()) return digits;
    const int places = -exponent_;
    digits.assign(size_t(places), 0);
    quint64 rest = mantissa_;
    for (int i = places - 1; i >= 0 && rest != 0; --i) {
        digits[size_t(i)] = quint8(rest % 10);
        rest /= 10;
    }
    return digits;
}

std::optional<qint64> DecimalValue::floor() const
{
    const std::optional<quint64> whole = wholeMagnitude();
    if (!whole) return std::nullopt;
    constexpr quint64 kMaxMagnitude = quint64(std::numeric_limits<qint64>::max());
    if (!negative_) {
        if (*whole > kMaxMagnitude) return std::nullopt;
        return qint64(*whole);
    }
    const quint64 magnitude = *whole + (isWhole() ? 0 : 1);
    if (magnitude > kMaxMagnitude + 1) return std::nullopt;
    if (magnitude == kMaxMagnitude + 1) return std::numeric_limits<qint64>::min();
    return -qint64(magnitude);
}

}  // namespace tolvarin
