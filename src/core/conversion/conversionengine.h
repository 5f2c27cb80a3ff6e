#pragma once

#include "catalogue/unitcatalogue.h"
#include "common/runtimeerror.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace tolvarin {

// The arithmetic of one conversion, in doubles. Every computed value is
// rounded to the 15 significant digits that a cell keeps, so that a value
// shown in the double mode reads back as itself.

// A value entered in one row of a coefficient topic, in every row:
// x × coefficient(source) ÷ coefficient(row), multiplied first (in long
// double when the product alone would leave the double range). A zero
// coefficient is DivisionByZero; a result beyond the double range, or one
// that underflows to 0 or to a subnormal from a value that is not 0, is Overflow.
Result<std::vector<double>> convertByCoefficients(std::span<const Unit> units, int sourceRow, double x);

// A temperature entered on the scale of one row (kelvin, Celsius, Fahrenheit,
// Rankine, Réaumur), on every scale. Rows beyond the five scales get no
// value; a value entered in one of them is InvalidArgument.
struct TemperatureValues {
    std::vector<std::optional<double>> rows;
    // The temperature lies at or below 0 K: the rows hold absolute zero.
    bool belowAbsoluteZero = false;
};
Result<TemperatureValues> convertTemperature(int rowCount, int sourceRow, double x);

// The texts of the conversion's messages.
// "Chyba 13: Neshoda typů", an empty line and "Nevhodná hodnota 'abc'.",
// each followed by CR LF.
QString conversionFailureText(ErrorCode error, const QString& cellText);
// The notice shown the first time a negative value is turned positive.
QString negativeValueNoticeText();
// "Teplota pod 0 K teoreticky neexistuje."
QString absoluteZeroText();

}  // namespace tolvarin
