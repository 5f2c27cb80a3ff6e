#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/datafilereport.h"
#include "catalogue/unitcatalogue.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace tolvarin {

// Reads from the main data file's bytes only the built-in topics that hold a
// unit whose symbol or name is one of the words. Their units, rows and counts
// are those that readMainDataBytes gives them, except that the information
// texts stay empty (a conversion does not show them); every other built-in
// topic stays empty. The bytes are scanned, not decoded, and only the units of
// those topics become texts, which makes a question about one or two units
// quick.
// Nothing comes back, and the catalogue is left as it was, when the file
// holds anything that the whole reader would report or decode otherwise (not
// UTF-8, a control character, a line it would warn about or refuse, a form of
// number that depends on the locale): the caller then reads the whole file.
std::optional<DataFileReport> readMainDataTopicsNaming(UnitCatalogue& catalogue, const DataFileConfig& config,
                                                        const QByteArray& bytes, const QStringList& words);

}  // namespace tolvarin
