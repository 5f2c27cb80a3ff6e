#pragma once

#include "numbers/representationresult.h"

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace tolvarin {

// The entries of the menu mnuSoustava ("Aktuální jako"), in menu order.
enum SoustavaIndex : int {
    kSoustavaBinarne = 0,
    kSoustavaOktalne = 1,
    kSoustavaHexadecimalne = 2,
    kSoustavaVlastni = 3,           // own base NumBase, whole part only
    kSoustavaVlastniDesetinna = 4,  // own base with NumBaseDec places
};

// What the options dialog allows for NumBase and NumBaseDec; anything else
// read from the settings store gives the range message.
constexpr int kMinNumBase = 2;
constexpr int kMaxNumBase = 32;
constexpr int kMinNumBaseDec = 1;
constexpr int kMaxNumBaseDec = 16;

// The binary digits of n; a negative n gets a "-" before the digits of its
// magnitude. 10 gives "1010", 0 gives "0", -32768 gives "-1000000000000000".
QString BinText(qint16 n);

// The digits of the whole number x ≥ 0 in base 2..32 with the alphabet
// "0"–"9", "A"–"V". 10 in base 12 gives "A", 0 gives "0". None when x is not a
// whole number from 0 to below 2^64 or the base lies outside 2..32.
std::optional<QString> BaseDigits(double x, int base);

// The first `places` (1..16) digits after the radix point of f in base 2..32,
// cut, not rounded; f is taken as its decimal value rounded to 15 significant
// digits, so that 0,1 means exactly one tenth. A zero fraction gives `places`
// zeros; the text ends early when the fraction runs out after a non-zero
// digit (0,5 in base 12 gives "6"). None when f is negative, infinite, NaN,
// rounds to 1 or more, or base or places lie outside their ranges.
std::optional<QString> BaseFraction(double f, int base, int places);

// The command mnuSoustava_Click(index) for the current cell's text, read with
// the locale's regional reading (the whole trimmed text must be a number).
// w = ⌊value⌋ (rounded down, also for negative values) of the value taken to
// 15 significant digits. Results (not important, black):
//   0: "10 dekadicky = 1010 binárně."          (w from -32768 to 32767)
//   1: "8 dekadicky = 10 oktálně."             (w within 32 bits)
//   2: "255 dekadicky = FF hexadecimálně."     (w within 32 bits)
//   3: "10 dekadicky = (A)12"                  (NumBase 2..32)
//   4: "10,5 dekadicky = (A,6)12": the cell text exactly as given, then the
//      magnitude's whole digits and NumBaseDec (1..16) places.
// A negative w gets a "-" before the digits of its magnitude; in entry 4 the
// sign stands before the digits of |value| ("-10,5 dekadicky = (-A,6)12").
// Outside a range, or with NumBase/NumBaseDec outside the dialog's limits, the
// result is the range message "Vstupní hodnota <w> je mimo povolený rozsah.".
// An empty cell, a text that is no number or an index outside 0..4 gives no
// result.
RepresentationResult SoustavaResult(int index, const QString& cellText, int numBase, int numBaseDec,
                                    const QLocale& locale);

// The same for a value that has no cell text (the terminal program): entry 4
// starts with the value's plain text. Infinity and NaN give the range message.
RepresentationResult SoustavaResultForValue(int index, double value, int numBase, int numBaseDec,
                                            const QLocale& locale);

}  // namespace tolvarin
