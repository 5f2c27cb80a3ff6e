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

namespace {

using Length = long long;  // sums of stored lengths may leave the int range

Length right(const TwipsRect& r) { return Length(r.left) + r.width; }
Length bottom(const TwipsRect& r) { return Length(r.top) + r.height; }

bool titleBarOn(const TwipsRect& screen, const TwipsRect& window)
{
    const Length shown = std::min(right(window), right(screen)) - std::max(window.left, screen.left);
    return window.top >= screen.top && Length(window.top) + kTitleBarHeight <= bottom(screen) &&
           shown >= std::min(kMinVisibleTitleWidth, window.width);
}

// How far the middle of the title bar lies from a screen, squared.
double distanceToTitleBar(const TwipsRect& screen, const TwipsRect& window)
{
    const double x = double(window.left) + window.width / 2.0;
    const double y = double(window.top);
    const double dx = std::max({double(screen.left) - x, 0.0, x - double(right(screen))});
    const double dy = std::max({double(screen.top) - y, 0.0, y - double(bottom(screen))});
    return dx * dx + dy * dy;
}

}  // namespace

TwipsRect placeOnScreens(TwipsRect window, std::span<const TwipsRect> screens)
{
    window.width = clampWindowWidth(window.width);
    window.height = clampWindowHeight(window.height);
    if (screens.empty()) return window;
    auto screen = std::find_if(screens.begin(), screens.end(),
                               [&](const TwipsRect& s) { return titleBarOn(s, window); });
    if (screen == screens.end()) {
        screen = std::min_element(screens.begin(), screens.end(), [&](const TwipsRect& a, const TwipsRect& b) {
            return distanceToTitleBar(a, window) < distanceToTitleBar(b, window);
        });
    }
    const TwipsRect& s = *screen;
    const TwipsRect stored = window;
    window.width = std::min(window.width, s.width);
    window.height = std::min(window.height, std::max(0, s.height - kTitleBarHeight));
    if (!titleBarOn(s, window) || !(window == stored)) {
        window.left = int(std::clamp(Length(window.left), Length(s.left), std::max(Length(s.left), right(s) - window.width)));
        window.top = int(std::clamp(Length(window.top), Length(s.top),
                                    std::max(Length(s.top), bottom(s) - kTitleBarHeight - window.height)));
    }
    return window;
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
