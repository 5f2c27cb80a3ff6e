#include "catalogue/topictable.h"
#include "commands.h"
#include "tableoutput.h"
#include "conversion/conversionengine.h"
#include "conversion/topicmodel.h"

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

// The value typed into the source unit's row, converted in its whole topic
// as the window's table does it: the topic's value column, or none after the
// failure was reported.
std::optional<QStringList> convert(Session& session, TopicModel& model, int sourceRow, const QString& valueText)
{
    if (valueText.trimmed().isEmpty()) {
        session.error(conversionFailureText(ErrorCode::TypeMismatch, valueText));
        return std::nullopt;
    }
    const ConversionOutcome outcome = model.commit(sourceRow, valueText);
    if (outcome.signFlipped) session.error(negativeValueNoticeText());
    switch (outcome.status) {
    case ConversionOutcome::Status::Failed:
        session.error(conversionFailureText(outcome.error, outcome.failedText));
        return std::nullopt;
    case ConversionOutcome::Status::BelowAbsoluteZero:
        // The window shows absolute zero in red; a script must not take
        // those zeros for a result.
        session.error(absoluteZeroText());
        return std::nullopt;
    case ConversionOutcome::Status::Unchanged:
    case ConversionOutcome::Status::Emptied: return std::nullopt;
    case ConversionOutcome::Status::Converted: break;
    }
    return model.valueColumn();
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

    TopicModel model(session.catalogue(), session.options().locale);
    model.setFormat(session.options().format);
    model.open(source->slot);
    if (target) model.writeTextOfRowOnly(target->row - 1);
    const std::optional<QStringList> column = convert(session, model, source->row - 1, words[0]);
    if (!column) return kExitFailure;

    if (target) {
        const QString& value = column->value(target->row - 1);
        if (value.isEmpty()) {
            session.error(conversionFailureText(ErrorCode::InvalidArgument, words[0]));
            return kExitFailure;
        }
        session.print(value + QLatin1Char('\n'));
        return kExitSuccess;
    }

    QList<QStringList> rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows.append({model.unit(row).name, model.unit(row).symbol, (*column)[row]});
    session.print(formatTable(rows, session.options().style, {Align::Left, Align::Left, Align::Right}));
    return kExitSuccess;
}

}  // namespace tolvarin::cli
