#include "conversion/planeangle.h"

#include "catalogue/numericreading.h"
#include "conversion/decimaltext.h"

#include <cmath>
#include <cstdint>

namespace tolvarin {

QString AngleDMS(double degrees, const QLocale& locale)
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

Result<QString> angleSummary(const QString& degreeText, const QLocale& locale)
{
    const std::optional<double> value = regionalReading(degreeText, locale);
    if (!value) return ErrorCode::TypeMismatch;
    const double magnitude = std::floor(std::abs(*value));
    if (magnitude > double(INT32_MAX)) return ErrorCode::Overflow;

    int wholeDegrees = int(magnitude) % 360;
    if (*value - std::floor(*value) >= 0.5) ++wholeDegrees;
    return AngleDMS(*value, locale) + QStringLiteral(" (") + QString::number(wholeDegrees) + QStringLiteral("°") +
           angleKind(wholeDegrees) + QLatin1Char(')');
}

}  // namespace tolvarin
