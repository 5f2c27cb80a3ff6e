#pragma once

#include <QtGlobal>

namespace tolvarin {

// The desktop's colours that a stored colour may refer to; the window picks
// the colour of each from its palette.
enum class SystemColourRole {
    Window,  // a window's face (menus, the desktop's work area)
    WindowText,
    Base,  // the background of text fields and lists
    Text,
    Button,
    ButtonText,
    Light,
    Midlight,
    Dark,
    Shadow,
    Highlight,
    HighlightedText,
    DisabledText,
    ToolTipBase,
    ToolTipText,
};

// A colour in the store's 32-bit form: with the high bit set, the low byte is
// the index of a system colour; otherwise red, green and blue are its low
// three bytes, red lowest.
struct StoredColour {
    bool system = false;
    SystemColourRole role = SystemColourRole::Text;  // when system
    int red = 0;
    int green = 0;
    int blue = 0;
};

// An unknown system colour index gives the text colour.
StoredColour decodeStoredColour(qint32 stored);
// A colour the user picked, in the store's form.
qint32 encodeStoredColour(int red, int green, int blue);

}  // namespace tolvarin
