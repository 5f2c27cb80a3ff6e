#pragma once

#include <optional>

namespace tolvarin {

// The temperature topic relates its scales by fixed formulas, not by
// coefficients. Its rows are always, in this order: kelvin, degree Celsius,
// degree Fahrenheit, degree Rankine, degree Réaumur.
enum class TemperatureScale { Kelvin = 0, Celsius = 1, Fahrenheit = 2, Rankine = 3, Reaumur = 4 };
constexpr int kTemperatureScaleCount = 5;

// The scale shown in a grid row of the temperature topic; none for a row
// beyond the fifth.
std::optional<TemperatureScale> temperatureScaleOfRow(int row);

// A temperature on a scale in kelvin, and a temperature in kelvin on a scale.
// Computed in doubles in the order of the classic formulas; the result may be
// infinite when the input is near the double range, so callers check it.
double kelvinFrom(TemperatureScale scale, double value);
double fromKelvin(TemperatureScale scale, double kelvin);

}  // namespace tolvarin
