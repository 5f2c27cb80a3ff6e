#include "settings/storedcolour.h"

#include <array>

namespace tolvarin {

namespace {

using R = SystemColourRole;

// By system colour index: scroll bar, desktop, active and inactive caption,
// menu, window, window frame, menu text, window text, caption text, active
// and inactive border, work area, highlight, highlighted text, button face,
// button shadow, grey text, button text, inactive caption text, button
// highlight, dark shadow, light, tooltip text and tooltip background.
// The highlighted text (14, the entered value's default) is meant for text on
// the highlight; on the grid's light cells it would vanish, so it takes the
// highlight's own colour.
constexpr std::array<R, 25> kSystemRoles = {
    R::Button,    R::Dark,      R::Highlight, R::Button,      R::Window,     R::Base,       R::Shadow,
    R::WindowText, R::Text,     R::HighlightedText, R::Button, R::Button,    R::Dark,       R::Highlight,
    R::Highlight, R::Button,    R::Dark,      R::DisabledText, R::ButtonText, R::WindowText, R::Light,
    R::Shadow,    R::Midlight,  R::ToolTipText, R::ToolTipBase,
};

}  // namespace

StoredColour decodeStoredColour(qint32 stored)
{
    const auto bits = quint32(stored);
    StoredColour colour;
    if (bits & 0x80000000u) {
        colour.system = true;
        const quint32 index = bits & 0xFFu;
        colour.role = index < kSystemRoles.size() ? kSystemRoles[index] : R::Text;
        return colour;
    }
    colour.red = int(bits & 0xFFu);
    colour.green = int((bits >> 8) & 0xFFu);
    colour.blue = int((bits >> 16) & 0xFFu);
    return colour;
}

qint32 encodeStoredColour(int red, int green, int blue)
{
    return qint32(quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16);
}

}  // namespace tolvarin
