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
// The file was saved as UTF-16 or UTF-32 (encoding names which).
QString unreadableEncoding(const QString& fileName, const QString& encoding);
// The file is larger than any data file can be.
QString fileTooLarge(const QString& fileName);
// A name, symbol or text on the line held control characters, now U+FFFD.
QString controlCharacters(const QString& fileName, int line);
// "… a dalších 12 chybných řádků": the bad lines that got no message of their own.
QString moreBadLines(const QString& fileName, int count);

}  // namespace readermessages
}  // namespace tolvarin
