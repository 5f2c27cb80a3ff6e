#pragma once

#include "numbers/representationresult.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace tolvarin {

// The largest number written as a Roman numeral (a run of ten "M").
constexpr int kMaxRoman = 10000;

// The whole part of value as a Roman numeral: thousands as a run of "M", the
// usual subtractive forms, and "XM" for 990 to 998 of each thousand (999 is
// "CMXCIX"). A value of 0 or below gives "Číslo musí být větší než 0.", a
// whole part above 10 000 gives "Číslo musí být maximálně rovno 10 000.", a
// value between 0 and 1 the empty numeral. None for infinity and NaN.
std::optional<QString> RimskeCislo(double value);

// The command mnuLatin_Click for the current cell's text (regional reading):
// "12 = XII" for 12,7, "-3 = Číslo musí být větší než 0.", "0 = " for 0,5;
// important and black. An empty cell or a text that is no number gives no
// result.
RepresentationResult RimskyResult(const QString& cellText, const QLocale& locale);

// The same for a value without a cell text; infinity and NaN give the range
// message "Vstupní hodnota inf je mimo povolený rozsah." in red.
RepresentationResult RimskyResultForValue(double value, const QLocale& locale);

}  // namespace tolvarin
