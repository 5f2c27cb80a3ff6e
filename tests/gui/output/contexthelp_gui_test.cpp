#include "navigation/navigatorpanel.h"
#include "navigation/searchpanel.h"
#include "output/helptopics.h"
#include "support/windowfixture.h"

#include <QLineEdit>
#include <QListWidget>

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

using ContextHelpTest = MainWindowTest;

}  // namespace

// F1 opens the page of the focused control, or of its nearest ancestor with a number.
TEST_F(ContextHelpTest, F1OpensThePageOfTheFocusedControl)
{
    topic(1)->trigger();
    QTest::keyClick(grid(), Qt::Key_5);  // the cell's editor has the focus
    ASSERT_TRUE(grid()->isEditing());
    QTest::keyClick(grid()->editor(), Qt::Key_F1);
    QTest::keyClick(grid()->editor(), Qt::Key_Escape);
    window->navigator()->topicList()->setFocus();
    QTest::keyClick(window->navigator()->topicList(), Qt::Key_F1);
    window->showSearch();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(help.opened, (std::vector<int>{helpcontext::kConversionTable, helpcontext::kNavigator,
                                             helpcontext::kUnitSearch}));

    const std::vector<int> known = helpContexts();
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const int context = widget->property("helpContext").toInt();
        if (context > 0) {
            EXPECT_NE(std::find(known.begin(), known.end(), context), known.end()) << context;
        }
    }
}

// F1 in an open menu opens the page of the entry under the pointer; an entry
// without a number of its own takes its menu's.
TEST_F(ContextHelpTest, F1InAnOpenMenuOpensThePageOfTheHoveredEntry)
{
    const struct {
        Menu menu;
        Command entry;
        int context;
    } cases[] = {
        {Menu::Tools, Command::Options, commandInfo(Command::Options).helpContext},
        {Menu::PreviewTarget, Command::PreviewFirstUnit, menuInfo(Menu::View).helpContext},
    };
    for (const auto& c : cases) {
        QMenu* menu = window->commands()->menu(c.menu);
        menu->popup(window->mapToGlobal(QPoint(40, 40)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(action(c.entry));
        QTest::keyClick(menu, Qt::Key_F1);
        EXPECT_FALSE(menu->isVisible());
        ASSERT_FALSE(help.opened.empty());
        EXPECT_EQ(help.opened.back(), c.context) << int(c.entry);
    }
}

TEST_F(ContextHelpTest, HelpCommandsOpenTheirPages)
{
    topic(1)->trigger();
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(grid(), Qt::Key_F6);
    action(Command::HelpIndex)->trigger();
    action(Command::Help)->trigger();  // the menu entry "Nápověda…": the focused control's page
    EXPECT_EQ(help.opened, (std::vector<int>{helpcontext::kKeyboard, helpcontext::kConstants,
                                             helpcontext::kContents, helpcontext::kConversionTable}));
}
