#include "numbers/fraction.h"

#include "numbers/decimalvalue.h"

#include <limits>

namespace tolvarin {

namespace {

constexpr quint64 kInt32Max = quint64(std::numeric_limits<qint32>::max());

// Euclid's algorithm as the reduction uses it: a := d, b := n, r := a mod b
// until r is 0; n > 0.
quint64 greatestCommonDivisor(quint64 d, quint64 n)
{
    quint64 a = d;
    quint64 b = n;
    for (;;) {
        const quint64 r = a % b;
        a = b;
        if (r == 0) return b;
        b = r;
    }
}

// "0,001" for n = 3: 10^-n written out, never with an exponent.
QString sensitivityText(int n, const QLocale& locale)
{
    return QStringLiteral("0") + locale.decimalPoint() + QString(n - 1, QLatin1Char('0')) + QLatin1Char('1');
}

// e · 10^places written as a decimal number: "-0,0003" for -3 and 4 places.
QString errorText(qint64 scaledError, int places, const QLocale& locale)
{
    if (scaledError == 0) return QStringLiteral("0");
    QString digits = QString::number(scaledError < 0 ? -scaledError : scaledError).rightJustified(places, u'0');
    while (digits.endsWith(QLatin1Char('0'))) digits.chop(1);
    return (scaledError < 0 ? QStringLiteral("-0") : QStringLiteral("0")) + locale.decimalPoint() + digits;
}

}  // namespace

RepresentationOutcome writeAsFraction(double value, const QString& shownText, int sensitivity, const QLocale& locale)
{
    const RepresentationOutcome refusedRange =
        RepresentationOutcome::refusedFor(RefusalReason::OutOfRange, shownText.trimmed());
    const int n = sensitivity;
    if (n < kMinFractionSensitivity || n > kMaxFractionSensitivity) return refusedRange;
    const std::optional<DecimalValue> decimal = DecimalValue::fromDouble(value);
    if (!decimal) return refusedRange;
    if (decimal->isWhole()) return RepresentationOutcome::refusedFor(RefusalReason::WholeNumber);

    // |x| = m · 10^q with q < 0. R := |x| · 10^n rounded half up, exactly.
    const quint64 m = decimal->mantissa();
    const int q = decimal->exponent();
    const int cut = -(q + n);  // digits of m below the n-th decimal place
    quint64 rounded = 0;
    quint64 cutUnit = 1;
    if (cut <= 0) {
        const quint64 scale = powerOfTen(-cut);
        if (m > kInt32Max / scale) return refusedRange;
        rounded = m * scale;
    } else if (cut <= DecimalValue::kSignificantDigits) {
        cutUnit = powerOfTen(cut);
        rounded = m / cutUnit + ((m % cutUnit) * 2 >= cutUnit ? 1 : 0);
    }  // further down m < 10^15 lies below half a unit: R = 0
    if (rounded > kInt32Max) return refusedRange;

    quint64 denominator = powerOfTen(n);
    quint64 numerator = rounded % denominator;
    if (numerator == 0)
        return RepresentationOutcome::refusedFor(RefusalReason::BelowSensitivity, sensitivityText(n, locale));
    const quint64 divisor = greatestCommonDivisor(denominator, numerator);
    numerator /= divisor;
    denominator /= divisor;

    // e = R / 10^n - |x|. Scaled by 10^-q: R · 10^cut - m, where R · 10^cut
    // exceeds m by 0 or one unit of the cut digits (the rounding went up).
    qint64 scaledError = 0;
    if (cut > 0) {
        const quint64 roundedUp = rounded - m / cutUnit;
        scaledError = qint64(roundedUp * cutUnit) - qint64(m % cutUnit);
    }

    const QString fractionPart = QString::number(numerator) + QLatin1Char('/') + QString::number(denominator) +
                                 QStringLiteral(" chyba ") + errorText(scaledError, -q, locale);
    const quint64 whole = decimal->wholeMagnitude().value_or(0);
    if (whole == 0) return RepresentationOutcome::written(fractionPart);
    return RepresentationOutcome::written(QString::number(whole) + QStringLiteral(" + ") + fractionPart);
}

}  // namespace tolvarin
