#pragma once

#include <QString>

#include <vector>

// The program's help: its pages in the order of the contents, and where
// each help context number leads. The menus and the toolbar take their
// numbers from the command table; the windows give their controls the
// numbers below.

namespace tolvarin {

namespace helpcontext {
inline constexpr int kContents = 1;
inline constexpr int kMagnifier = 40;
inline constexpr int kPrefixView = 50;
inline constexpr int kFeedback = 80;
inline constexpr int kMainWindow = 1000;
inline constexpr int kConversionTable = 1010;
inline constexpr int kNumberSystems = 1020;
inline constexpr int kPrecision = 1030;
inline constexpr int kConstants = 1040;
inline constexpr int kInfoPanel = 1070;
inline constexpr int kPreview = 1100;
inline constexpr int kMenus = 1110;
inline constexpr int kCalculator = 1111;
inline constexpr int kCompactView = 1112;
inline constexpr int kOptions = 1120;
inline constexpr int kPrinting = 1130;
inline constexpr int kDataFileEditor = 1140;
inline constexpr int kNavigator = 1150;
inline constexpr int kKeyboard = 1160;
inline constexpr int kDataFiles = 1170;
inline constexpr int kCommandLine = 1180;
inline constexpr int kUsingHelp = 1190;
inline constexpr int kFraction = 1230;
inline constexpr int kLevels = 1290;
inline constexpr int kTopicNavigation = 1350;
inline constexpr int kUnitSearch = 1360;
inline constexpr int kRecording = 1370;
inline constexpr int kRomanNumerals = 1380;
inline constexpr int kAlwaysOnTop = 1420;
inline constexpr int kAbout = 1430;  // the About box
}  // namespace helpcontext

struct HelpPage {
    QString file;   // "tabulka.html"
    QString title;  // as the contents list shows it and the page's <title> reads
};

// Every page, in the order of the contents; the first is the contents page.
const std::vector<HelpPage>& helpPages();

struct HelpTarget {
    QString file;
    QString anchor;  // empty: the top of the page
};

// Where a help number leads; a number without a page of its own (0
// included) leads to the contents.
HelpTarget helpTarget(int context);

// Every number that has a page of its own.
std::vector<int> helpContexts();

}  // namespace tolvarin
