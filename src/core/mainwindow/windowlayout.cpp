#include "mainwindow/windowlayout.h"

#include <algorithm>
#include <cmath>

namespace tolvarin {

using namespace layout;

int twipsToPixels(int twips, double dpi) { return int(std::lround(twips * dpi / 1440.0)); }
int pixelsToTwips(int pixels, double dpi) { return int(std::lround(pixels * 1440.0 / dpi)); }

int clampWindowWidth(int width) { return std::max(width, kMinWindowWidth); }
int clampWindowHeight(int height) { return std::max(height, kMinWindowHeight); }

int clampNavigatorWidth(int width, int windowWidth, int minWidth)
{
    minWidth = std::max(minWidth, kMinNavigatorWidth);
    if (width < minWidth) width = minWidth;
    if (windowWidth - width < kMinConversionWidth) width = windowWidth - kMinConversionWidth;
    return std::max(width, kMinNavigatorWidth);
}

MainLayout computeMainLayout(const MainLayoutInput& in)
{
    MainLayout out;
    out.magnifierVisible = in.magnifierOn;
    const int top = in.magnifierOn ? kMagnifierHeight : 0;
    out.magnifier = {0, 0, in.clientWidth, kMagnifierHeight};
    out.workingArea = {0, top, in.clientWidth, std::max(0, in.clientHeight - top)};

    const int w = out.workingArea.width;
    const int h = out.workingArea.height;
    const int rightWidth = std::max(0, w - in.navigatorWidth);
    out.navigator = {0, top, std::max(0, in.navigatorWidth - kSplitterWidth), std::max(0, h - 15)};
    out.splitter = {in.navigatorWidth - kSplitterWidth, top, kSplitterWidth, h};
    out.title = {in.navigatorWidth, top, rightWidth, kTitleHeight};

    int panelHeight = h - 385;
    if (in.infoPanelOn) panelHeight -= kInfoPanelHeight + 100;
    out.conversionPanel = {in.navigatorWidth, top + kTitleHeight, rightWidth, std::max(0, panelHeight)};
    out.infoPanel = {in.navigatorWidth, top + h - kInfoPanelHeight - 50, rightWidth, kInfoPanelHeight};
    return out;
}

ConversionPanelLayout computeConversionPanelLayout(int panelWidth, int panelHeight, int scrollBarWidth)
{
    ConversionPanelLayout out;
    const int gridWidth = std::max(0, panelWidth - 220);
    const int gridHeight = std::max(0, panelHeight - 320);
    out.grid = {110, 0, gridWidth, gridHeight};
    out.infoLine = {110, gridHeight + 40, gridWidth, 260};
    out.marker = {out.grid.left + gridWidth - scrollBarWidth - kMarkerSize, 0, kMarkerSize, kMarkerSize};

    const int base = std::max(0, gridWidth - 200);
    out.columnWidths[0] = int(base * 0.47);
    out.columnWidths[1] = int(base * 0.15);
    out.columnWidths[2] = std::max(0, gridWidth - out.columnWidths[0] - out.columnWidths[1] - scrollBarWidth);
    return out;
}

QString fitInfoText(const QString& text, int maxWidth, const std::function<int(const QString&)>& widthOf)
{
    QString caption = text;
    bool cut = false;
    while (!caption.isEmpty() && widthOf(caption) > maxWidth) {
        caption = caption.left(caption.size() - 2).trimmed();
        cut = true;
    }
    return cut ? caption + QStringLiteral("…") : caption;
}

}  // namespace tolvarin
