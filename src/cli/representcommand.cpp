#include "commands.h"
#include "conversion/conversionengine.h"
#include "numbers/representation.h"

namespace tolvarin::cli {

int runRepresent(const Options& options, CliOutput& output)
{
    const QString& value = options.arguments.first();
    const RepresentationOutcome outcome =
        represent(options.representation, value, options.representationSettings, options.locale);
    if (!outcome.refused()) {
        output.out += outcome.text + QLatin1Char('\n');
        return kExitSuccess;
    }
    switch (outcome.refusal->reason) {
        case RefusalReason::NoNumber:
            output.err +=
                terminalText(conversionFailureText(ErrorCode::TypeMismatch, value)) + QLatin1Char('\n');
            return kExitFailure;
        // A whole number is its own fraction: a script gets the answer.
        case RefusalReason::WholeNumber: output.out += outcome.shownText() + QLatin1Char('\n'); return kExitSuccess;
        // The window shows the other refusals as answers; a script must not
        // take them for a numeral or a fraction.
        case RefusalReason::NotPositive:
        case RefusalReason::TooLarge:
        case RefusalReason::BelowOne:
        case RefusalReason::BelowSensitivity:
        case RefusalReason::OutOfRange: break;
    }
    output.err += outcome.shownText() + QLatin1Char('\n');
    return kExitFailure;
}

}  // namespace tolvarin::cli
