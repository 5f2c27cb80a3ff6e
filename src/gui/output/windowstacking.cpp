#include "output/windowstacking.h"

#include <QWidget>

namespace tolvarin {

// New window flags give the window a new native window, hidden. Qt keeps
// its place, size and state (maximized too) across that; putting a saved
// geometry back would undo a maximized window's size. So it is only shown
// again.
void setStaysOnTop(QWidget& window, bool onTop)
{
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    const bool shown = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (shown) window.show();
}

}  // namespace tolvarin
