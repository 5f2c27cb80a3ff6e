#include "numbers/representation.h"

#include "catalogue/numericreading.h"
#include "numbers/fraction.h"
#include "numbers/numbertext.h"
#include "numbers/positionalsystems.h"
#include "numbers/romannumerals.h"

namespace tolvarin {

namespace {

RepresentationOutcome representValue(Representation representation, double value, const QString& shownText,
                                     const RepresentationSettings& settings, const QLocale& locale)
{
    switch (representation) {
        case Representation::Binary:
        case Representation::Octal:
        case Representation::Hexadecimal:
        case Representation::OwnBase:
        case Representation::OwnBaseWithPlaces:
            return writeInNumberSystem(representation, value, shownText, settings, locale);
        case Representation::Fraction: return writeAsFraction(value, shownText, settings.fractionSensitivity, locale);
        case Representation::Roman: return writeAsRoman(value, locale);
    }
    return RepresentationOutcome::refusedFor(RefusalReason::NoNumber);
}

}  // namespace

QString refusalText(const Refusal& refusal)
{
    switch (refusal.reason) {
        case RefusalReason::NoNumber: return QString();
        case RefusalReason::NotPositive: return refusal.value + QStringLiteral(" = Číslo musí být větší než 0.");
        case RefusalReason::TooLarge:
            return refusal.value + QStringLiteral(" = Číslo musí být maximálně rovno 10 000.");
        case RefusalReason::BelowOne: return refusal.value + QStringLiteral(" = ");
        case RefusalReason::WholeNumber: return QStringLiteral("Celé číslo");
        case RefusalReason::BelowSensitivity:
            return QStringLiteral("Při nastavené citlivosti ~") + refusal.value +
                   QStringLiteral(" nelze převést na zlomek.");
        case RefusalReason::OutOfRange:
            return QStringLiteral("Vstupní hodnota ") + refusal.value + QStringLiteral(" je mimo povolený rozsah.");
    }
    return QString();
}

RepresentationOutcome represent(Representation representation, const QString& cellText,
                                const RepresentationSettings& settings, const QLocale& locale)
{
    const std::optional<double> value = regionalReading(cellText, locale);
    if (!value) return RepresentationOutcome::refusedFor(RefusalReason::NoNumber);
    return representValue(representation, *value, cellText, settings, locale);
}

RepresentationOutcome represent(Representation representation, double value, const RepresentationSettings& settings,
                                const QLocale& locale)
{
    return representValue(representation, value, numbers::messageValueText(value, locale), settings, locale);
}

}  // namespace tolvarin
