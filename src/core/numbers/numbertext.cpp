#include "numbers/numbertext.h"

#include <cmath>

namespace tolvarin::numbers {

QString plainDoubleText(double value, const QLocale& locale)
{
    Q_ASSERT(std::isfinite(value));
    if (value == 0.0) return QStringLiteral("0");
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

QString messageValueText(double value, const QLocale& locale)
{
    if (std::isfinite(value)) return plainDoubleText(value, locale);
    return locale.toString(value);
}

QString wholeValueText(std::optional<qint64> whole, double v, const QLocale& locale)
{
    if (whole) return QString::number(*whole);
    return messageValueText(std::floor(v), locale);
}

}  // namespace tolvarin::numbers
