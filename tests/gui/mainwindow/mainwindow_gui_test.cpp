// The main window driven as a user drives it: menus, keys and clicks on an
// offscreen window over small data files.
#include "conversion/conversionview.h"
#include "mainwindow/conversionpanel.h"
#include "mainwindow/sidepanels.h"
#include "navigation/navigatorpanel.h"
#include "support/windowfixture.h"

#include <QListWidget>

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

QString previewOf(const MainWindow& window, int row)
{
    return window.conversion()->model()->previewLine(row).value_or(u("<none>"));
}

TEST_F(MainWindowTest, KeysJumpEditDiscardAndMove)
{
    topic(1)->trigger();
    QTest::keyClick(grid(), Qt::Key_K);  // a unit begins with "k": the cursor jumps
    EXPECT_EQ(grid()->currentRow(), 1);
    QTest::keyClick(grid(), Qt::Key_5);  // nothing begins with "5": an edit starts
    ASSERT_TRUE(grid()->isEditing());
    EXPECT_EQ(grid()->editor()->text(), u("5"));
    QTest::keyClick(grid()->editor(), Qt::Key_Escape);
    EXPECT_FALSE(grid()->isEditing());
    EXPECT_EQ(grid()->valueText(1), QString());

    QTest::keyClick(grid(), Qt::Key_2);
    QTest::keyClick(grid()->editor(), Qt::Key_Down);  // commits, then moves down
    EXPECT_EQ(grid()->valueText(0), u("2000"));
    EXPECT_EQ(grid()->currentRow(), 2);
    QTest::keyClick(grid(), Qt::Key_Return);  // opens the edit with the cell's text
    EXPECT_EQ(grid()->editor()->text(), u("200000"));
    QTest::keyClick(grid()->editor(), Qt::Key_Up);
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(window->conversionCount(), 2);

    // Ctrl+End and Ctrl+Home select the value of the row they reach, and the line speaks of it.
    for (const auto& [modifiedKey, row] : {std::pair{Qt::Key_End, 5}, std::pair{Qt::Key_Home, 0}}) {
        QTest::keyClick(grid(), modifiedKey, Qt::ControlModifier);
        EXPECT_EQ(grid()->currentRow(), row);
        EXPECT_EQ(grid()->selectionModel()->selectedIndexes(),
                  QModelIndexList{grid()->model()->index(row, ConversionGrid::kValueColumn)});
        EXPECT_EQ(info(), previewOf(*window, row));
    }
}

TEST_F(MainWindowTest, RefusedEntryRestoresTheCell)
{
    topic(1)->trigger();
    typeInto(1, QStringLiteral("5"));
    typeInto(2, QStringLiteral("abc"));
    EXPECT_EQ(message(), u("Chyba 13: Neshoda typů\r\n\r\nNevhodná hodnota 'abc'.\r\n"));
    EXPECT_EQ(grid()->valueText(2), u("500000"));
    EXPECT_EQ(window->conversionCount(), 1);
}

TEST_F(MainWindowTest, PrecisionShortcutsRewriteTheColumn)
{
    topic(1)->trigger();
    typeInto(0, QStringLiteral("1"));
    QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(panel(StatusPanel::Precision), u("D"));
    // The column is rewritten from the converted values, not from the single texts.
    EXPECT_EQ(grid()->valueText(3), u("39,3700787401575"));
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(grid()->valueText(3), u("39,37"));
}

TEST_F(MainWindowTest, HidingUnmarkedRowsAndShowingThemAgain)
{
    topic(1)->trigger();
    EXPECT_EQ(info(), u(" Jednotek k převodu: 6 "));
    EXPECT_EQ(panel(StatusPanel::TopicUnits), u("V tématu: 1/6"));
    grid()->setCurrentCell(1, ConversionGrid::kValueColumn);
    QTest::keyClick(grid(), Qt::Key_Insert);
    EXPECT_FALSE(action(Command::RowsHideUnmarked)->isEnabled());
    grid()->setCurrentCell(4, ConversionGrid::kValueColumn);
    QTest::keyClick(grid(), Qt::Key_Insert);
    EXPECT_TRUE(action(Command::HideUnmarkedRows)->isEnabled());
    action(Command::RowsHideUnmarked)->trigger();
    EXPECT_EQ(window->titleLine()->text(), u(" Délka (skryto)"));
    EXPECT_EQ(grid()->rowCount(), 2);
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
    action(Command::LevelAll)->trigger();
    EXPECT_EQ(grid()->rowCount(), 6);
    EXPECT_EQ(panel(StatusPanel::Level), u("V"));
    EXPECT_EQ(panel(StatusPanel::UnitCount), u("Jednotek v aplikaci: 77"));
    EXPECT_EQ(panel(StatusPanel::TopicCount), u("Témat: 6+2"));
}

