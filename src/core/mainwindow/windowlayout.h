#pragma once

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
constexpr int kMinVlevo = 550;
constexpr int kMinConversionWidth = 4000;
constexpr int kDefaultVlevo = 1700;
constexpr int kMagnifierHeight = 1200;
constexpr int kInfoPanelHeight = 855;
constexpr int kTitleHeight = 300;
constexpr int kSplitterWidth = 45;
constexpr int kMarkerSize = 180;
}  // namespace layout

// Converts between twips and pixels for a logical DPI (15 twips per pixel at 96).
int twipsToPixels(int twips, double dpi);
int pixelsToTwips(int pixels, double dpi);

// The window refuses to shrink below 7590 x 6255 twips.
int clampWindowWidth(int width);
int clampWindowHeight(int height);

// Doleva's limits: the navigator keeps at least 550, the conversion area at least 4000.
int clampVlevo(int vlevo, int windowWidth);

struct MainLayoutInput {
    int clientWidth = 0;   // the window's client area below the toolbar, above the status bar
    int clientHeight = 0;
    int vlevo = layout::kDefaultVlevo;  // left edge of the conversion area, already clamped
    bool magnifierOn = false;
    bool infoPanelOn = false;
};

struct MainLayout {
    bool magnifierVisible = false;
    TwipsRect magnifier;        // picLupa
    TwipsRect workingArea;      // picPlocha
    TwipsRect navigator;        // tabNavigator with the lists
    TwipsRect splitter;         // picTram
    TwipsRect title;            // lblTitulek
    TwipsRect conversionPanel;  // picPrevod
    TwipsRect infoPanel;        // txtInfo (only shown while on)
};

MainLayout computeMainLayout(const MainLayoutInput& input);

struct ConversionPanelLayout {
    TwipsRect grid;
    TwipsRect infoLine;  // lblSI, the short preview
    TwipsRect marker;    // picTop, "Další jednotky"
    int columnWidths[3] = {0, 0, 0};
};

// Inside the conversion panel: the grid, the information line under it and the
// grid's column widths (47 % name, 15 % symbol, the rest for the value less a
// vertical scroll bar).
ConversionPanelLayout computeConversionPanelLayout(int panelWidth, int panelHeight, int scrollBarWidth);

}  // namespace tolvarin
