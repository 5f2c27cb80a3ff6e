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
// rows 1..150) whose name equals key exactly, in catalogue order, then those
// whose name is similar to key (isSimilarName), again in catalogue order; the
// exact ones therefore appear a second time as similar. Empty rows are never
// found, and an empty key finds nothing.
QList<UnitSearchHit> searchUnits(const UnitCatalogue& catalogue, const QString& key);

}  // namespace tolvarin
