#pragma once

#include <QChar>
#include <QStringList>

#include <optional>

namespace tolvarin {

// The grid's type-ahead. Looks for the next unit after the current
// row whose name begins with the typed character in either case, wrapping to
// the top. Returns the row to make current and top, or nothing.
std::optional<int> typeAheadRow(QChar typed, const QStringList& unitNames, int currentRow);

}  // namespace tolvarin
