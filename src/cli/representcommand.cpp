#include "commands.h"
#include "conversion/conversionengine.h"
#include "numbers/fraction.h"
#include "numbers/positionalsystems.h"
#include "numbers/romannumerals.h"

namespace tolvarin::cli {

namespace {

RepresentationResult represent(const Options& options)
{
    const QString& value = options.arguments.first();
    switch (options.representation) {
        case Representation::Bin:
            return SoustavaResult(kSoustavaBinarne, value, options.numBase, options.numBaseDec, options.locale);
        case Representation::Oct:
            return SoustavaResult(kSoustavaOktalne, value, options.numBase, options.numBaseDec, options.locale);
        case Representation::Hex:
            return SoustavaResult(kSoustavaHexadecimalne, value, options.numBase, options.numBaseDec, options.locale);
        case Representation::Base:
            return SoustavaResult(kSoustavaVlastni, value, options.numBase, options.numBaseDec, options.locale);
        case Representation::BaseWithPlaces:
            return SoustavaResult(kSoustavaVlastniDesetinna, value, options.numBase, options.numBaseDec,
                                  options.locale);
        case Representation::Fraction: return ZlomekResult(value, options.zCitlivost, options.locale);
        case Representation::Roman: return RimskyResult(value, options.locale);
    }
    return RepresentationResult::none();
}

// The window shows some refusals in black like a result: "-3 = Číslo musí
// být větší než 0.", "0 = " and "Při nastavené citlivosti ~0,001 nelze
// převést na zlomek.". A script must be able to tell them from a numeral or
// a fraction.
bool isRefusal(Representation representation, const QString& text)
{
    if (representation == Representation::Roman) {
        static const QString separator = QStringLiteral(" = ");
        static const QString romanDigits = QStringLiteral("IVXLCDM");
        const QString numeral = text.mid(text.indexOf(separator) + separator.size());
        return numeral.isEmpty() ||
               std::any_of(numeral.begin(), numeral.end(), [](QChar c) { return !romanDigits.contains(c); });
    }
    if (representation == Representation::Fraction)
        return text != QStringLiteral("Celé číslo") && !text.contains(QStringLiteral(" chyba "));
    return false;
}

}  // namespace

int runRepresent(const Options& options, CliOutput& output)
{
    const RepresentationResult result = represent(options);
    if (!result.hasResult) {
        output.err += terminalText(conversionFailureText(ErrorCode::TypeMismatch, options.arguments.first())) +
                      QLatin1Char('\n');
        return kExitFailure;
    }
    if (result.isRangeError || isRefusal(options.representation, result.text)) {
        output.err += result.text + QLatin1Char('\n');
        return kExitFailure;
    }
    output.out += result.text + QLatin1Char('\n');
    return kExitSuccess;
}

}  // namespace tolvarin::cli
