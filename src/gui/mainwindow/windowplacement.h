#pragma once

#include "settings/windowsettings.h"

#include <QWidget>

namespace tolvarin {

// Gives the window the stored placement's size and position, kept on the
// screens that are there now (placeOnScreens).
void placeWindow(QWidget& window, const WindowPlacement& placement);

}  // namespace tolvarin
