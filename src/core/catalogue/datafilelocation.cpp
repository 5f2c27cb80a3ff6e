#include "catalogue/datafilelocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tolvarin {

QString userDataFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("tolvarin"));
}

QString installedDataFolder() { return QStringLiteral(TOLVARIN_INSTALLED_DATA_DIR); }

DataFolders standardDataFolders(const QString& programFolder)
{
    return {userDataFolder(), installedDataFolder(), programFolder};
}

QString locateDataFile(const QString& fileName, const DataFolders& folders)
{
    for (const QString& folder : {folders.user, folders.installed, folders.program}) {
        if (folder.isEmpty()) continue;
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo(path).isFile()) return path;
    }
    return QString();
}

QString editedCopyPath(const QString& fileName, const DataFolders& folders)
{
    return folders.user.isEmpty() ? QString() : QDir(folders.user).filePath(fileName);
}

}  // namespace tolvarin
