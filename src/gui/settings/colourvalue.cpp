#include "settings/colourvalue.h"

#include "settings/storedcolour.h"

namespace tolvarin {

namespace {

QColor systemColour(SystemColourRole role, const QPalette& palette)
{
    switch (role) {
        case SystemColourRole::Window: return palette.color(QPalette::Window);
        case SystemColourRole::WindowText: return palette.color(QPalette::WindowText);
        case SystemColourRole::Base: return palette.color(QPalette::Base);
        case SystemColourRole::Text: return palette.color(QPalette::Text);
        case SystemColourRole::Button: return palette.color(QPalette::Button);
        case SystemColourRole::ButtonText: return palette.color(QPalette::ButtonText);
        case SystemColourRole::Light: return palette.color(QPalette::Light);
        case SystemColourRole::Midlight: return palette.color(QPalette::Midlight);
        case SystemColourRole::Dark: return palette.color(QPalette::Dark);
        case SystemColourRole::Shadow: return palette.color(QPalette::Shadow);
        case SystemColourRole::Highlight: return palette.color(QPalette::Highlight);
        case SystemColourRole::HighlightedText: return palette.color(QPalette::HighlightedText);
        case SystemColourRole::DisabledText: return palette.color(QPalette::Disabled, QPalette::Text);
        case SystemColourRole::ToolTipBase: return palette.color(QPalette::ToolTipBase);
        case SystemColourRole::ToolTipText: return palette.color(QPalette::ToolTipText);
    }
    return palette.color(QPalette::Text);
}

}  // namespace

QColor colourFromStored(qint32 stored, const QPalette& palette)
{
    const StoredColour colour = decodeStoredColour(stored);
    if (colour.system) return systemColour(colour.role, palette);
    return QColor(colour.red, colour.green, colour.blue);
}

qint32 storedFromColour(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return encodeStoredColour(rgb.red(), rgb.green(), rgb.blue());
}

}  // namespace tolvarin
