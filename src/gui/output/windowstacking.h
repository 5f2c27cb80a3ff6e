#pragma once

class QWidget;

namespace tolvarin {

// "Vždy navrchu": keeps a top-level window above all others, or lets it go
// back among them, where it stands and as large as it is. A window not yet
// on screen only takes the wish along for its first showing.
void setStaysOnTop(QWidget& window, bool onTop);

}  // namespace tolvarin
