#pragma once

#include "catalogue/unitcatalogue.h"

namespace tolvarin {

// Marking with the Insert key: toggles the unit's mark and the topic's marked
// count. Returns whether the unit is now marked.
bool toggleUnitMark(UnitCatalogue& catalogue, int slot, int row);

// "Skrýt vybrané": marks every unit of the topic outside the grid rows
// first..last (in either order) and unmarks those inside, so that hiding the
// unmarked rows hides the selection; the marked count is left alone.
void markOutsideRows(UnitCatalogue& catalogue, int slot, int firstGridRow, int lastGridRow);

// Whether the topic's rows may be hidden at all: the temperature formulas rely
// on the fixed order of the temperature rows, so that topic cannot be thinned.
bool canHideRows(int slot);

// "Skrýt neoznačené": keeps only the marked units, in order, at the front of
// the topic and makes the first kept unit the reference (coefficient 1), so
// conversions between kept units give the same results as before. Clears the
// marks and sets the hidden flag. Does nothing when fewer than one unit is
// marked or the topic's rows may not be hidden. Returns whether it hid rows.
bool keepMarkedUnits(UnitCatalogue& catalogue, int slot);

}  // namespace tolvarin
