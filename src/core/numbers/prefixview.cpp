#include "numbers/prefixview.h"

#include "catalogue/numericreading.h"
#include "catalogue/topictable.h"
#include "catalogue/unitcatalogue.h"
#include "conversion/decimaltext.h"

#include <cmath>
#include <limits>

namespace tolvarin {

namespace {

// A number worth showing: finite, and either zero or in the normal range. A
// subnormal or underflowed result has lost the digits the text would claim.
bool isShowable(double result, bool inputIsZero)
{
    if (!std::isfinite(result)) return false;
    if (result == 0.0) return inputIsZero;
    return std::fabs(result) >= std::numeric_limits<double>::min();
}

}  // namespace

Result<PrefixViewValues> computePrefixView(const QString& valueText, int valueRow, std::span<const double> coefficients,
                                           const QLocale& locale)
{
    const std::optional<double> value = regionalReading(valueText, locale);
    if (!value) return ErrorCode::TypeMismatch;
    if (valueRow < 0 || size_t(valueRow) >= coefficients.size()) return ErrorCode::SubscriptOutOfRange;
    for (double coefficient : coefficients) {
        if (coefficient == 0.0) return ErrorCode::DivisionByZero;
        if (!std::isfinite(coefficient)) return ErrorCode::Overflow;
    }

    const double source = coefficients[size_t(valueRow)];
    PrefixViewValues view;
    for (size_t row = 0; row < coefficients.size(); ++row) {
        const double result = *value * source / coefficients[row];
        if (!isShowable(result, *value == 0.0)) return ErrorCode::Overflow;
        // Empty when the 15-digit text would lie beyond the double range.
        QString text = doubleText(result, locale);
        if (text.isEmpty()) return ErrorCode::Overflow;
        view.texts.append(std::move(text));
    }

    // The test reads the numbers as the cells show them, so a value that the
    // text rounds to 1000 does not qualify.
    for (qsizetype row = 0; row < view.texts.size(); ++row) {
        const double shown = std::fabs(regionalReading(view.texts[row], locale).value_or(0.0));
        if (shown > 1.0 && shown < 1000.0) {
            view.topRow = int(row);
            break;
        }
    }
    return view;
}

std::vector<double> prefixCoefficients(const UnitCatalogue& catalogue)
{
    std::vector<double> coefficients;
    for (int row = 1; row <= catalogue.count(kPrefixSlot); ++row) {
        coefficients.push_back(catalogue.unit(kPrefixSlot, row).coefficient);
    }
    return coefficients;
}

}  // namespace tolvarin
