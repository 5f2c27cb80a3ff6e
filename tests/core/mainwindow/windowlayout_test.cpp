#include "mainwindow/windowlayout.h"

#include "support/testfiles.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

TEST(WindowLayout, NavigatorAndWindowSizes)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/sizes.txt"), 3, 14)) {
        const QStringList n = f[1].split(u' ', Qt::SkipEmptyParts);
        const int first = n.value(0).toInt();
        const int second = n.value(1).toInt();
        int kept = -1;
        if (f[0] == QStringLiteral("navigator"))
            kept =
                n.size() == 3 ? clampNavigatorWidth(first, second, n[2].toInt()) : clampNavigatorWidth(first, second);
        if (f[0] == QStringLiteral("window width")) kept = clampWindowWidth(first);
        if (f[0] == QStringLiteral("window height")) kept = clampWindowHeight(first);
        if (f[0] == QStringLiteral("pixels")) kept = twipsToPixels(first, second);
        if (f[0] == QStringLiteral("twips")) kept = pixelsToTwips(first, second);
        EXPECT_EQ(kept, f[2].toInt()) << test::rowName(f);
    }
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
    EXPECT_EQ(panel.marker.left,
              panel.grid.left + panel.grid.width - 255 - layout::kMarkerSize);  // beside the scroll bar
}

TEST(InfoLineText, LongTextsAreCutTwoCharactersAtATime)
{
    const auto width = [](const QString& s) { return int(s.size()); };  // one unit per character
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/infotexts.txt"), 3, 4))
        EXPECT_EQ(fitInfoText(f[0], f[1].toInt(), width), f[2]) << test::rowName(f);
}

// "left top width height"
TwipsRect rectOf(const QString& text)
{
    const QStringList n = text.split(u' ', Qt::SkipEmptyParts);
    return n.size() == 4 ? TwipsRect{n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()}
                         : TwipsRect{-1, -1, -1, -1};
}

TEST(WindowLayout, RestoredWindowFitsAScreenWithItsTitleBarOnIt)
{
    // A 1280 x 800 primary screen with a 1920 x 1080 one to its right, in twips.
    const TwipsRect screens[] = {{0, 0, 19200, 12000}, {19200, 0, 28800, 16200}};
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/screenplacements.txt"), 3, 12)) {
        EXPECT_EQ(placeOnScreens(rectOf(f[0]), screens), rectOf(f[1])) << test::rowName(f);
    }
    EXPECT_EQ(placeOnScreens({-5, -5, 9000, 7000}, {}), (TwipsRect{-5, -5, 9000, 7000})) << "no screen known";
}

}  // namespace
