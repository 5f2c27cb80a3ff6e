#pragma once

#include <QtGlobal>

#include <optional>
#include <vector>

namespace tolvarin {

// A cell's number as the program shows it: the double rounded to 15
// significant decimal digits, held exactly as ±mantissa · 10^exponent. Every
// representation of this folder works on this value, so that a value such as
// 10,1 gives the digits of 10,1 and not those of the nearest binary double.
class DecimalValue {
public:
    static constexpr int kSignificantDigits = 15;

    // The value of v rounded to 15 significant digits; none for infinity and NaN.
    static std::optional<DecimalValue> fromDouble(double v);

    bool isNegative() const { return negative_; }  // zero is never negative
    bool isZero() const { return mantissa_ == 0; }
    bool isWhole() const { return exponent_ >= 0 || mantissa_ == 0; }

    // Mantissa below 10^15 without trailing zeros (0 for zero), and the power
    // of ten it is scaled by.
    quint64 mantissa() const { return mantissa_; }
    int exponent() const { return exponent_; }

    // ⌊|x|⌋, or none when it exceeds 64 bits.
    std::optional<quint64> wholeMagnitude() const;

    // The decimal digits (values 0..9) after the point of |x|, without trailing
    // zeros; empty for a whole number.
    std::vector<quint8> fractionDigits() const;

    // ⌊x⌋ (rounded down, also for negative values), or none outside qint64.
    std::optional<qint64> floor() const;

private:
    DecimalValue(bool negative, quint64 mantissa, int exponent)
        : negative_(negative), mantissa_(mantissa), exponent_(exponent)
    {
    }

    bool negative_ = false;
    quint64 mantissa_ = 0;
    int exponent_ = 0;
};

// 10^k for k = 0..19, the powers that fit 64 bits.
quint64 powerOfTen(int k);

}  // namespace tolvarin
