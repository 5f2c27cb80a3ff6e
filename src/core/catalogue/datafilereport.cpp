#include "catalogue/datafilereport.h"

#include "catalogue/readermessages.h"
#include "common/apptitle.h"

#include <algorithm>

namespace tolvarin {

bool FileReportWriter::counted(ReportSeverity severity, int line)
{
    // A line may get more than one message; the lines are what is counted.
    if (line == lastListedLine_ || listedLines_ < kListedBadLines) {
        if (line != lastListedLine_) ++listedLines_;
        lastListedLine_ = line;
        return false;
    }
    if (line != lastUnlistedLine_) ++unlistedLines_;
    if (firstUnlistedLine_ == 0) firstUnlistedLine_ = line;
    lastUnlistedLine_ = line;
    unlistedSeverity_ = std::max(unlistedSeverity_, severity);
    return true;
}

void FileReportWriter::addFileMessage(ReportSeverity severity, int line, const QString& text)
{
    if (severity == ReportSeverity::Fatal) finish();
    report_.add(severity, fileName_, line, text);
}

void FileReportWriter::finish()
{
    if (unlistedLines_ == 0) return;
    report_.add(unlistedSeverity_, fileName_, firstUnlistedLine_,
                readermessages::moreBadLines(fileName_, unlistedLines_));
    unlistedLines_ = 0;
    firstUnlistedLine_ = 0;
}

QString reportMessageTitle(ReportSeverity severity)
{
    if (severity == ReportSeverity::Fatal) return appTitle() + QStringLiteral(" [Sub Texty]");
    return appTitle();
}

}  // namespace tolvarin
