#include "navigation/navigatorpanel.h"
#include "output/helptopics.h"
#include "support/windowfixture.h"

using namespace tolvarin;
using namespace tolvarin::test;

using ContextHelpTest = MainWindowTest;

// F1 opens the page of the focused control, or of its nearest ancestor with a
// number; the help commands open their own pages.
TEST_F(ContextHelpTest, F1AndTheHelpCommandsOpenTheirPages)
{
    topic(1)->trigger();
    QTest::keyClick(grid(), Qt::Key_5);  // the cell's editor has the focus
    ASSERT_TRUE(grid()->isEditing());
    QTest::keyClick(grid()->editor(), Qt::Key_F1);
    QTest::keyClick(grid()->editor(), Qt::Key_Escape);
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(grid(), Qt::Key_F6);
    action(Command::HelpIndex)->trigger();
    action(Command::Help)->trigger();  // the menu entry "Nápověda…": the focused control's page
    window->navigator()->topicList()->setFocus();
    QTest::keyClick(window->navigator()->topicList(), Qt::Key_F1);
    window->showSearch();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(help.opened,
              (std::vector<int>{helpcontext::kConversionTable, helpcontext::kKeyboard, helpcontext::kConstants,
                                helpcontext::kContents, helpcontext::kConversionTable, helpcontext::kNavigator,
                                helpcontext::kUnitSearch}));
}

// F1 in an open menu opens the page of the entry under the pointer and
// closes the menu; an entry without a number takes its menu's.
TEST_F(ContextHelpTest, F1InAnOpenMenuOpensThePageOfTheHoveredEntry)
{
    const std::pair<Menu, Command> hovered[] = {{Menu::Tools, Command::Options},
                                                {Menu::PreviewTarget, Command::PreviewFirstUnit}};
    for (const auto& [menuName, entry] : hovered) {
        QMenu* menu = window->commands()->menu(menuName);
        menu->popup(window->mapToGlobal(QPoint(40, 40)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(action(entry));
        QTest::keyClick(menu, Qt::Key_F1);
        EXPECT_FALSE(menu->isVisible());
    }
    EXPECT_EQ(help.opened,
              (std::vector<int>{commandInfo(Command::Options).helpContext, menuInfo(Menu::View).helpContext}));
}
