#include "catalogue/rowhiding.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tolvarin {

bool toggleUnitMark(UnitCatalogue& catalogue, int slot, int row)
{
    const bool marked = !catalogue.isMarked(slot, row);
    catalogue.setMarked(slot, row, marked);
    return marked;
}

void markOutsideRows(UnitCatalogue& catalogue, int slot, int firstGridRow, int lastGridRow)
{
    const int from = std::min(firstGridRow, lastGridRow) + 1;
    const int to = std::max(firstGridRow, lastGridRow) + 1;
    for (int row = 1; row <= catalogue.count(slot); ++row) catalogue.setMarked(slot, row, row < from || row > to);
}

bool canHideRows(int slot) { return slot != kTemperatureSlot; }

bool keepMarkedUnits(UnitCatalogue& catalogue, int slot)
{
    if (!canHideRows(slot)) return false;
    std::vector<Unit> kept;
    for (int row = 1; row <= catalogue.count(slot); ++row)
        if (catalogue.isMarked(slot, row)) kept.push_back(catalogue.unit(slot, row));
    if (kept.empty()) return false;

    // A zero or broken base would turn every kept coefficient into infinity;
    // the ratios are what conversions use, so then the coefficients stay.
    const double base = kept.front().coefficient;
    const bool rebase = base != 0.0 && std::isfinite(base);
    for (size_t i = 0; i < kept.size(); ++i) {
        Unit unit = kept[i];
        if (rebase) unit.coefficient /= base;
        catalogue.unit(slot, int(i) + 1) = unit;
    }
    for (int row = 0; row <= kMaxRows; ++row) catalogue.setMarked(slot, row, false);
    catalogue.setCount(slot, int(kept.size()));
    catalogue.setHidden(slot, true);
    return true;
}

}  // namespace tolvarin
