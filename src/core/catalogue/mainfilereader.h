#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/unitcatalogue.h"
#include "common/messagesink.h"

namespace tolvarin {

// Texty: clears every name and count, reads the main data file into the
// catalogue and counts the units of slots 1..26. Bad lines are reported and
// skipped; a missing file, a type error or any other error ends the load with
// a message and leaves every built-in topic without units.
// Returns whether the whole file was read.
bool Texty(UnitCatalogue& catalogue, const DataFileConfig& config, MessageSink& messages);

// Whether a record whose name starts with the given character is loaded at
// this level (the marker is then dropped from the name).
bool levelAccepts(UnitLevel level, QChar firstCharacter);

}  // namespace tolvarin
