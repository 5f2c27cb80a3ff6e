#pragma once

#include "catalogue/unitcatalogue.h"
#include "conversion/topicrules.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace tolvarin {

// The units of a topic in grid order: grid row r shows units[r], that is
// unit r + 1 of the slot.
std::span<const Unit> topicUnits(const UnitCatalogue& catalogue, int slot);

// The texts below read a topic's units beside its value column (one text per
// grid row). A row outside the topic counts as a unit without name, symbol
// or value.

// The conversion summary: " km: 5,00 km = 5 000,00 m " for the entered row
// on the left and the compared row on the right, values in groupedValueText,
// the left label being the symbol or, without one, the name; blanks
// squeezed.
QString summaryLine(std::span<const Unit> units, const QStringList& column, int enteredRow, int comparedRow,
                    const QLocale& locale);

// Which unit the short preview compares the current row with: the first
// unit ("Aktuální a první jednotka") or the unit last entered ("Aktuální a
// zadaná jednotka", the row EditRow).
enum class PreviewTarget { FirstUnit, EnteredUnit };

// The preview line that the information line shows on a cell change: the
// summary of the current row against row 0 or EditRow; none while the
// current row's value cell is empty.
std::optional<QString> makePreviewLine(std::span<const Unit> units, const QStringList& column, int currentRow, int editRow,
                                   PreviewTarget target, const QLocale& locale);

// The magnifier's text: three lines for row 0, EditRow and the current row,
// each "name [symbol] value" (no brackets without a symbol, the value in
// groupedValueText), joined by CR LF, blanks squeezed.
QString makeMagnifierText(std::span<const Unit> units, const QStringList& column, int editRow, int currentRow,
                      const QLocale& locale);

// The information panel's text of the unit in a grid row: its name in upper
// case, " (1 km = 1 000,00 m)" against the first unit, CR LF and the unit's
// info; in the temperature topic, where no coefficient applies, the name,
// CR LF and the info.
QString unitInfoText(const TopicRules& rules, std::span<const Unit> units, int row, const QLocale& locale);

}  // namespace tolvarin
