#include "navigation/unitsearch.h"

namespace tolvarin {

namespace {

template <typename Predicate>
void collect(const UnitCatalogue& catalogue, bool similar, Predicate matches, QList<UnitSearchHit>& hits)
{
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot)
        for (int row = 1; row <= catalogue.count(slot); ++row) {
            const QString& name = catalogue.unit(slot, row).name;
            if (!name.isEmpty() && matches(name)) hits.append({slot, row, similar});
        }
}

}  // namespace

bool isSimilarName(const QString& name, const QString& key)
{
    if (key.isEmpty()) return false;
    // A greedy walk finds the characters in order whenever any placement does.
    qsizetype next = 0;
    for (const QChar c : name) {
        if (c == key[next] && ++next == key.size()) return true;
    }
    return false;
}

QList<UnitSearchHit> searchUnits(const UnitCatalogue& catalogue, const QString& key)
{
    QList<UnitSearchHit> hits;
    if (key.isEmpty()) return hits;
    collect(
        catalogue, false, [&](const QString& name) { return name == key; }, hits);
    collect(
        catalogue, true, [&](const QString& name) { return isSimilarName(name, key); }, hits);
    return hits;
}

UnitIdentity unitIdentity(const UnitCatalogue& catalogue, int slot, int row)
{
    const Unit& unit = catalogue.unit(slot, row);
    return {slot, unit.name, unit.symbol};
}

int currentUnitRow(const UnitCatalogue& catalogue, const UnitIdentity& unit)
{
    if (unit.slot < 1 || unit.slot >= kSlotCount || unit.name.isEmpty()) return 0;
    for (int row = 1; row <= catalogue.count(unit.slot); ++row) {
        const Unit& shown = catalogue.unit(unit.slot, row);
        if (shown.name == unit.name && shown.symbol == unit.symbol) return row;
    }
    return 0;
}

}  // namespace tolvarin