TEST_F(MainWindowTest, PanelsAndLayout)
{
    topic(1)->trigger();
    const MainLayout before = window->currentLayout();
    // The commands move the panels; by how much is a core test.
    action(Command::Magnifier)->trigger();
    EXPECT_GT(window->currentLayout().workingArea.top, before.workingArea.top);
    action(Command::Magnifier)->trigger();
    EXPECT_EQ(window->currentLayout().workingArea, before.workingArea);
    action(Command::InfoPanel)->trigger();
    EXPECT_LT(window->currentLayout().conversionPanel.height, before.conversionPanel.height);

    // The splitter is a handle a user can see and grab; at its ends the
    // navigator still shows a list and the table keeps its least width.
    EXPECT_GE(window->splitter()->width(), 5);
    window->setNavigatorWidth(0);
    QListWidget* topics = window->navigator()->topicList();
    EXPECT_GE(topics->viewport()->width(), topics->iconSize().width() + topics->fontMetrics().averageCharWidth() * 4);
    window->setNavigatorWidth(100000);
    EXPECT_EQ(window->width() * 15 - window->navigatorWidth(), layout::kMinConversionWidth);

    window->resize(100, 100);
    EXPECT_GE(window->width(), layout::kMinWindowWidth / 15);
    EXPECT_GE(window->height(), layout::kMinWindowHeight / 15);
}

// Each place has its own menu under the right button (the title line: the left one).
TEST_F(MainWindowTest, PopUpMenusOfTheWindow)
{
    topic(1)->trigger();
    typeInto(0, QStringLiteral("1"));
    const QRect name = grid()->visualRect(grid()->model()->index(1, ConversionGrid::kNameColumn));
    const QRect value = grid()->visualRect(grid()->model()->index(1, ConversionGrid::kValueColumn));
    struct Case {
        const char* where;
        std::function<void()> click;
        Menu menu;
    };
    const Case cases[] = {
        {"value", [&] { QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, value.center()); }, Menu::AsView},
        {"name", [&] { QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, name.center()); }, Menu::Table},
        {"panel", [&] { QTest::mouseClick(window->conversionPanel(), Qt::RightButton, {}, QPoint(2, 2)); }, Menu::Go},
        {"information line", [&] { QTest::mouseClick(window->infoLine(), Qt::RightButton); }, Menu::PreviewTarget},
        {"title line", [&] { QTest::mouseClick(window->titleLine(), Qt::LeftButton); }, Menu::Go},
        {"editor",
         [&] {
             grid()->startEdit();
             emit grid()->editor()->customContextMenuRequested({2, 2});
         },
         Menu::Edit},
    };
    for (const Case& c : cases) {
        c.click();
        for (Menu menu : {Menu::AsView, Menu::Table, Menu::Go, Menu::PreviewTarget, Menu::Edit}) {
            EXPECT_EQ(window->commands()->menu(menu)->isVisible(), menu == c.menu) << c.where << " menu " << int(menu);
            window->commands()->menu(menu)->close();
        }
    }
}

TEST_F(MainWindowTest, InformationLineIsNeverStale)
{
    // Temperatures write their summary like every topic, and it replaces the
    // red absolute-zero warning in the usual colour.
    topic(16)->trigger();
    typeInto(1, QStringLiteral("-300"));
    EXPECT_EQ(info(), u("Teplota pod 0 K teoreticky neexistuje."));
    EXPECT_EQ(window->infoLine()->palette().color(QPalette::WindowText), QColor(Qt::red));
    typeInto(1, QStringLiteral("20"));
    EXPECT_EQ(info(), u(" °C: 20,00 °C = 293,15 K "));
    EXPECT_NE(window->infoLine()->palette().color(QPalette::WindowText), QColor(Qt::red));

    topic(1)->trigger();
    typeInto(1, QStringLiteral("5"));
    QTest::keyClick(window.get(), Qt::Key_F3);  // the preview off
    EXPECT_FALSE(window->infoLine()->isVisible());
    grid()->setCurrentCell(3, ConversionGrid::kValueColumn);
    QTest::keyClick(window.get(), Qt::Key_F3);  // on again: it speaks of the current row
    EXPECT_TRUE(window->infoLine()->isVisible());
    EXPECT_EQ(info(), previewOf(*window, 3));

    // The angle's magnifier leaves its typing view once the value is converted.
    topic(10)->trigger();
    action(Command::Magnifier)->trigger();
    QTest::keyClick(grid(), Qt::Key_9);
    EXPECT_EQ(window->magnifier()->magnifiedText(), u("radián\n9"));
    QTest::keyClick(grid()->editor(), Qt::Key_Return);
    EXPECT_EQ(window->magnifier()->magnifiedText(), window->conversion()->magnifierText().replace(u("\r\n"), u("\n")));
}

}  // namespace
