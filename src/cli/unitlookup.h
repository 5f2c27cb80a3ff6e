#pragma once

#include "catalogue/unitcatalogue.h"

#include <QString>

#include <vector>

namespace tolvarin::cli {

// A unit of the catalogue: its topic slot and its data row (1..count).
struct UnitRef {
    int slot = 0;
    int row = 0;
    bool operator==(const UnitRef&) const = default;
};

// The topics that hold units the user can convert: the built-in slots 1..26
// and the slots of the user topics in use, in catalogue order.
std::vector<int> topicSlots(const UnitCatalogue& catalogue);

// The topics that a --topic word names: a slot number, a topic key in any
// letter case ("Delka"; "User" names every user topic) or a title in any
// letter case ("Délka"). Only slots of topicSlots are found.
std::vector<int> findTopics(const UnitCatalogue& catalogue, const QString& word);

// The units that a word names within the given slots: the units whose
// symbol is exactly the word; when there is none, those whose name is.
// Only the rows the grid shows (1..count) are looked at.
std::vector<UnitRef> findUnits(const UnitCatalogue& catalogue, const QString& word, const std::vector<int>& topics);

// "metr [m] – Délka (téma 1, Delka)": a unit as a candidate in messages.
QString describeUnit(const UnitCatalogue& catalogue, UnitRef unit);

// "Délka (téma 1, Delka)".
QString describeTopic(const UnitCatalogue& catalogue, int slot);

}  // namespace tolvarin::cli
