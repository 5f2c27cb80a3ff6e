#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/datafilereport.h"
#include "catalogue/unitcatalogue.h"

namespace tolvarin {

// Appends every record of the user data file to its user topic (slot 26 + n,
// n from 1 to 20) and marks the topic as used. The counts of the user slots
// must be zero before it runs. A bad line (an unknown topic number, a full
// topic, a coefficient that is missing, zero or beyond the double range) is
// reported with its line and left out; the reading goes on. A missing or
// unreadable file ends it with a fatal message. No user file (an empty path)
// is a clean report.
DataFileReport readUserDataFile(UnitCatalogue& catalogue, const DataFileConfig& config);
// The same for the file's bytes, already read.
DataFileReport readUserDataBytes(UnitCatalogue& catalogue, const DataFileConfig& config, const QByteArray& bytes);

}  // namespace tolvarin
