#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/datafilereport.h"
#include "catalogue/unitcatalogue.h"

#include <QStringList>

namespace tolvarin {

// Clears every name and count, reads the main data file into the catalogue
// and counts the units of slots 1..26. Only the units that the config's level
// shows are loaded, each with its own level. Bad lines are reported and
// skipped; a missing file, a type error or any other error ends the reading
// with a fatal message and leaves every built-in topic without units.
DataFileReport readMainDataFile(UnitCatalogue& catalogue, const DataFileConfig& config);
// The same for a question about the units that the words name: when the file
// is plain enough to be scanned, only the topics holding such units are read
// (readMainDataTopicsNaming); any other file, and any file for no words, is
// read whole, with its messages.
DataFileReport readMainDataFileForUnits(UnitCatalogue& catalogue, const DataFileConfig& config,
                                        const QStringList& words);
// The same for the file's bytes, already read.
DataFileReport readMainDataBytes(UnitCatalogue& catalogue, const DataFileConfig& config, const QByteArray& bytes);
// Counts the units of slots 1..26: the rows up to the first without a name.
void countBuiltinUnits(UnitCatalogue& catalogue);

}  // namespace tolvarin
