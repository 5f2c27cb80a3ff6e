#pragma once

#include "numbers/representationresult.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace tolvarin {

// What the options dialog allows for the sensitivity ZCitlivost (decimal
// places before a value is turned into a fraction).
constexpr int kMinZCitlivost = 1;
constexpr int kMaxZCitlivost = 9;

// The value as a whole part plus a reduced fraction, with the error of that
// fraction. The value is taken to 15 significant digits, its magnitude
// rounded (half up) to n decimal places and the decimal fraction reduced:
//   2,5 -> "2 + 1/2 chyba 0", 0,75 and -0,75 -> "3/4 chyba 0",
//   0,3333 -> "333/1000 chyba -0,0003", 7 -> "Celé číslo",
//   1,0004 (n = 3) -> "Při nastavené citlivosti ~0,001 nelze převést na zlomek.".
// The error (approximation minus magnitude) is exact, written with the
// locale's decimal separator, "0" when the fraction is exact.
// None when the value is infinite or NaN, n lies outside 1..9, or the
// magnitude times 10^n does not fit a 32-bit signed integer.
std::optional<QString> ZlomekText(double value, int n, const QLocale& locale);

// The command mnuZlomek_Click for the current cell's text (regional reading):
// the fraction text, important and black; the range message
// "Vstupní hodnota <cell text> je mimo povolený rozsah." in red when
// ZlomekText has none. An empty cell or a text that is no number gives no
// result.
RepresentationResult ZlomekResult(const QString& cellText, int zCitlivost, const QLocale& locale);

// The same for a value without a cell text; the range message names the
// value's plain text.
RepresentationResult ZlomekResultForValue(double value, int zCitlivost, const QLocale& locale);

}  // namespace tolvarin
