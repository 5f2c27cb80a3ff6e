#pragma once

#include <QString>

namespace tolvarin {

// The folders a data file is looked for in, first to last: the user's own
// data folder (where an edited copy of an installed file is kept), the
// installed data folder (share/tolvarin) and the program's own folder (the
// build folder). An empty folder is skipped.
struct DataFolders {
    QString user;
    QString installed;
    QString program;
};

// The user's data folder: ~/.local/share/tolvarin on Linux. The same for the
// window and the terminal program, which runs without an application object.
QString userDataFolder();
// The folder the installation puts the shipped data files in.
QString installedDataFolder();
DataFolders standardDataFolders(const QString& programFolder);

// The first folder that holds the file as a regular file, or "" when none
// does.
QString locateDataFile(const QString& fileName, const DataFolders& folders);

// Where an edited copy of a data file goes when its own folder cannot be
// written: the user's data folder, with the same file name.
QString editedCopyPath(const QString& fileName, const DataFolders& folders);

}  // namespace tolvarin
