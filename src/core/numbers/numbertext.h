#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>

// Number texts of the representations. Kept to this folder: the conversion
// engine writes its own display formats.
namespace tolvarin::numbers {

// A finite double as the grid shows a value without a display mode: at most
// 15 significant digits, the locale's decimal separator, no group separators,
// an exponent ("1,5E+27") from 10^15 up and below 10^-4; -0 is written "0".
// The caller makes sure the value is finite.
QString plainDoubleText(double value, const QLocale& locale);

// A value named in a message: the plain text, or Qt's "inf"/"nan" for a value
// that has no number.
QString messageValueText(double value, const QLocale& locale);

// A whole number ⌊v⌋ in decimal: all digits when it fits 64 bits, otherwise
// the plain text of the double ⌊v⌋.
QString wholeValueText(std::optional<qint64> whole, double v, const QLocale& locale);

}  // namespace tolvarin::numbers
