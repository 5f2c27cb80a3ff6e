#include "catalogue/topictable.h"
#include "commands.h"
#include "tableoutput.h"
#include "conversion/conversiontext.h"
#include "navigation/unitsearch.h"

namespace tolvarin::cli {

namespace {

// The shortest text that reads back as the same double: scripts get the
// exact coefficient, with the locale's decimal separator.
QString coefficientText(double value, QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'G', QLocale::FloatingPointShortest);
}

int listTopics(Session& session)
{
    const UnitCatalogue& catalogue = session.catalogue();
    QList<QStringList> rows;
    for (int slot : topicSlots(catalogue))
        rows.append(
            {QString::number(slot), topicKey(slot), catalogue.title(slot), QString::number(catalogue.count(slot))});
    session.print(formatTable(rows, session.options().style, {Align::Right, Align::Left, Align::Left, Align::Right}));
    return kExitSuccess;
}

int listUnits(Session& session, int slot)
{
    QList<QStringList> rows;
    for (const Unit& unit : topicUnits(session.catalogue(), slot))
        rows.append({unit.name, unit.symbol, coefficientText(unit.coefficient, session.options().locale),
                     QString::number(int(unit.level))});
    session.print(formatTable(rows, session.options().style, {Align::Left, Align::Left, Align::Right, Align::Right}));
    return kExitSuccess;
}

}  // namespace

int runList(Session& session)
{
    const QStringList& words = session.options().arguments;
    const std::optional<QString> topicWord = words.isEmpty() ? session.options().topic : words.first();
    if (!topicWord) return listTopics(session);
    const std::optional<int> slot = session.topic(*topicWord);
    if (!slot) return kExitFailure;
    return listUnits(session, *slot);
}

int runInfo(Session& session)
{
    const std::optional<std::vector<int>> topics = session.scope();
    if (!topics) return kExitFailure;
    const std::optional<UnitRef> unit = session.unit(session.options().arguments.first(), *topics);
    if (!unit) return kExitFailure;
    const std::span<const Unit> units = topicUnits(session.catalogue(), unit->slot);
    session.print(terminalText(unitInfoText(topicRules(unit->slot), units, unit->row - 1, session.options().locale)) +
                  QLatin1Char('\n'));
    return kExitSuccess;
}

int runSearch(Session& session)
{
    const UnitCatalogue& catalogue = session.catalogue();
    QList<QStringList> rows;
    for (const UnitSearchHit& hit : searchUnits(catalogue, session.options().arguments.first())) {
        const Unit& unit = catalogue.unit(hit.slot, hit.row);
        rows.append({unit.name, unit.symbol, catalogue.title(hit.slot), unitTag(hit.slot, hit.row),
                     hit.similar ? QStringLiteral("podobná") : QStringLiteral("přesná")});
    }
    session.print(formatTable(rows, session.options().style));
    return kExitSuccess;
}

}  // namespace tolvarin::cli
