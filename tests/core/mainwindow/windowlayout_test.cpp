#include "mainwindow/windowlayout.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tolvarin;

namespace {

TEST(WindowLayout, NavigatorWidthKeepsTheNavigatorAndTheConversionArea)
{
    struct Case {
        int width;
        int windowWidth;
        int expected;
    };
    const Case cases[] = {{100, 7590, 550},   {550, 7590, 550},   {1700, 7590, 1700},
                          {4000, 7590, 3590}, {3590, 7590, 3590}, {9000, 12000, 8000}};
    for (const Case& c : cases) EXPECT_EQ(clampNavigatorWidth(c.width, c.windowWidth), c.expected) << c.width;
    // A larger least width for the navigator's tabs and list; the conversion area still comes first.
    EXPECT_EQ(clampNavigatorWidth(900, 7590, 1800), 1800);
    EXPECT_EQ(clampNavigatorWidth(900, 5000, 1800), 1000);
}

TEST(WindowLayout, WindowDoesNotShrinkBelowItsMinimum)
{
    EXPECT_EQ(clampWindowWidth(5000), 7590);
    EXPECT_EQ(clampWindowHeight(100), 6255);
    EXPECT_EQ(clampWindowWidth(9000), 9000);
    EXPECT_EQ(twipsToPixels(7590, 96), 506);
    EXPECT_EQ(pixelsToTwips(506, 96), 7590);
    EXPECT_EQ(twipsToPixels(1440, 144), 144);
}

TEST(WindowLayout, MagnifierAndInformationPanelMoveTheRestDown)
{
    MainLayoutInput input{10000, 7000, 2000, false, false};
    const MainLayout plain = computeMainLayout(input);
    EXPECT_EQ(plain.workingArea, (TwipsRect{0, 0, 10000, 7000}));
    EXPECT_EQ(plain.conversionPanel, (TwipsRect{2000, 300, 8000, 7000 - 385}));
    EXPECT_EQ(plain.title, (TwipsRect{2000, 0, 8000, 300}));
    EXPECT_EQ(plain.splitter.left, 2000 - layout::kSplitterWidth);

    input.magnifierOn = true;
    const MainLayout magnified = computeMainLayout(input);
    EXPECT_EQ(magnified.workingArea, (TwipsRect{0, 1200, 10000, 5800}));
    EXPECT_EQ(magnified.conversionPanel.top, 1500);
    EXPECT_EQ(magnified.conversionPanel.height, 5800 - 385);

    input.magnifierOn = false;
    EXPECT_EQ(computeMainLayout(input).workingArea, plain.workingArea);  // off again: back where it was

    input.infoPanelOn = true;
    const MainLayout info = computeMainLayout(input);
    EXPECT_EQ(info.conversionPanel.height, plain.conversionPanel.height - layout::kInfoPanelHeight - 100);
    EXPECT_EQ(info.infoPanel, (TwipsRect{2000, 7000 - 855 - 50, 8000, 855}));
}

TEST(WindowLayout, GridColumnsShareTheWidth)
{
    const ConversionPanelLayout panel = computeConversionPanelLayout(8000, 5000, 255);
    EXPECT_EQ(panel.grid.width, 7780);
    EXPECT_EQ(panel.grid.height, 4680);
    EXPECT_EQ(panel.columnWidths[0], 3562);  // 47 % of 7580
    EXPECT_EQ(panel.columnWidths[1], 1137);  // 15 % of 7580
    EXPECT_EQ(panel.columnWidths[2], 7780 - 3562 - 1137 - 255);
    EXPECT_EQ(panel.marker.left, panel.grid.left + panel.grid.width - 255 - layout::kMarkerSize);  // beside the scroll bar
}

TEST(InfoLineText, LongTextsAreCutTwoCharactersAtATime)
{
    const auto width = [](const QString& s) { return int(s.size()); };  // one unit per character
    struct Case {
        const char* text;
        int maxWidth;
        const char* shown;
    };
    const Case cases[] = {
        {" km: 5,00 km = 5 000,00 m ", 40, " km: 5,00 km = 5 000,00 m "},
        {"abcdefghij", 6, "abcdef…"},
        {"abcd  efghij", 7, "abcd…"},  // the cut also drops the blanks it leaves at the end
        {"abcdefghij", 0, "…"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitInfoText(QString::fromUtf8(c.text), c.maxWidth, width), QString::fromUtf8(c.shown)) << c.text;
}

// A 1280 x 800 primary screen with a 1920 x 1080 one to its right, in twips.
const TwipsRect kScreens[] = {{0, 0, 19200, 12000}, {19200, 0, 28800, 16200}};

TEST(WindowLayout, RestoredWindowFitsAScreenWithItsTitleBarOnIt)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const struct {
        TwipsRect stored;
        TwipsRect placed;
        const char* why;
    } cases[] = {
        {{1200, 900, 9000, 7000}, {1200, 900, 9000, 7000}, "on the primary screen: as it was"},
        {{21000, 600, 9000, 7000}, {21000, 600, 9000, 7000}, "on the second screen: as it was"},
        {{15000, 600, 9000, 7000}, {15000, 600, 9000, 7000}, "its title bar across both screens"},
        {{100, 100, 2000000, 2000000}, {0, 0, 19200, 12000 - 450}, "larger than the screen"},
        {{-100000, -100000, 9000, 7000}, {0, 0, 9000, 7000}, "wholly off the screens"},
        {{47500, 900, 7590, 6285}, {48000 - 7590, 900, 7590, 6285}, "500 twips of its title bar show"},
        {{1200, -300, 9000, 7000}, {1200, 0, 9000, 7000}, "title bar above the screen"},
        {{1200, 11700, 9000, 7000}, {1200, 12000 - 450 - 7000, 9000, 7000}, "title bar below the screen"},
        {{200000, 50000, 9000, 7000}, {48000 - 9000, 16200 - 450 - 7000, 9000, 7000}, "nearest: the second screen"},
        {{kMin, kMin, kMax, kMax}, {0, 0, 19200, 12000 - 450}, "no length overflows"},
        {{kMax, kMax, kMin, kMin}, {48000 - 7590, 16200 - 450 - 6255, 7590, 6255}, "no length overflows"},
        {{100, 100, 10, 10}, {100, 100, 7590, 6255}, "never below the window's minimum"},
    };
    for (const auto& c : cases) EXPECT_EQ(placeOnScreens(c.stored, kScreens), c.placed) << c.why;
    EXPECT_EQ(placeOnScreens({-5, -5, 9000, 7000}, {}), (TwipsRect{-5, -5, 9000, 7000})) << "no screen known";
}

}  // namespace
