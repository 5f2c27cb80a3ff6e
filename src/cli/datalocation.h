#pragma once

#include <QString>

namespace tolvarin::cli {

// The folder of the running executable, or "" when it cannot be told.
QString programFolder();

// Where a data file is looked for when the command line names none: next to
// the program (as in the build folder), then in the installed data folder.
// Returns the first path that exists, or "" when neither does.
QString defaultDataFile(const QString& fileName, const QString& programFolder, const QString& installedFolder);

// The data folder that the installation puts the shipped files in.
QString installedDataFolder();

}  // namespace tolvarin::cli
