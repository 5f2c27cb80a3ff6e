#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QtGlobal>

namespace tolvarin {

// "12,34 kB (12634 bajtů)": the size of a data file in kilobytes with at most
// two decimals (the decimal separator is written even when no decimal
// follows: "1, kB (1024 bajtů)") and in bytes, without group separators.
QString dataFileSizeText(qint64 bytes, const QLocale& locale);

// "05.03.2024, 14:07:09": day, month, four-digit year, 24-hour time.
QString dataFileTimeText(const QDateTime& modified);

// The size and modification labels of a data file; both empty when the file
// does not exist (or is not a file).
struct DataFileLabels {
    QString size;
    QString modified;
};
DataFileLabels dataFileLabels(const QString& path, const QLocale& locale);

}  // namespace tolvarin
