#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace tolvarin {

// The text forms in which the program writes finite numbers, with the
// locale's decimal separator, ASCII digits and an ASCII minus (which QLocale
// reads in every locale, unlike some locales' own signs), so that every text
// but the grouped one reads back with the regional reading. A negative zero
// is written without its sign. An infinite or NaN value, or one whose rounded
// text would lie beyond the double range (1,80E+308 for 1.797E+308), gives an
// empty text: callers treat that as an overflow.

// Up to 15 significant digits, trailing zeros and a bare decimal separator
// dropped; exponent form when the decimal exponent is below -5 or at least
// 15: "0,333333333333333", "1,5E+20", "1E-06".
QString doubleText(double value, const QLocale& locale);

// The value that the text of doubleText reads back as (the value rounded to
// 15 significant digits), without making the text; none when that text
// would be empty.
std::optional<double> doubleTextValue(double value);

// The same for a single: the shortest text that reads back as the same
// single, at most 7 significant digits, exponent form from 1E+07 on:
// "0,3333333", "1,234568E+07".
QString singleText(float value, const QLocale& locale);

// The single-precision mode's text of a double: singleText of the value as a
// single; a value beyond the single's range (above about 3,4E+38, or nonzero
// below the smallest normal single) with at most seven significant digits in
// exponent form, as a single would look if it had the range: "1E+52",
// "1,616255E-35".
QString singlePrecisionText(double value, const QLocale& locale);

// One digit, the separator, exactly two digits, "E", sign and at least two
// exponent digits: "1,23E+03", "0,00E+00".
QString scientificText(double value, const QLocale& locale);

// Rounded to the given number of decimal places (0 or more), all of them
// shown, no grouping: "1,00", "2".
QString fixedText(double value, int decimals, const QLocale& locale);

// Integer part in groups of three set off by single blanks, two to nine
// decimal places, the fraction's digits beyond the third set off in groups
// of three: "1 234 567,00", "12,345 678 901". A nonzero value too small to
// show a single digit in nine places is written as doubleText instead, so
// that it never turns into a plain zero.
QString groupedText(double value, const QLocale& locale);

}  // namespace tolvarin
