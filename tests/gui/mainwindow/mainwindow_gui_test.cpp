// The main window driven as a user drives it: menus, keys and clicks on an
// offscreen window over small data files.
#include "conversion/conversionview.h"
#include "mainwindow/conversionpanel.h"
#include "mainwindow/sidepanels.h"
#include "support/windowfixture.h"

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

TEST_F(MainWindowTest, ConvertsKilometresIntoEveryRow)
{
    EXPECT_EQ(window->titleLine()->text(), u(" Vítejte v programu Tolvarin!"));
    topic(1)->trigger();
    EXPECT_EQ(window->titleLine()->text(), u(" Délka"));
    EXPECT_EQ(info(), u(" Jednotek k převodu: 6 "));
    EXPECT_EQ(panel(StatusPanel::TopicUnits), u("V tématu: 1/6"));
    typeInto(1, QStringLiteral("5"));
    EXPECT_FALSE(grid()->isEditing());
    const QStringList expected = {u("5000"), u("5"), u("500000"), u("196850,4"), u("16404,2"), u("6430,868")};
    EXPECT_EQ(grid()->valueColumn(), expected);
    EXPECT_EQ(info(), u(" km: 5,00 km = 5 000,00 m "));
    EXPECT_EQ(window->conversionCount(), 1);
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(MainWindowTest, KeysJumpEditDiscardAndMove)
{
    topic(1)->trigger();
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_K);  // a unit begins with "k": the cursor jumps
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_FALSE(grid()->isEditing());
    QTest::keyClick(grid(), Qt::Key_5);  // nothing begins with "5": an edit starts
    ASSERT_TRUE(grid()->isEditing());
    EXPECT_EQ(grid()->editor()->text(), u("5"));
    QTest::keyClick(grid()->editor(), Qt::Key_Escape);
    EXPECT_FALSE(grid()->isEditing());
    EXPECT_EQ(grid()->valueText(1), QString());
    EXPECT_EQ(window->conversionCount(), 0);

    QTest::keyClick(grid(), Qt::Key_2);
    QTest::keyClick(grid()->editor(), Qt::Key_Down);  // commits, then moves down
    EXPECT_EQ(grid()->valueText(0), u("2000"));
    EXPECT_EQ(grid()->currentRow(), 2);
    QTest::keyClick(grid(), Qt::Key_Return);  // opens the edit with the cell's text
    ASSERT_TRUE(grid()->isEditing());
    EXPECT_EQ(grid()->editor()->text(), u("200000"));
    QTest::keyClick(grid()->editor(), Qt::Key_Up);
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(window->conversionCount(), 2);
}

TEST_F(MainWindowTest, RefusedEntryRestoresTheCell)
{
    topic(1)->trigger();
    typeInto(1, QStringLiteral("5"));
    typeInto(2, QStringLiteral("abc"));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, u("Chyba 13: Neshoda typů\r\n\r\nNevhodná hodnota 'abc'.\r\n"));
    EXPECT_EQ(grid()->valueText(2), u("500000"));
    EXPECT_EQ(window->conversionCount(), 1);
}

TEST_F(MainWindowTest, PrecisionShortcutsRewriteTheColumn)
{
    topic(1)->trigger();
    typeInto(0, QStringLiteral("1"));
    EXPECT_EQ(grid()->valueText(3), u("39,37008"));
    QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(panel(StatusPanel::Precision), u("D"));
    // The column is rewritten from the converted values, not from the single texts.
    EXPECT_EQ(grid()->valueText(3), u("39,3700787401575"));
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(panel(StatusPanel::Precision), u("F"));
    EXPECT_EQ(grid()->valueText(3), u("39,37"));
    EXPECT_TRUE(action(Command::FormatFixed)->isChecked());
    EXPECT_FALSE(action(Command::FormatDouble)->isChecked());
}

