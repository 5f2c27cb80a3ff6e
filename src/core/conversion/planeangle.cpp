#include "conversion/planeangle.h"

#include "conversion/decimaltext.h"

#include <cmath>
#include <cstdint>

namespace tolvarin {

QString degreesMinutesSeconds(double degrees, const QLocale& locale)
{
    if (!std::isfinite(degrees)) return QString();
    const double whole = std::floor(degrees);
    const double minutes = (degrees - whole) * 60.0;
    const double wholeMinutes = std::floor(minutes);
    const float seconds = float((minutes - wholeMinutes) * 60.0);
    return QLatin1Char(' ') + fixedText(whole, 0, locale) + QStringLiteral("° ") + fixedText(wholeMinutes, 0, locale) +
           QStringLiteral("' ") + singleText(seconds, locale) + QLatin1Char('"');
}

QString angleKind(int wholeDegrees)
{
    QString prefix;
    if (wholeDegrees < 0)
        return QString();
    else if (wholeDegrees == 0)
        prefix = QStringLiteral(" — nulov");
    else if (wholeDegrees < 90)
        prefix = QStringLiteral(" — ostr");
    else if (wholeDegrees == 90)
        prefix = QStringLiteral(" — prav");
    else if (wholeDegrees < 180)
        prefix = QStringLiteral(" — tup");
    else if (wholeDegrees == 180)
        prefix = QStringLiteral(" — přím");
    else
        return QString();
    return prefix + QStringLiteral("ý úhel");
}

QString angleSummary(double degrees, const QLocale& locale)
{
    const double magnitude = std::floor(std::abs(degrees));
    const int wholeDegrees = int(std::fmod(magnitude, 360.0)) + (degrees - std::floor(degrees) >= 0.5 ? 1 : 0);
    // Beyond 32 bits of whole degrees the angle is named without its kind.
    const bool named = magnitude <= double(INT32_MAX);
    return degreesMinutesSeconds(degrees, locale) + QStringLiteral(" (") + QString::number(wholeDegrees) + QStringLiteral("°") +
           (named ? angleKind(wholeDegrees) : QString()) + QLatin1Char(')');
}

}  // namespace tolvarin
