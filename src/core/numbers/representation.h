#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace tolvarin {

// The other ways of writing the current value ("Aktuální jako"), in menu order.
enum class Representation { Binary, Octal, Hexadecimal, OwnBase, OwnBaseWithPlaces, Fraction, Roman };

// What the options dialog allows for the settings below; a stored value
// outside these limits makes the representation refuse with OutOfRange.
constexpr int kMinOwnBase = 2;
constexpr int kMaxOwnBase = 32;
constexpr int kMinOwnBasePlaces = 1;
constexpr int kMaxOwnBasePlaces = 16;
constexpr int kMinFractionSensitivity = 1;
constexpr int kMaxFractionSensitivity = 9;

// The largest number written as a Roman numeral (a run of ten "M").
constexpr int kMaxRoman = 10000;

// The user's choices for the representations. The window owns them; only the
// options dialog changes them.
struct RepresentationSettings {
    int ownBase = 12;             // the base of the own number system
    int ownBasePlaces = 6;        // its digits after the radix point
    int fractionSensitivity = 3;  // the decimal places a fraction is found to
};

// Why a value is not written in the representation asked for.
enum class RefusalReason {
    NoNumber,          // the cell is empty or holds no number
    NotPositive,       // Roman: the value is 0 or below
    TooLarge,          // Roman: the whole part is above 10 000
    BelowOne,          // Roman: between 0 and 1 the numeral is empty
    WholeNumber,       // fraction: a whole number has no fraction
    BelowSensitivity,  // fraction: the fraction vanishes at the sensitivity
    OutOfRange,        // the value, or a setting, lies outside what the representation holds
};

struct Refusal {
    RefusalReason reason = RefusalReason::NoNumber;
    // The number the refusal's words name, as shown: the offending value
    // (OutOfRange), the whole part (the Roman refusals) or the sensitivity's
    // step "0,001" (BelowSensitivity); empty otherwise.
    QString value;
    bool operator==(const Refusal&) const = default;
};

// The words of a refusal, the same in the window and on the terminal:
//   OutOfRange        "Vstupní hodnota 40000 je mimo povolený rozsah."
//   NotPositive       "-3 = Číslo musí být větší než 0."
//   TooLarge          "12000 = Číslo musí být maximálně rovno 10 000."
//   BelowOne          "0 = "
//   WholeNumber       "Celé číslo"
//   BelowSensitivity  "Při nastavené citlivosti ~0,001 nelze převést na zlomek."
//   NoNumber          "" (nothing is shown)
QString refusalText(const Refusal& refusal);

// The value in one representation, or why not.
struct RepresentationOutcome {
    QString text;  // the value written out; empty on a refusal
    std::optional<Refusal> refusal;

    bool refused() const { return refusal.has_value(); }
    bool refusedBecause(RefusalReason reason) const { return refusal && refusal->reason == reason; }
    // The result, or the refusal's words.
    QString shownText() const { return refusal ? refusalText(*refusal) : text; }

    static RepresentationOutcome written(const QString& text) { return {text, std::nullopt}; }
    static RepresentationOutcome refusedFor(RefusalReason reason, const QString& value = QString())
    {
        return {QString(), Refusal{reason, value}};
    }
};

// The cell's text read with the locale's regional reading (the whole trimmed
// text must be a number), in one representation. The value is taken to 15
// significant digits, so that 10,1 has the digits of 10,1 and not those of
// the nearest binary double.
//
// Number systems, with w = ⌊value⌋ (rounded down, also for negative values):
//   Binary             "10 dekadicky = 1010 binárně."       w from -32768 to 32767
//   Octal              "8 dekadicky = 10 oktálně."          w within 32 bits
//   Hexadecimal        "255 dekadicky = FF hexadecimálně."  w within 32 bits
//   OwnBase            "10 dekadicky = (A)12"               w within 64 bits
//   OwnBaseWithPlaces  "10,5 dekadicky = (A,6)12": the cell text exactly as
//                      given, then the digits of |value| with its sign and
//                      the places cut, not rounded.
// Digits run "0"–"9", "A"–"V"; a negative w gets "-" before the digits of its
// magnitude. Outside a range, or with a base or places outside the dialog's
// limits: OutOfRange naming w.
//
// Fraction: the magnitude rounded half up to n = sensitivity decimal places
// and reduced, then " chyba " and the exact error (approximation minus
// magnitude) in the locale's decimal form: "2 + 1/2 chyba 0",
// "333/1000 chyba -0,0003". WholeNumber for a whole value, BelowSensitivity
// when nothing is left at n places; OutOfRange naming the trimmed cell text
// when n lies outside 1..9 or the magnitude times 10^n exceeds 32 bits.
//
// Roman: "12 = XII" for 12,7: the whole part in decimal, " = ", the numeral
// (thousands as a run of "M", "XM" for 990 to 998 of each thousand).
// NotPositive, TooLarge and BelowOne name the whole part.
RepresentationOutcome represent(Representation representation, const QString& cellText,
                                const RepresentationSettings& settings, const QLocale& locale);

// The same for a value without a cell text: OwnBaseWithPlaces starts with the
// value's plain text, and infinity and NaN are OutOfRange ("inf", "nan").
RepresentationOutcome represent(Representation representation, double value, const RepresentationSettings& settings,
                                const QLocale& locale);

}  // namespace tolvarin
