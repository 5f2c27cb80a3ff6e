#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/datafilereport.h"
#include "catalogue/unitcatalogue.h"

namespace tolvarin {

// Appends every record of the user data file to its user topic (slot 26 + n)
// and marks the topic as used. The counts of the user slots must be zero
// before it runs. A structural error (unknown topic number, a full topic, a
// first record without a coefficient, an unreadable file) ends the reading
// with a fatal message; what was read so far stays. No user file (an empty
// path) is a clean report.
DataFileReport readUserDataFile(UnitCatalogue& catalogue, const DataFileConfig& config);

}  // namespace tolvarin
