#include "mainwindow/commandtable.h"
#include "output/helptopics.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tolvarin;

// Every number that a command or a menu carries has a page of its own (0
// means none: F1 on such an entry takes its menu's number).
TEST(HelpTopics, EveryNumberOfTheMenusHasItsOwnPage)
{
    std::vector<int> used;
    for (Command command : allCommands()) used.push_back(commandInfo(command).helpContext);
    for (int menu = 0; menu <= int(Menu::Help); ++menu) used.push_back(menuInfo(Menu(menu)).helpContext);
    const std::vector<int> known = helpContexts();
    for (int context : used) {
        if (context != 0) {
            EXPECT_NE(std::find(known.begin(), known.end(), context), known.end()) << context;
        }
    }
}

TEST(HelpTopics, UnknownNumbersOpenTheContents)
{
    for (int context : {0, -1, 2, 999, 1000000}) {
        const HelpTarget target = helpTarget(context);
        EXPECT_EQ(target.file, helpPages().front().file) << context;
        EXPECT_TRUE(target.anchor.isEmpty()) << context;
    }
}
