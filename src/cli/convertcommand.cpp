#include "catalogue/topictable.h"
#include "commands.h"
#include "tableoutput.h"
#include "conversion/conversionengine.h"
#include "conversion/conversiontext.h"

#include <utility>

namespace tolvarin::cli {

namespace {

// The source and target rows that a pair of words names: both units must
// lie in one topic, and only one such pair may exist.
std::optional<std::pair<UnitRef, UnitRef>> findPair(Session& session, const QString& sourceWord,
                                                    const QString& targetWord, const std::vector<int>& topics)
{
    const UnitCatalogue& catalogue = session.catalogue();
    const std::vector<UnitRef> sources = findUnits(catalogue, sourceWord, topics);
    if (sources.empty()) {
        session.error(Session::unknownUnitText(sourceWord));
        return std::nullopt;
    }

    std::vector<std::pair<UnitRef, UnitRef>> pairs;
    std::vector<UnitRef> pairedSources;
    for (const UnitRef& source : sources) {
        const std::vector<UnitRef> targets = findUnits(catalogue, targetWord, {source.slot});
        if (targets.empty()) continue;
        pairedSources.push_back(source);
        for (const UnitRef& target : targets) pairs.emplace_back(source, target);
    }
    if (pairs.size() == 1) return pairs.front();
    if (pairs.empty()) {
        if (findUnits(catalogue, targetWord, topics).empty())
            session.error(Session::unknownUnitText(targetWord));
        else
            session.error(
                QStringLiteral("Jednotky „%1“ a „%2“ nepatří do stejného tématu.").arg(sourceWord, targetWord));
        return std::nullopt;
    }
    // Several pairs: either the source is ambiguous, or the target within its topic.
    if (pairedSources.size() > 1)
        session.error(session.ambiguousUnitText(sourceWord, pairedSources));
    else
        session.error(
            session.ambiguousUnitText(targetWord, findUnits(catalogue, targetWord, {pairs.front().first.slot})));
    return std::nullopt;
}

// What the window's grid would be asked to convert. With a target, outside
// temperature, the grid holds just the two units: every row is converted on
// its own, so the target's text is the same, but a row that the target does
// not need (a Planck length beyond the single range) cannot fail the
// conversion. The plane-angle topic then stands for no topic: its summary
// line, which refuses whole degrees beyond 32 bits, is not shown here.
struct Grid {
    int slot = 0;
    std::vector<Unit> units;
    int sourceRow = 0;
    int targetRow = 0;
};

Grid gridFor(const UnitCatalogue& catalogue, UnitRef source, std::optional<UnitRef> target)
{
    if (target && source.slot != kTemperatureSlot) {
        const int slot = source.slot == kAngleSlot ? 0 : source.slot;
        return {slot, {catalogue.unit(source.slot, source.row), catalogue.unit(target->slot, target->row)}, 0, 1};
    }
    const std::span<const Unit> units = topicUnits(catalogue, source.slot);
    return {source.slot, {units.begin(), units.end()}, source.row - 1, target ? target->row - 1 : 0};
}

// The engine's commit of the value typed into the source unit's row: the
// value column, or none after the failure was reported.
std::optional<QStringList> convert(Session& session, const Grid& grid, const QString& valueText)
{
    if (valueText.trimmed().isEmpty()) {
        session.error(ConversionEngine::failureText(ErrorCode::TypeMismatch, valueText));
        return std::nullopt;
    }
    CommitRequest request;
    request.slot = grid.slot;
    request.units = grid.units;
    request.sourceRow = grid.sourceRow;
    request.enteredText = valueText;
    request.column = QStringList(qsizetype(grid.units.size()), QString());
    request.format = session.options().format;

    ConversionEngine engine;
    RecordingMessageSink messages;  // the failure message, or the notice about a negative value
    const CommitResult result = engine.commit(request, session.options().locale, messages);
    session.printMessages(messages);
    if (result.failed) return std::nullopt;
    // Below absolute zero the window shows zero in red; a script must not
    // take those zeros for a result.
    if (result.infoLine && result.infoLine->colour == InfoColour::Red) {
        session.error(result.infoLine->text);
        return std::nullopt;
    }
    return result.column;
}

}  // namespace

int runConvert(Session& session)
{
    const QStringList& words = session.options().arguments;
    const std::optional<std::vector<int>> topics = session.scope();
    if (!topics) return kExitFailure;

    std::optional<UnitRef> source;
    std::optional<UnitRef> target;
    if (words.size() > 2) {
        const auto pair = findPair(session, words[1], words[2], *topics);
        if (!pair) return kExitFailure;
        source = pair->first;
        target = pair->second;
    } else {
        source = session.unit(words[1], *topics);
        if (!source) return kExitFailure;
    }

    const Grid grid = gridFor(session.catalogue(), *source, target);
    const std::optional<QStringList> column = convert(session, grid, words[0]);
    if (!column) return kExitFailure;

    if (target) {
        const QString& value = (*column)[grid.targetRow];
        if (value.isEmpty()) {
            session.error(ConversionEngine::failureText(ErrorCode::InvalidArgument, words[0]));
            return kExitFailure;
        }
        session.print(value + QLatin1Char('\n'));
        return kExitSuccess;
    }

    QList<QStringList> rows;
    for (size_t i = 0; i < grid.units.size(); ++i)
        rows.append({grid.units[i].name, grid.units[i].symbol, (*column)[qsizetype(i)]});
    session.print(formatTable(rows, session.options().style, {Align::Left, Align::Left, Align::Right}));
    return kExitSuccess;
}

}  // namespace tolvarin::cli
