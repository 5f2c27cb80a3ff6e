#include "output/helptopics.h"
#include "mainwindow/commandtable.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tolvarin;

// Every number that a command or a menu carries has a page of its own (0
// means none: F1 on such an entry takes its menu's number); any other
// number opens the contents.
TEST(HelpTopics, NumbersOfTheMenusHaveTheirPagesOthersOpenTheContents)
{
    std::vector<int> used;
    for (Command command : allCommands()) used.push_back(commandInfo(command).helpContext);
    for (int menu = 0; menu <= int(Menu::Help); ++menu) used.push_back(menuInfo(Menu(menu)).helpContext);
    const std::vector<int> known = helpContexts();
    for (int context : used)
        EXPECT_TRUE(context == 0 || std::find(known.begin(), known.end(), context) != known.end()) << context;

    for (int context : {0, -1, 2, 999, 1000000}) {
        EXPECT_EQ(helpTarget(context).file, helpPages().front().file) << context;
        EXPECT_TRUE(helpTarget(context).anchor.isEmpty()) << context;
    }
}
