#include "mainwindow/reportmessages.h"

namespace tolvarin {

void showReport(const DataFileReport& report, MessageSink& messages)
{
    for (const ReportMessage& message : report.messages) {
        const MessageIcon icon =
            message.severity == ReportSeverity::Warning ? MessageIcon::Exclamation : MessageIcon::Critical;
        messages.show(icon, reportMessageTitle(message.severity), message.text);
    }
}

}  // namespace tolvarin
