#pragma once

#include "catalogue/datafilereport.h"
#include "common/messagesink.h"

namespace tolvarin {

// Shows each message of a data file report in its own message box: bad lines
// with the exclamation icon, dropped records and ended readings with the
// critical one.
void showReport(const DataFileReport& report, MessageSink& messages);

}  // namespace tolvarin
