#include "unitlookup.h"

#include "catalogue/topictable.h"

namespace tolvarin::cli {

namespace {

template <typename Predicate>
std::vector<UnitRef> unitsWhere(const UnitCatalogue& catalogue, const std::vector<int>& topics, Predicate matches)
{
    std::vector<UnitRef> found;
    for (int slot : topics)
        for (int row = 1; row <= catalogue.count(slot); ++row)
            if (matches(catalogue.unit(slot, row))) found.push_back({slot, row});
    return found;
}

}  // namespace

std::vector<int> topicSlots(const UnitCatalogue& catalogue)
{
    std::vector<int> topics;
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) topics.push_back(slot);
    for (int n : catalogue.usedUserTopics()) topics.push_back(kBuiltinTopicCount + n);
    return topics;
}

std::vector<int> findTopics(const UnitCatalogue& catalogue, const QString& word)
{
    const std::vector<int> topics = topicSlots(catalogue);
    bool isNumber = false;
    const int number = word.trimmed().toInt(&isNumber);
    if (isNumber) {
        for (int slot : topics)
            if (slot == number) return {slot};
        return {};
    }
    std::vector<int> found;
    for (int slot : topics)
        if (topicKey(slot).compare(word, Qt::CaseInsensitive) == 0) found.push_back(slot);
    if (!found.empty()) return found;
    for (int slot : topics)
        if (catalogue.title(slot).compare(word, Qt::CaseInsensitive) == 0) found.push_back(slot);
    return found;
}

std::vector<UnitRef> findUnits(const UnitCatalogue& catalogue, const QString& word, const std::vector<int>& topics)
{
    if (word.isEmpty()) return {};
    std::vector<UnitRef> found = unitsWhere(catalogue, topics, [&](const Unit& unit) { return unit.symbol == word; });
    if (found.empty()) found = unitsWhere(catalogue, topics, [&](const Unit& unit) { return unit.name == word; });
    return found;
}

QString describeTopic(const UnitCatalogue& catalogue, int slot)
{
    return catalogue.title(slot) + QStringLiteral(" (téma ") + QString::number(slot) + QStringLiteral(", ") +
           topicKey(slot) + QLatin1Char(')');
}

QString describeUnit(const UnitCatalogue& catalogue, UnitRef unit)
{
    const Unit& u = catalogue.unit(unit.slot, unit.row);
    QString text = u.name;
    if (!u.symbol.isEmpty()) text += QStringLiteral(" [") + u.symbol + QLatin1Char(']');
    return text + QStringLiteral(" – ") + describeTopic(catalogue, unit.slot);
}

}  // namespace tolvarin::cli
