#include "numbers/positionalsystems.h"

#include "catalogue/numericreading.h"
#include "numbers/decimalvalue.h"
#include "numbers/numbertext.h"

#include <cmath>
#include <limits>
#include <vector>

namespace tolvarin {

namespace {

// Digit values 0..31; with the base limited to 32 no other digit occurs.
constexpr char kDigitAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";

bool isValidBase(int base)
{
    return base >= kMinNumBase && base <= kMaxNumBase;
}
bool isValidPlaces(int places)
{
    return places >= kMinNumBaseDec && places <= kMaxNumBaseDec;
}

QString wholeDigits(quint64 x, int base)
{
    QString digits;
    do {
        digits.prepend(QLatin1Char(kDigitAlphabet[x % quint64(base)]));
        x /= quint64(base);
    } while (x != 0);
    return digits;
}

QString signedWholeDigits(qint64 w, int base)
{
    const quint64 magnitude = w < 0 ? 0 - quint64(w) : quint64(w);
    return (w < 0 ? QStringLiteral("-") : QString()) + wholeDigits(magnitude, base);
}

// The fraction is held as its exact decimal digits; multiplying them by the
// base moves the next digit of the base into the carry. No binary rounding
// creeps into the digits however many places are asked for.
QString fractionDigits(std::vector<quint8> decimals, int base, int places)
{
    QString digits;
    for (int k = places; k > 0; --k) {
        unsigned carry = 0;
        bool rest = false;
        for (auto it = decimals.rbegin(); it != decimals.rend(); ++it) {
            const unsigned t = unsigned(*it) * unsigned(base) + carry;
            *it = quint8(t % 10);
            carry = t / 10;
            rest = rest || *it != 0;
        }
        digits += QLatin1Char(kDigitAlphabet[carry]);
        if (carry != 0 && !rest) break;
    }
    return digits;
}

bool fits(qint64 w, qint64 low, qint64 high)
{
    return w >= low && w <= high;
}

RepresentationResult soustava(int index, double value, const QString& shownText, int numBase, int numBaseDec,
                              const QLocale& locale)
{
    if (index < kSoustavaBinarne || index > kSoustavaVlastniDesetinna) return RepresentationResult::none();

    const std::optional<DecimalValue> decimal = DecimalValue::fromDouble(value);
    const std::optional<qint64> w = decimal ? decimal->floor() : std::nullopt;
    const QString wText = numbers::wholeValueText(w, value, locale);
    const RepresentationResult outOfRange = RepresentationResult::rangeError(numbers::rangeMessage(wText));
    if (!w) return outOfRange;

    const QString prefix = wText + QStringLiteral(" dekadicky = ");
    constexpr qint64 kInt32Min = std::numeric_limits<qint32>::min();
    constexpr qint64 kInt32Max = std::numeric_limits<qint32>::max();
    switch (index) {
        case kSoustavaBinarne:
            if (!fits(*w, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max())) return outOfRange;
            return RepresentationResult::shown(prefix + BinText(qint16(*w)) + QStringLiteral(" binárně."), false);
        case kSoustavaOktalne:
            if (!fits(*w, kInt32Min, kInt32Max)) return outOfRange;
            return RepresentationResult::shown(prefix + signedWholeDigits(*w, 8) + QStringLiteral(" oktálně."), false);
        case kSoustavaHexadecimalne:
            if (!fits(*w, kInt32Min, kInt32Max)) return outOfRange;
            return RepresentationResult::shown(prefix + signedWholeDigits(*w, 16) + QStringLiteral(" hexadecimálně."),
                                               false);
        case kSoustavaVlastni:
            if (!isValidBase(numBase)) return outOfRange;
            return RepresentationResult::shown(prefix + QLatin1Char('(') + signedWholeDigits(*w, numBase) +
                                                   QLatin1Char(')') + QString::number(numBase),
                                               false);
        default: {
            if (!isValidBase(numBase) || !isValidPlaces(numBaseDec)) return outOfRange;
            // |value| ≤ |w|, so its whole part fits as well.
            const quint64 whole = decimal->wholeMagnitude().value_or(0);
            const QString sign = decimal->isNegative() ? QStringLiteral("-") : QString();
            return RepresentationResult::shown(shownText + QStringLiteral(" dekadicky = (") + sign +
                                                   wholeDigits(whole, numBase) + QLatin1Char(',') +
                                                   fractionDigits(decimal->fractionDigits(), numBase, numBaseDec) +
                                                   QLatin1Char(')') + QString::number(numBase),
                                               false);
        }
    }
}

}  // namespace

QString BinText(qint16 n)
{
    return signedWholeDigits(n, 2);
}

std::optional<QString> BaseDigits(double x, int base)
{
    constexpr double kTwoTo64 = 18446744073709551616.0;
    if (!isValidBase(base) || !std::isfinite(x) || x < 0.0 || x >= kTwoTo64 || x != std::floor(x)) {
        return std::nullopt;
    }
    return wholeDigits(quint64(x), base);
}

std::optional<QString> BaseFraction(double f, int base, int places)
{
    if (!isValidBase(base) || !isValidPlaces(places) || !(f >= 0.0)) return std::nullopt;
    const std::optional<DecimalValue> decimal = DecimalValue::fromDouble(f);
    if (!decimal || decimal->wholeMagnitude() != quint64(0)) return std::nullopt;
    return fractionDigits(decimal->fractionDigits(), base, places);
}

RepresentationResult SoustavaResult(int index, const QString& cellText, int numBase, int numBaseDec,
                                    const QLocale& locale)
{
    const std::optional<double> value = regionalReading(cellText, locale);
    if (!value) return RepresentationResult::none();
    return soustava(index, *value, cellText, numBase, numBaseDec, locale);
}

RepresentationResult SoustavaResultForValue(int index, double value, int numBase, int numBaseDec, const QLocale& locale)
{
    return soustava(index, value, numbers::messageValueText(value, locale), numBase, numBaseDec, locale);
}

}  // namespace tolvarin
