#include "numbers/romannumerals.h"

#include "numbers/decimalvalue.h"
#include "numbers/numbertext.h"

namespace tolvarin {

namespace {

// One decimal digit 0..8 with its one, five and ten letters ("I", "V", "X").
// The 9 of each place is decided by the caller: it depends on the next digits.
QString digitBelowNine(int digit, QChar one, QChar five)
{
    if (digit == 4) return QString(one) + five;
    if (digit < 4) return QString(digit, one);
    return QString(five) + QString(digit - 5, one);
}

QString numeralOf(int x)
{
    const int thousands = x / 1000;
    const int hundreds = x / 100 % 10;
    const int tens = x / 10 % 10;
    const int ones = x % 10;

    QString s(thousands, QLatin1Char('M'));
    bool tensDone = false;
    if (hundreds == 9) {
        if (tens == 9 && ones == 9) return s + QStringLiteral("CMXCIX");
        if (tens == 9) {
            s += QStringLiteral("XM");  // 990 to 998: the short form for 990
            tensDone = true;
        } else {
            s += QStringLiteral("CM");
        }
    } else {
        s += digitBelowNine(hundreds, u'C', u'D');
    }
    if (!tensDone) {
        if (tens == 9) {
            if (ones == 9) return s + QStringLiteral("XCIX");
            s += QStringLiteral("XC");
        } else {
            s += digitBelowNine(tens, u'X', u'L');
        }
    }
    return s + (ones == 9 ? QStringLiteral("IX") : digitBelowNine(ones, u'I', u'V'));
}

}  // namespace

QString romanNumeral(int n)
{
    Q_ASSERT(n >= 0 && n <= kMaxRoman);
    return numeralOf(n);
}

RepresentationOutcome writeAsRoman(double value, const QLocale& locale)
{
    const std::optional<DecimalValue> decimal = DecimalValue::fromDouble(value);
    if (!decimal)
        return RepresentationOutcome::refusedFor(RefusalReason::OutOfRange, numbers::messageValueText(value, locale));
    const QString whole = numbers::wholeValueText(decimal->floor(), value, locale);
    if (decimal->isNegative() || decimal->isZero())
        return RepresentationOutcome::refusedFor(RefusalReason::NotPositive, whole);
    const std::optional<quint64> magnitude = decimal->wholeMagnitude();
    if (!magnitude || *magnitude > quint64(kMaxRoman))
        return RepresentationOutcome::refusedFor(RefusalReason::TooLarge, whole);
    if (*magnitude == 0) return RepresentationOutcome::refusedFor(RefusalReason::BelowOne, whole);
    return RepresentationOutcome::written(whole + QStringLiteral(" = ") + numeralOf(int(*magnitude)));
}

}  // namespace tolvarin
