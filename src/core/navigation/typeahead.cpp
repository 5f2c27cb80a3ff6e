#include "navigation/typeahead.h"

namespace tolvarin {

std::optional<int> typeAheadRow(QChar typed, const QStringList& unitNames, int currentRow)
{
    const int last = int(unitNames.size()) - 1;
    const QChar wanted = typed.toUpper();
    auto matches = [&](int row) {
        const QString& name = unitNames[row];
        return !name.isEmpty() && name[0].toUpper() == wanted;
    };
    // From the last row the search goes straight round to the top, so that a
    // unit in row 0 can be reached too.
    for (int row = currentRow + 1; row <= last; ++row)
        if (matches(row)) return row;
    for (int row = 0; row <= last; ++row)
        if (matches(row)) return row;
    return std::nullopt;
}

}  // namespace tolvarin
