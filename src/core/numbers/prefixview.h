#pragma once

#include "common/runtimeerror.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace tolvarin {

class UnitCatalogue;

// The value column of the prefix topic after the view is built.
struct PrefixViewValues {
    // Column 2 of grid rows 0 .. n-1 as plain number texts in the locale: the
    // engine's 15-digit text (doubleText), no display mode.
    QStringList texts;
    // The first row whose number lies strictly between 1 and 1000 in absolute
    // value: it becomes the current and the top row. None leaves the rows as
    // the fill left them.
    std::optional<int> topRow;
};

// The numbers of the prefix view. valueText is the text carried over from the
// cell that was current (regional reading); it is interpreted in the unit of
// grid row valueRow, the row left current when the topic was filled.
// coefficients are those of the prefix topic's units 1..n, so row r shows
// value · coefficients[valueRow] / coefficients[r].
// Errors: TypeMismatch when valueText is no number, SubscriptOutOfRange when
// valueRow is not a row of the topic, DivisionByZero when a coefficient is 0,
// Overflow when a row's number is infinite, NaN or beyond the normal double
// range, or when its 15-digit text would not read back (1,79769313486232E+308
// lies above the largest double). No text is produced on an error.
Result<PrefixViewValues> computePrefixView(const QString& valueText, int valueRow, std::span<const double> coefficients,
                                           const QLocale& locale);

// The coefficients of the prefix topic's units 1..count, in row order.
std::vector<double> prefixCoefficients(const UnitCatalogue& catalogue);

}  // namespace tolvarin
