#include "conversion/displayformat.h"

#include "catalogue/numericreading.h"
#include "conversion/decimaltext.h"

namespace tolvarin {

namespace {

// The decimal places that a pattern of fixedDecimalsPattern shows: the characters
// after its ".". -1 for the empty pattern.
int patternDecimals(const QString& pattern)
{
    if (pattern.isEmpty()) return -1;
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(pattern.size() - point - 1);
}

QString textIn(double value, const DisplayFormat& format, const QLocale& locale)
{
    switch (format.mode) {
    case PrecisionMode::Single: return singlePrecisionText(value, locale);
    case PrecisionMode::Double: return doubleText(value, locale);
    case PrecisionMode::Scientific: return scientificText(value, locale);
    case PrecisionMode::Fixed: {
        const int decimals = patternDecimals(format.fixedPattern);
        return decimals < 0 ? doubleText(value, locale) : fixedText(value, decimals, locale);
    }
    }
    return QString();
}

}  // namespace

PrecisionMode precisionModeFromIndex(int index)
{
    if (index < 0 || index >= kPrecisionModeCount) return PrecisionMode::Single;
    return PrecisionMode(index);
}

QString precisionCode(PrecisionMode mode)
{
    switch (mode) {
    case PrecisionMode::Single: return QStringLiteral("J");
    case PrecisionMode::Double: return QStringLiteral("D");
    case PrecisionMode::Scientific: return QStringLiteral("S");
    case PrecisionMode::Fixed: return QStringLiteral("F");
    }
    return QString();
}

QString precisionMenuCaption(PrecisionMode mode)
{
    switch (mode) {
    case PrecisionMode::Single: return QStringLiteral("&Jednoduchá přesnost");
    case PrecisionMode::Double: return QStringLiteral("&Dvojitá přesnost");
    case PrecisionMode::Scientific: return QStringLiteral("&Vědecké zobrazení");
    case PrecisionMode::Fixed: return QStringLiteral("Pevné (Fi&xed)");
    }
    return QString();
}

QString fixedModeCaption(int decimals) { return QStringLiteral("Pevný počet (%1)").arg(decimals); }

QString fixedDecimalsPattern(int n)
{
    if (n < 0) return QString();
    if (n == 0) return QStringLiteral("0");
    if (n == 1) return QStringLiteral("0.0");
    return QStringLiteral("0.") + QString(n - 1, QLatin1Char('#')) + QLatin1Char('0');
}

Result<QString> formatValue(double value, const DisplayFormat& format, const QLocale& locale)
{
    // Empty for a rounding beyond the double range.
    QString text = textIn(value, format, locale);
    if (text.isEmpty()) return ErrorCode::Overflow;
    return text;
}

QString plainDoubleText(double value, const QLocale& locale) { return doubleText(value, locale); }

QString groupedValueText(const QString& text, const QLocale& locale)
{
    if (text.isEmpty()) return text;
    const std::optional<double> value = regionalReading(text, locale);
    return value ? groupedText(*value, locale) : text;
}

}  // namespace tolvarin
