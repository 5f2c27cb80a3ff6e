#pragma once

#include "common/runtimeerror.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace tolvarin {

// A number typed or pasted into a value cell.
struct TypedNumber {
    std::optional<double> value;
    // When there is no value: TypeMismatch for a text that is no number,
    // Overflow for a number beyond the double range ("1E400").
    ErrorCode error = ErrorCode::TypeMismatch;
    // The text would be a number with the locale's decimal separator in
    // place of another one ("1.5" under Czech settings).
    bool otherDecimalSeparator = false;
};

// Reads the regional number syntax of the locale, and also the grouped form
// the program shows in its information line and magnifier ("5 000,00",
// "12,345 678 901", with blanks, no-break or narrow no-break spaces between
// groups of three).
TypedNumber readTypedNumber(const QString& text, const QLocale& locale);

// The line added to the failure message when another decimal separator was
// used: "Jako desetinný oddělovač použijte „,“."
QString decimalSeparatorHint(const QLocale& locale);

}  // namespace tolvarin
