#pragma once

#include "common/runtimeerror.h"

#include <QString>

namespace tolvarin {

// The texts of the data file readers' messages. fileName is the file's name
// as the settings give it (not its full path).
namespace readermessages {

QString badValue(int line, const QString& fileName, const QString& value);        // field 1 is no number
QString commaInNumber(int line, const QString& fileName, const QString& value);   // "," in a coefficient
QString tooManyRecords(int topic, const QString& title, const QString& fileName);  // section over 150 rows
QString fileMissing(const QString& fileName);
QString typeError(const QString& fileName);
QString loadError(ErrorCode error);
QString userFileError(ErrorCode error, const QString& fileName, int line);
// A file read as UTF-8 holds bytes that are not UTF-8, first on that line.
QString invalidUtf8(const QString& fileName, int line);

}  // namespace readermessages
}  // namespace tolvarin