TEST_F(MainWindowTest, HidingUnmarkedRowsKeepsResults)
{
    topic(1)->trigger();
    grid()->setFocus();
    grid()->setCurrentCell(1, ConversionGrid::kValueColumn);
    QTest::keyClick(grid(), Qt::Key_Insert);
    EXPECT_FALSE(action(Command::RowsHideUnmarked)->isEnabled());
    grid()->setCurrentCell(4, ConversionGrid::kValueColumn);
    QTest::keyClick(grid(), Qt::Key_Insert);
    EXPECT_TRUE(action(Command::RowsHideUnmarked)->isEnabled());
    action(Command::RowsHideUnmarked)->trigger();
    EXPECT_EQ(window->titleLine()->text(), u(" Délka (skryto)"));
    ASSERT_EQ(grid()->rowCount(), 2);
    typeInto(0, QStringLiteral("1"));
    EXPECT_EQ(grid()->valueText(1), u("3280,84"));  // 1 km in feet, as before hiding
    action(Command::RowsShowAll)->trigger();
    EXPECT_EQ(grid()->rowCount(), 6);
    EXPECT_EQ(window->titleLine()->text(), u(" Délka"));
}

TEST_F(MainWindowTest, LevelMenuReloadsAndShowsTheLevel)
{
    topic(1)->trigger();
    action(Command::Level1)->trigger();
    EXPECT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(panel(StatusPanel::Level), u("1"));
    EXPECT_EQ(window->commands()->panel(StatusPanel::Level)->toolTip(), u("Úroveň 1"));
    action(Command::Level3)->trigger();
    EXPECT_EQ(grid()->rowCount(), 4);
    action(Command::LevelAll)->trigger();
    EXPECT_EQ(grid()->rowCount(), 6);
    EXPECT_EQ(panel(StatusPanel::Level), u("V"));
    EXPECT_EQ(panel(StatusPanel::UnitCount), u("Jednotek v aplikaci: 17"));
    EXPECT_EQ(panel(StatusPanel::TopicCount), u("Témat: 5+1"));
}

TEST_F(MainWindowTest, PreviousAndNextStayWithinTheGroup)
{
    QTest::keyClick(window.get(), Qt::Key_F8);  // from the start screen "next" opens topic 2
    EXPECT_EQ(window->currentTopic(), 2);
    QTest::keyClick(window.get(), Qt::Key_F7);
    EXPECT_EQ(window->currentTopic(), 1);
    EXPECT_FALSE(action(Command::PreviousTopic)->isEnabled());
    EXPECT_FALSE(window->commands()->toolButton(Command::PreviousTopic)->isEnabled());
    topic(26)->trigger();
    EXPECT_FALSE(action(Command::NextTopic)->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_F8);
    EXPECT_EQ(window->currentTopic(), 26);
}

TEST_F(MainWindowTest, PanelsAndLayout)
{
    topic(1)->trigger();
    const MainLayout before = window->currentLayout();
    for (int i = 0; i < 2; ++i) {
        action(Command::Magnifier)->trigger();
        EXPECT_TRUE(window->currentLayout().magnifierVisible);
        EXPECT_EQ(window->currentLayout().workingArea.top, before.workingArea.top + layout::kMagnifierHeight);
        action(Command::Magnifier)->trigger();
        EXPECT_EQ(window->currentLayout().workingArea, before.workingArea);
    }
    action(Command::InfoPanel)->trigger();
    EXPECT_EQ(window->currentLayout().conversionPanel.height,
              before.conversionPanel.height - layout::kInfoPanelHeight - 100);
    EXPECT_TRUE(action(Command::InfoPanel)->isChecked());

    window->setNavigatorWidth(0);
    EXPECT_EQ(window->navigatorWidth(), layout::kMinNavigatorWidth);
    window->setNavigatorWidth(100000);
    EXPECT_EQ(window->width() * 15 - window->navigatorWidth(), layout::kMinConversionWidth);

    window->resize(100, 100);
    EXPECT_GE(window->width(), layout::kMinWindowWidth / 15);
    EXPECT_GE(window->height(), layout::kMinWindowHeight / 15);
}

}  // namespace

namespace {

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

}  // namespace
