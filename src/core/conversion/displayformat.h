#pragma once

#include "common/runtimeerror.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cmath>

namespace tolvarin {

// The four precision modes of the value column. The numbers are the indexes
// of the precision commands and the values stored under "Presnost".
enum class PrecisionMode { Single = 0, Double = 1, Scientific = 2, Fixed = 3 };
constexpr int kPrecisionModeCount = 4;

// A stored or passed index as a mode: a negative index (or one beyond the
// last mode) gives Single, as FormatZ treats it.
PrecisionMode precisionModeFromIndex(int index);

// The status-bar code of a mode: "J", "D", "S" or "F".
QString precisionCode(PrecisionMode mode);

// The design caption of a mode's menu entry: "&Jednoduchá přesnost",
// "&Dvojitá přesnost", "&Vědecké zobrazení", "Pevné (Fi&xed)".
QString precisionMenuCaption(PrecisionMode mode);

// The caption that replaces the fixed mode's entry once the decimal count is
// known: "Pevný počet (2)".
QString fixedModeCaption(int decimals);

// The format pattern of n fixed decimal places: "0" for 0, "0.0" for 1,
// "0.#0" for 2, "0.##0" for 3 and so on; empty for a negative n.
QString fixedDecimalsPattern(int n);

// How the value column is shown: the mode and, for the fixed mode, the
// pattern made by fixedDecimalsPattern. The empty pattern formats like Double.
struct DisplayFormat {
    PrecisionMode mode = PrecisionMode::Single;
    QString fixedPattern = fixedDecimalsPattern(2);
};

// One value in a format. A value that rounds beyond the double range
// (1,80E+308 in the Scientific mode) gives Overflow; so does an infinite or
// NaN value. The Single mode shows every finite value (singlePrecisionText).
Result<QString> formatValue(double value, const DisplayFormat& format, const QLocale& locale);
// Every display format writes a finite value below 1E+308: no rounding of
// it reaches beyond the double range.
inline bool writableInEveryFormat(double value) { return std::isfinite(value) && std::abs(value) < 1e308; }

// The text of a double as the engine writes it into a cell before the column
// is reformatted: the Double mode's form, 15 significant digits
// ("1,234568E+07" style exponents). Empty for an infinite or NaN value and
// for a value whose 15-digit text would lie beyond the double range.
QString plainDoubleText(double value, const QLocale& locale);

// The grouped form of a cell text (groupedText of decimaltext.h: digits in
// groups of three set off by blanks, two to nine decimal places, the fraction
// grouped after the third place, "1 000 000,00", "12,345 678 901" in Czech):
// a number in the regional reading is grouped, an empty text stays empty and
// any other text comes back as it is, so that the information texts never
// fail on a cell the user left unfinished.
QString groupedValueText(const QString& text, const QLocale& locale);

}  // namespace tolvarin
