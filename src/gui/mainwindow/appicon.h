#pragma once

#include <QIcon>

namespace tolvarin {

// The program's own icon, for the windows, the application and the splash.
QIcon programIcon();

}  // namespace tolvarin
