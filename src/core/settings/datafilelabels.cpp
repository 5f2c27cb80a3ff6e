#include "settings/datafilelabels.h"

#include <QFileInfo>

namespace tolvarin {

QString dataFileSizeText(qint64 bytes, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString kilobytes = plain.toString(double(bytes) / 1024.0, 'f', 2);
    while (kilobytes.endsWith(QLatin1Char('0'))) kilobytes.chop(1);  // the separator itself stays
    return QStringLiteral("%1 kB (%2 bajtů)").arg(kilobytes, QString::number(bytes));
}

QString dataFileTimeText(const QDateTime& modified)
{
    return modified.toString(QStringLiteral("dd.MM.yyyy, HH:mm:ss"));
}

DataFileLabels dataFileLabels(const QString& path, const QLocale& locale)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile()) return {};
    return {dataFileSizeText(file.size(), locale), dataFileTimeText(file.lastModified())};
}

}  // namespace tolvarin
