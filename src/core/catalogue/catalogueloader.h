#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/datafilereport.h"
#include "catalogue/unitcatalogue.h"

#include <QList>
#include <QString>

namespace tolvarin {

// Rebuilds the catalogue from both data files: clears the marking state of
// the built-in topics (user topics keep theirs), then reads the main and the
// user file. The window refills its unit list, counters and grid afterwards.
// The report holds the messages of both files; it is read to its end when
// both files are.
DataFileReport reloadCatalogue(UnitCatalogue& catalogue, const DataFileConfig& config);

// One entry of the navigator's alphabetical unit list.
struct UnitListEntry {
    QString text;     // the unit's name
    QString iconKey;  // the topic key, "User" for user topics
    QString tag;      // "slot-row"
};

// The units of every built-in topic in slot order, then those of every user
// topic in use, each topic's units in row order; empty names are left out.
QList<UnitListEntry> unitListEntries(const UnitCatalogue& catalogue);

// "Témat: 26+2" and "Jednotek v aplikaci: 1000" for the status bar.
QString topicCounterText(const UnitCatalogue& catalogue);
QString unitCounterText(const UnitCatalogue& catalogue);

}  // namespace tolvarin
