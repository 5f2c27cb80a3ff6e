#include "settings/settingvalues.h"

#include <cmath>
#include <limits>
#include <optional>

namespace tolvarin {

namespace {

bool isPlainWholeNumber(const QString& text)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) ++i;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i)
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9')) return false;
    return true;
}

// A finite number in the locale's form or in the plain "." form.
std::optional<double> anyNumber(const QString& text, const QLocale& locale)
{
    bool ok = false;
    double value = locale.toDouble(text, &ok);
    if (!ok) value = QLocale::c().toDouble(text, &ok);
    if (!ok) return std::nullopt;
    return value;
}

template <typename Integer>
Result<Integer> toWholeNumber(const QString& raw, const QLocale& locale)
{
    const QString text = raw.trimmed();
    bool ok = false;
    if (isPlainWholeNumber(text)) {
        const qlonglong value = text.toLongLong(&ok);
        if (!ok || value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max())
            return ErrorCode::Overflow;
        return Integer(value);
    }
    // The locale's form: "32 767", "1e3", "2,0". A fraction is not a whole number.
    const std::optional<double> number = anyNumber(text, locale);
    if (!number || std::isnan(*number)) return ErrorCode::TypeMismatch;
    if (*number < double(std::numeric_limits<Integer>::min()) || *number > double(std::numeric_limits<Integer>::max()))
        return ErrorCode::Overflow;
    if (*number != std::trunc(*number)) return ErrorCode::TypeMismatch;
    return Integer(*number);
}

}  // namespace

Result<qint16> toInt16(const QString& text, const QLocale& locale)
{
    return toWholeNumber<qint16>(text, locale);
}

Result<qint32> toInt32(const QString& text, const QLocale& locale)
{
    return toWholeNumber<qint32>(text, locale);
}

Result<bool> toBoolean(const QString& raw, const QLocale& locale)
{
    const QString text = raw.trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    const std::optional<double> number = anyNumber(text, locale);
    if (!number || std::isnan(*number)) return ErrorCode::TypeMismatch;
    return *number != 0.0;
}

QString booleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

Result<float> toSingle(const QString& raw, const QLocale& locale)
{
    const std::optional<double> number = anyNumber(raw.trimmed(), locale);
    if (!number || std::isnan(*number)) return ErrorCode::TypeMismatch;
    if (std::fabs(*number) > double(std::numeric_limits<float>::max())) return ErrorCode::Overflow;
    return float(*number);
}

Result<double> toDays(const QString& raw, const QLocale& locale)
{
    const QString text = raw.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(text, &ok);
    if (!ok) {
        QLocale regional = locale;
        regional.setNumberOptions(QLocale::RejectGroupSeparator);
        value = regional.toDouble(text, &ok);
    }
    if (!ok && text.count(QLatin1Char(',')) == 1 && !text.contains(QLatin1Char('.'))) {
        QString decimalPoint = text;
        decimalPoint.replace(QLatin1Char(','), QLatin1Char('.'));
        value = QLocale::c().toDouble(decimalPoint, &ok);
    }
    if (!ok || std::isnan(value)) return ErrorCode::TypeMismatch;
    if (std::isinf(value)) return ErrorCode::Overflow;
    return value;
}

QString daysText(double days)
{
    return QString::number(days, 'g', QLocale::FloatingPointShortest);
}

}  // namespace tolvarin
