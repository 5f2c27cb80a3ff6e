#pragma once

#include <QString>

#include <functional>
#include <span>

namespace tolvarin {

// The main window is laid out by arithmetic in twips (1/1440 inch), not by a
// layout manager; these pure functions hold that arithmetic. The window turns
// twips into pixels with the screen's logical DPI.

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsRect&) const = default;
};

namespace layout {
constexpr int kMinWindowWidth = 7590;
constexpr int kMinWindowHeight = 6255;
constexpr int kDefaultWindowHeight = 6285;
constexpr int kMinNavigatorWidth = 550;
constexpr int kMinConversionWidth = 4000;
constexpr int kDefaultNavigatorWidth = 1700;
constexpr int kMagnifierHeight = 1200;
constexpr int kInfoPanelHeight = 855;
constexpr int kTitleHeight = 300;
constexpr int kSplitterWidth = 90;  // 6 pixels at 96 dpi: a handle a user can see and grab
constexpr int kMarkerSize = 180;
// A window manager's title bar, generously, and how much of its width must
// show on a screen for the user to take hold of it.
constexpr int kTitleBarHeight = 450;
constexpr int kMinVisibleTitleWidth = 1500;
}  // namespace layout

// Converts between twips and pixels for a logical DPI (15 twips per pixel at 96).
int twipsToPixels(int twips, double dpi);
int pixelsToTwips(int pixels, double dpi);

// The window refuses to shrink below 7590 x 6255 twips.
int clampWindowWidth(int width);
int clampWindowHeight(int height);

// Where a restored window goes: window is the stored placement (left and top
// of the frame, width and height of the window itself), screens the screens'
// available areas, the primary one first. A window that fits the screen its
// title bar lies on (at least 1500 twips of the bar) stays where it is, even
// reaching onto a second screen. Any other window is made no larger than its
// screen (the one nearest to its title bar when it lies on none) and moved
// wholly onto it. The size is never below the window's minimum. Lengths of
// any size, as stored settings may hold, are safe.
TwipsRect placeOnScreens(TwipsRect window, std::span<const TwipsRect> screens);

// The navigator's width (with the splitter: the left edge of the conversion
// area) keeps the navigator at least minWidth (550 or what its tabs and a
// usable list need) and the conversion area 4000; the conversion area wins.
int clampNavigatorWidth(int width, int windowWidth, int minWidth = layout::kMinNavigatorWidth);

struct MainLayoutInput {
    int clientWidth = 0;   // the window's client area below the toolbar, above the status bar
    int clientHeight = 0;
    int navigatorWidth = layout::kDefaultNavigatorWidth;  // already clamped
    bool magnifierOn = false;
    bool infoPanelOn = false;
};

struct MainLayout {
    bool magnifierVisible = false;
    TwipsRect magnifier;        // the magnifier strip
    TwipsRect workingArea;      // the client area under the magnifier
    TwipsRect navigator;        // the navigator with its lists
    TwipsRect splitter;         // the bar between navigator and conversion area
    TwipsRect title;            // the title line
    TwipsRect conversionPanel;  // the grid with its information line
    TwipsRect infoPanel;        // the information panel (only shown while on)
};

MainLayout computeMainLayout(const MainLayoutInput& input);

struct ConversionPanelLayout {
    TwipsRect grid;
    TwipsRect infoLine;  // the short preview
    TwipsRect marker;    // "Další jednotky"
    int columnWidths[3] = {0, 0, 0};
};

// Inside the conversion panel: the grid, the information line under it and the
// grid's column widths (47 % name, 15 % symbol, the rest for the value less a
// vertical scroll bar). The marker "Další jednotky" stands at the grid's top
// right corner, beside the scroll bar rather than over its arrow.
ConversionPanelLayout computeConversionPanelLayout(int panelWidth, int panelHeight, int scrollBarWidth);

// The cut of the information line: while the text is wider than maxWidth it
// loses its last two characters and surrounding blanks; a cut text ends in "…".
QString fitInfoText(const QString& text, int maxWidth, const std::function<int(const QString&)>& widthOf);

}  // namespace tolvarin
