#include "numbers/numbertext.h"

#include "conversion/decimaltext.h"

#include <cmath>

namespace tolvarin::numbers {

QString messageValueText(double value, const QLocale& locale)
{
    if (!std::isfinite(value)) return locale.toString(value);
    QString text = doubleText(value, locale);
    if (!text.isEmpty()) return text;
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'G', QLocale::FloatingPointShortest);
}

QString wholeValueText(std::optional<qint64> whole, double v, const QLocale& locale)
{
    if (whole) return QString::number(*whole);
    return messageValueText(std::floor(v), locale);
}

}  // namespace tolvarin::numbers
