#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/datafilereport.h"
#include "catalogue/unitcatalogue.h"

namespace tolvarin {

// Clears every name and count, reads the main data file into the catalogue
// and counts the units of slots 1..26. Only the units that the config's level
// shows are loaded, each with its own level. Bad lines are reported and
// skipped; a missing file, a type error or any other error ends the reading
// with a fatal message and leaves every built-in topic without units.
DataFileReport readMainDataFile(UnitCatalogue& catalogue, const DataFileConfig& config);
// The same for the file's bytes, already read.
DataFileReport readMainDataBytes(UnitCatalogue& catalogue, const DataFileConfig& config, const QByteArray& bytes);

}  // namespace tolvarin
