#pragma once

#include "catalogue/unitcatalogue.h"

#include <QList>
#include <QString>

namespace tolvarin {

// One unit found by the search panel: where it is, and whether it came from
// the similar pass (shown in grey) rather than the exact one.
struct UnitSearchHit {
    int slot = 0;
    int row = 0;
    bool similar = false;
    bool operator==(const UnitSearchHit&) const = default;
};

// Whether a unit name holds the characters of key in the same order, not
// necessarily together ("kilometr" for "km"). Every character of key is taken
// as it is, letter case included; an empty key matches nothing.
bool isSimilarName(const QString& name, const QString& key);

// The search panel's search: the units of the built-in topics (slots 1..26,
// the rows their topic shows) whose name equals key exactly, in catalogue
// order, then those whose name is similar to key (isSimilarName), again in
// catalogue order; the exact ones therefore appear a second time as similar.
// Empty rows and rows hidden from their topic are never found, and an empty
// key finds nothing.
QList<UnitSearchHit> searchUnits(const UnitCatalogue& catalogue, const QString& key);

// A unit named by what it is rather than by its row: the rows of a topic
// move when rows are hidden, a level is chosen or the data files are read
// again, and a search result must still open the unit it shows.
struct UnitIdentity {
    int slot = 0;
    QString name;
    QString symbol;
};
UnitIdentity unitIdentity(const UnitCatalogue& catalogue, int slot, int row);
// The unit's row in its topic now (1..count), or 0 when the topic does not show it.
int currentUnitRow(const UnitCatalogue& catalogue, const UnitIdentity& unit);

}  // namespace tolvarin
