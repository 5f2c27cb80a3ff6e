#include "settings/settingsrecord.h"

namespace tolvarin {

QString defaultDataFilePath(const QString& programFolder, const QString& fileName)
{
    QString folder = programFolder;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    if (folder == QLatin1String("/")) return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

QString ownBaseCaption(int base)
{
    return QStringLiteral("Vlast&ní (") + QString::number(base) + QLatin1Char(')');
}

QString fixedModeCaption(const QString& fixText)
{
    return QStringLiteral("Pevný počet (") + fixText.trimmed() + QLatin1Char(')');
}

}  // namespace tolvarin
