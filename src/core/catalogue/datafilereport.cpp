#include "catalogue/datafilereport.h"

#include "common/apptitle.h"

namespace tolvarin {

QString reportMessageTitle(ReportSeverity severity)
{
    if (severity == ReportSeverity::Fatal) return appTitle() + QStringLiteral(" [Sub Texty]");
    return appTitle();
}

}  // namespace tolvarin
