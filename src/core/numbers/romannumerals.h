#pragma once

#include "numbers/representation.h"

namespace tolvarin {

// The numeral of a whole number 1..10000: thousands as a run of "M", the
// usual subtractive forms, and "XM" for 990 to 998 of each thousand (999 is
// "CMXCIX"). 0 gives the empty numeral.
QString romanNumeral(int n);

// The Roman numeral of represent().
RepresentationOutcome writeAsRoman(double value, const QLocale& locale);

}  // namespace tolvarin
