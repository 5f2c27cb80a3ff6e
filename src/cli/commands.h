#pragma once

#include "cliarguments.h"
#include "session.h"

namespace tolvarin::cli {

// Each command writes its output and its reports through the session and
// returns the exit status.

// VALUE UNIT [TARGET]: one value, or the whole topic as a table.
int runConvert(Session& session);

// list: the topics; list TOPIC: the units of one topic.
int runList(Session& session);

// info UNIT: the unit's information text.
int runInfo(Session& session);

// search TEXT: the exact and the similar pass of the unit search.
int runSearch(Session& session);

// as KIND VALUE: a representation; needs no data files.
int runRepresent(const Options& options, CliOutput& output);

}  // namespace tolvarin::cli
