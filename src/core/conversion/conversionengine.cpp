#include "conversion/conversionengine.h"

#include "common/textutil.h"
#include "conversion/decimaltext.h"
#include "conversion/temperature.h"

#include <cmath>
#include <limits>

namespace tolvarin {

namespace {

// x · source ÷ target, multiplied first. A product beyond the normal double
// range (too large, or so small that it lost its digits) is taken in long
// double instead, so that a result a row can show is not lost on the way.
double scaled(double x, double source, double target)
{
    const double product = x * source;
    const bool productKept = product == 0.0 ? x == 0.0 || source == 0.0 : std::isnormal(product);
    if (productKept) return product / target;
    const long double result = static_cast<long double>(x) * source / target;
    if (std::fabs(result) > std::numeric_limits<double>::max()) return result > 0 ? HUGE_VAL : -HUGE_VAL;
    return double(result);
}

}  // namespace

Result<std::vector<double>> convertByCoefficients(std::span<const Unit> units, int sourceRow, double x)
{
    if (sourceRow < 0 || size_t(sourceRow) >= units.size()) return ErrorCode::SubscriptOutOfRange;
    const double sourceCoefficient = units[size_t(sourceRow)].coefficient;
    std::vector<double> values;
    values.reserve(units.size());
    for (const Unit& unit : units) {
        if (unit.coefficient == 0.0) return ErrorCode::DivisionByZero;
        const double result = scaled(x, sourceCoefficient, unit.coefficient);
        // A result that underflowed to 0, or to a subnormal with fewer digits
        // than its text would show, would be a wrong number.
        const bool underflow =
            result == 0.0 ? x != 0.0 && sourceCoefficient != 0.0 : std::fpclassify(result) == FP_SUBNORMAL;
        const std::optional<double> value = underflow ? std::nullopt : doubleTextValue(result);
        if (!value) return ErrorCode::Overflow;
        values.push_back(*value);
    }
    return values;
}

Result<TemperatureValues> convertTemperature(int rowCount, int sourceRow, double x)
{
    const std::optional<TemperatureScale> entered = temperatureScaleOfRow(sourceRow);
    // A row beyond the five scales has no formula; converting the others
    // from an older kelvin value would show figures that contradict it.
    if (!entered || sourceRow >= rowCount) return ErrorCode::InvalidArgument;
    const std::optional<double> kelvin =
        *entered == TemperatureScale::Kelvin ? std::optional<double>(x) : doubleTextValue(kelvinFrom(*entered, x));
    if (!kelvin) return ErrorCode::Overflow;

    TemperatureValues result;
    result.belowAbsoluteZero = !(*kelvin > 0.0);
    result.rows.resize(size_t(rowCount));
    for (int row = 0; row < kTemperatureScaleCount && row < rowCount; ++row) {
        const auto scale = TemperatureScale(row);
        if (result.belowAbsoluteZero) {
            result.rows[size_t(row)] = doubleTextValue(fromKelvin(scale, 0.0));
        } else if (row == sourceRow) {
            result.rows[size_t(row)] = x;  // the entered row keeps the value as typed
        } else if (row == 0) {
            result.rows[0] = kelvin;
        } else {
            const std::optional<double> value = doubleTextValue(fromKelvin(scale, *kelvin));
            if (!value) return ErrorCode::Overflow;
            result.rows[size_t(row)] = value;
        }
    }
    return result;
}

QString conversionFailureText(ErrorCode error, const QString& cellText)
{
    return joinLines({QStringLiteral("Chyba ") + QString::number(errorNumber(error)) + QStringLiteral(": ") +
                          errorDescription(error),
                      QString(), QStringLiteral("Nevhodná hodnota '") + cellText + QStringLiteral("'.")});
}

QString negativeValueNoticeText()
{
    return joinLines({QStringLiteral("Zadáno záporné číslo."), QString(),
                      QStringLiteral("Záporné hodnoty se nepoužívají. Budou převedeny na kladná čísla."), QString(),
                      QStringLiteral("Poznámka: Tato zpráva už nebude zobrazena.")});
}

QString absoluteZeroText() { return QStringLiteral("Teplota pod 0 K teoreticky neexistuje."); }

}  // namespace tolvarin
