#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/unitcatalogue.h"
#include "common/messagesink.h"

namespace tolvarin {

// TextyUser: appends every record of the user data file to its user topic
// (slot 26 + n) and marks the topic as used. The counts of the user slots must
// be zero before it runs. A structural error (unknown topic number, a full
// topic, a first record without a coefficient, an unreadable file) is
// reported and ends the reading; what was read so far stays.
// Returns whether the whole file was read.
bool TextyUser(UnitCatalogue& catalogue, const DataFileConfig& config, MessageSink& messages);

}  // namespace tolvarin
