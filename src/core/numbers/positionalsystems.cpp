#include "numbers/positionalsystems.h"

#include "numbers/decimalvalue.h"
#include "numbers/numbertext.h"

#include <limits>
#include <vector>

namespace tolvarin {

namespace {

// Digit values 0..31; with the base limited to 32 no other digit occurs.
constexpr char kDigitAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";

bool isValidBase(int base)
{
    return base >= kMinOwnBase && base <= kMaxOwnBase;
}
bool isValidPlaces(int places)
{
    return places >= kMinOwnBasePlaces && places <= kMaxOwnBasePlaces;
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

QString writtenInBase(const QString& prefix, qint64 w, int base)
{
    return prefix + QLatin1Char('(') + signedWholeDigits(w, base) + QLatin1Char(')') + QString::number(base);
}

}  // namespace

RepresentationOutcome writeInNumberSystem(Representation system, double value, const QString& shownText,
                                          const RepresentationSettings& settings, const QLocale& locale)
{
    const std::optional<DecimalValue> decimal = DecimalValue::fromDouble(value);
    const std::optional<qint64> w = decimal ? decimal->floor() : std::nullopt;
    const QString wText = numbers::wholeValueText(w, value, locale);
    const RepresentationOutcome refusedRange = RepresentationOutcome::refusedFor(RefusalReason::OutOfRange, wText);
    if (!w) return refusedRange;

    const QString prefix = wText + QStringLiteral(" dekadicky = ");
    constexpr qint64 kInt32Min = std::numeric_limits<qint32>::min();
    constexpr qint64 kInt32Max = std::numeric_limits<qint32>::max();
    const int base = settings.ownBase;
    switch (system) {
        case Representation::Binary:
            if (!fits(*w, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max())) return refusedRange;
            return RepresentationOutcome::written(prefix + signedWholeDigits(*w, 2) + QStringLiteral(" binárně."));
        case Representation::Octal:
            if (!fits(*w, kInt32Min, kInt32Max)) return refusedRange;
            return RepresentationOutcome::written(prefix + signedWholeDigits(*w, 8) + QStringLiteral(" oktálně."));
        case Representation::Hexadecimal:
            if (!fits(*w, kInt32Min, kInt32Max)) return refusedRange;
            return RepresentationOutcome::written(prefix + signedWholeDigits(*w, 16) +
                                                  QStringLiteral(" hexadecimálně."));
        case Representation::OwnBase:
            if (!isValidBase(base)) return refusedRange;
            return RepresentationOutcome::written(writtenInBase(prefix, *w, base));
        case Representation::OwnBaseWithPlaces: {
            if (!isValidBase(base) || !isValidPlaces(settings.ownBasePlaces)) return refusedRange;
            // |value| ≤ |w|, so its whole part fits as well.
            const quint64 whole = decimal->wholeMagnitude().value_or(0);
            const QString sign = decimal->isNegative() ? QStringLiteral("-") : QString();
            return RepresentationOutcome::written(
                shownText + QStringLiteral(" dekadicky = (") + sign + wholeDigits(whole, base) + QLatin1Char(',') +
                fractionDigits(decimal->fractionDigits(), base, settings.ownBasePlaces) + QLatin1Char(')') +
                QString::number(base));
        }
        case Representation::Fraction:
        case Representation::Roman: break;
    }
    return RepresentationOutcome::refusedFor(RefusalReason::NoNumber);
}

}  // namespace tolvarin
