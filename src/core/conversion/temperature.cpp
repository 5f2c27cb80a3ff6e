#include "conversion/temperature.h"

namespace tolvarin {

namespace {

constexpr double kCelsiusZero = 273.15;
constexpr double kReaumurDegree = 1.25;  // one degree Réaumur in kelvin

double fiveNinths() { return 5.0 / 9.0; }
double nineFifths() { return 9.0 / 5.0; }

}  // namespace

std::optional<TemperatureScale> temperatureScaleOfRow(int row)
{
    if (row < 0 || row >= kTemperatureScaleCount) return std::nullopt;
    return TemperatureScale(row);
}

double kelvinFrom(TemperatureScale scale, double value)
{
    switch (scale) {
    case TemperatureScale::Kelvin: return value;
    case TemperatureScale::Celsius: return value + kCelsiusZero;
    case TemperatureScale::Fahrenheit: return (value - 32.0) * fiveNinths() + kCelsiusZero;
    case TemperatureScale::Rankine: return value * 5.0 / 9.0;
    case TemperatureScale::Reaumur: return value * kReaumurDegree + kCelsiusZero;
    }
    return value;
}

double fromKelvin(TemperatureScale scale, double kelvin)
{
    switch (scale) {
    case TemperatureScale::Kelvin: return kelvin;
    case TemperatureScale::Celsius: return kelvin - kCelsiusZero;
    case TemperatureScale::Fahrenheit: return (kelvin - kCelsiusZero) * nineFifths() + 32.0;
    case TemperatureScale::Rankine: return kelvin * nineFifths();
    case TemperatureScale::Reaumur: return (kelvin - kCelsiusZero) / kReaumurDegree;
    }
    return kelvin;
}

}  // namespace tolvarin
