#include "conversion/compactconversion.h"

#include "conversion/conversionengine.h"
#include "conversion/displayformat.h"
#include "conversion/entryreading.h"

#include <array>

namespace tolvarin {

namespace {

CompactOutcome failure(ErrorCode error)
{
    CompactOutcome outcome;
    outcome.error = error;
    return outcome;
}

CompactOutcome of(CompactOutcome::Status status)
{
    CompactOutcome outcome;
    outcome.status = status;
    return outcome;
}

bool bound(std::span<const Unit> units, int row)
{
    return row >= 0 && size_t(row) < units.size();
}

Result<double> byCoefficients(double x, const Unit& source, const Unit& target)
{
    // The engine's ratio over the two units alone, so that a zero coefficient
    // elsewhere in the topic does not stop the view.
    const std::array<Unit, 2> pair{source, target};
    const Result<std::vector<double>> values = convertByCoefficients(pair, 0, x);
    if (!values.ok()) return values.error();
    return values.value()[1];
}

}  // namespace

CompactOutcome convertCompact(const QString& valueText, std::span<const Unit> units, int sourceRow, int targetRow,
                              const TopicRules& rules, const QLocale& locale)
{
    const TypedNumber typed = readTypedNumber(valueText, locale);
    if (!typed.value) return failure(typed.error);
    const double x = *typed.value;  // the reading gives finite values only

    const bool temperature = rules.arithmetic == TopicRules::Arithmetic::TemperatureScales;
    if (!temperature && !(x > 0.0)) return of(CompactOutcome::Status::NothingToDo);
    if (!bound(units, sourceRow) || !bound(units, targetRow)) return failure(ErrorCode::SubscriptOutOfRange);

    double result = 0.0;
    if (temperature) {
        const Result<TemperatureValues> values = convertTemperature(int(units.size()), sourceRow, x);
        if (!values.ok()) return failure(values.error());
        if (values.value().belowAbsoluteZero) return of(CompactOutcome::Status::BelowAbsoluteZero);
        const std::optional<double> value = values.value().rows[size_t(targetRow)];
        if (!value) return failure(ErrorCode::InvalidArgument);  // a row beyond the five scales
        result = *value;
    } else {
        const Result<double> value = byCoefficients(x, units[size_t(sourceRow)], units[size_t(targetRow)]);
        if (!value.ok()) return failure(value.error());
        result = value.value();
    }

    CompactOutcome outcome = of(CompactOutcome::Status::Converted);
    outcome.text = plainDoubleText(result, locale);
    if (outcome.text.isEmpty()) return failure(ErrorCode::Overflow);
    return outcome;
}

}  // namespace tolvarin
