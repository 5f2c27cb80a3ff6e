#pragma once

namespace tolvarin {

// How a quantity differs from the others. Most topics convert by the ratio of
// two coefficients; temperature relates its fixed five scales by formulas,
// and plane angle sums a conversion up in degrees, minutes and seconds.
struct TopicRules {
    enum class Arithmetic { Coefficients, TemperatureScales };
    enum class Summary { UnitValues, AngleInDegrees };

    Arithmetic arithmetic = Arithmetic::Coefficients;
    Summary summary = Summary::UnitValues;
    // Outside temperature a negative value is turned positive.
    bool negativeValues = false;
    // Whether a conversion counts in the statistics and colours its row.
    bool counted = true;
    // The rows' order carries meaning (the temperature scales): no row may be
    // marked or hidden.
    bool fixedRows = false;
    // Coefficients say how much of the first unit one unit is.
    bool coefficientsCompare = true;
};

TopicRules topicRules(int slot);

}  // namespace tolvarin
