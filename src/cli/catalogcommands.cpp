#include "catalogue/mainfilereader.h"
#include "catalogue/topictable.h"
#include "commands.h"
#include "tableoutput.h"
#include "conversion/conversiontext.h"
#include "navigation/unitsearch.h"

#include <memory>

namespace tolvarin::cli {

namespace {

// The shortest text that reads back as the same double: scripts get the
// exact coefficient, with the locale's decimal separator.
QString coefficientText(double value, QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'G', QLocale::FloatingPointShortest);
}

bool sameRecord(const Unit& a, const Unit& b)
{
    return a.name == b.name && a.symbol == b.symbol && a.coefficient == b.coefficient && a.info == b.info;
}

// The level of each unit shown in a built-in topic: 1 for a name without a
// marker, 2 for "+", 3 for "*". The catalogue keeps names without their
// markers, so the main file is read again at levels 1 and 2 and each shown
// unit is found in those readings, which keep the file's order.
std::vector<int> unitLevels(const Session& session, int slot)
{
    const std::span<const Unit> shown = topicUnits(session.catalogue(), slot);
    std::vector<int> levels(shown.size(), 1);
    if (slot > kBuiltinTopicCount) return levels;  // the user file has no levels

    auto readAt = [&](UnitLevel level) {
        auto catalogue = std::make_unique<UnitCatalogue>();
        DataFileConfig config = session.config();
        config.level = level;
        RecordingMessageSink alreadyReported;
        Texty(*catalogue, config, alreadyReported);
        return catalogue;
    };
    const std::unique_ptr<UnitCatalogue> level1 = readAt(UnitLevel::Level1);
    const std::unique_ptr<UnitCatalogue> level2 = readAt(UnitLevel::Level2);
    const std::span<const Unit> units1 = topicUnits(*level1, slot);
    const std::span<const Unit> units2 = topicUnits(*level2, slot);
    size_t next1 = 0;
    size_t next2 = 0;
    for (size_t row = 0; row < shown.size(); ++row) {
        const bool in1 = next1 < units1.size() && sameRecord(shown[row], units1[next1]);
        if (in1) ++next1;
        const bool in2 = next2 < units2.size() && sameRecord(shown[row], units2[next2]);
        if (in2) ++next2;
        levels[row] = in1 ? 1 : in2 ? 2 : 3;
    }
    return levels;
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
    const std::span<const Unit> units = topicUnits(session.catalogue(), slot);
    const std::vector<int> levels = unitLevels(session, slot);
    QList<QStringList> rows;
    for (size_t row = 0; row < units.size(); ++row)
        rows.append({units[row].name, units[row].symbol,
                     coefficientText(units[row].coefficient, session.options().locale), QString::number(levels[row])});
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
