#pragma once

#include <QString>

namespace tolvarin::cli {

// The folder of the running executable, or "" when it cannot be told.
QString programFolder();

}  // namespace tolvarin::cli
