// Invariants of the command tables: the faults a new or moved command would
// bring in, not the tables' contents copied out.
#include "catalogue/topictable.h"
#include "mainwindow/commandtable.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace tolvarin;

namespace {

using Kind = MenuEntry::Kind;

// Every menu reachable from the menu bar, each submenu after its holder.
std::vector<Menu> allMenus()
{
    std::vector<Menu> menus;
    std::function<void(Menu)> add = [&](Menu menu) {
        menus.push_back(menu);
        for (const MenuEntry& entry : menuEntries(menu))
            if (entry.kind == Kind::Submenu) add(entry.submenu);
    };
    for (Menu top : menuBar()) add(top);
    return menus;
}

TEST(CommandTable, EveryCommandStandsOnceInTheMenusOrOnTheToolbar)
{
    const std::vector<Menu> menus = allMenus();
    EXPECT_EQ(menus.size(), size_t(Menu::Help) + 1);
    EXPECT_EQ(std::set<Menu>(menus.begin(), menus.end()).size(), menus.size()) << "a menu held twice";
    QHash<int, int> inMenus;
    QSet<int> topics;
    for (Menu menu : menus) {
        for (const MenuEntry& entry : menuEntries(menu)) {
            if (entry.kind != Kind::Command) continue;
            if (entry.command != Command::OpenTopic) ++inMenus[int(entry.command)];
            else if (entry.topic >= 1 && entry.topic <= kBuiltinTopicCount) topics.insert(entry.topic);
        }
    }
    EXPECT_EQ(topics.size(), kBuiltinTopicCount);
    QHash<int, int> onToolbar;
    for (const ToolbarItem& item : toolbarLayout()) {
        if (item.separator) continue;
        ++onToolbar[int(item.command)];
        for (Command entry : item.dropDown) EXPECT_EQ(inMenus.value(int(entry)), 1) << int(entry);
    }
    for (Command command : allCommands()) {
        if (command == Command::OpenTopic) continue;
        const int c = int(command);
        EXPECT_LE(inMenus.value(c), 1) << c;
        EXPECT_LE(onToolbar.value(c), 1) << c;
        EXPECT_GE(inMenus.value(c) + onToolbar.value(c), 1) << c;
    }
}

TEST(CommandTable, CommandsAreDescribedConsistently)
{
    QSet<int> onToolbar;
    QSet<int> inJako;
    for (const ToolbarItem& item : toolbarLayout()) {
        if (item.separator) continue;
        onToolbar.insert(int(item.command));
        if (item.command == Command::AsRemembered)
            for (Command entry : item.dropDown) inJako.insert(int(entry));
    }
    const QRegularExpression keyForm(QStringLiteral("^(Ctrl\\+)?(Shift\\+)?([A-Z]|F([1-9]|1[0-2]))$"));
    QSet<QString> shortcuts;
    QHash<int, QSet<int>> values;  // by group
    QHash<int, int> marks;         // by group
    for (Command command : allCommands()) {
        const CommandInfo& info = commandInfo(command);
        const int c = int(command);
        if (!info.shortcut.isEmpty()) {
            EXPECT_TRUE(keyForm.match(info.shortcut).hasMatch()) << c;
            EXPECT_FALSE(shortcuts.contains(info.shortcut)) << qPrintable(info.shortcut) << " twice";
            shortcuts.insert(info.shortcut);
        }
        EXPECT_TRUE(!info.checked || info.checkable()) << c;
        if (info.group != Group::None) {
            EXPECT_FALSE(info.toggle || values[int(info.group)].contains(info.value)) << c;
            values[int(info.group)].insert(info.value);
            marks[int(info.group)] += info.checked;
        }
        const bool pictured = onToolbar.contains(c) || inJako.contains(c);
        EXPECT_EQ(!info.picture.isEmpty(), pictured) << c;
        EXPECT_TRUE(info.picture.isEmpty() || findToolbarImage(info.picture)) << qPrintable(info.picture);
        EXPECT_TRUE(info.toolTip.isEmpty() || onToolbar.contains(c)) << c;
        EXPECT_TRUE(!info.remembered || inJako.contains(c)) << c;
    }
    for (int group = int(Group::PrecisionMode); group <= int(Group::NavigatorView); ++group)
        EXPECT_EQ(marks.value(group), 1) << "group " << group << " needs exactly one mark";
}

void expectUniqueAccessKeys(const QStringList& captions)
{
    QHash<QChar, QString> owner;
    for (const QString& caption : captions) {
        const qsizetype at = caption.indexOf(QLatin1Char('&'));
        EXPECT_EQ(caption.lastIndexOf(QLatin1Char('&')), at) << qPrintable(caption);
        if (at < 0 || at + 1 >= caption.size()) continue;
        const QChar key = caption[at + 1].toLower();
        EXPECT_FALSE(owner.contains(key)) << qPrintable(caption + " and " + owner.value(key));
        owner.insert(key, caption);
    }
}

TEST(CommandTable, MenusHaveUniqueAccessKeysAndInnerSeparators)
{
    QStringList bar;
    for (Menu top : menuBar())
        if (!menuInfo(top).hidden) bar << menuInfo(top).caption;
    expectUniqueAccessKeys(bar);
    for (Menu menu : allMenus()) {
        const std::vector<MenuEntry>& entries = menuEntries(menu);
        QStringList captions;
        for (size_t i = 0; i < entries.size(); ++i) {
            const MenuEntry& entry = entries[i];
            if (entry.kind == Kind::Separator) {
                EXPECT_TRUE(i > 0 && i + 1 < entries.size() && entries[i + 1].kind != Kind::Separator) << int(menu);
            } else if (entry.kind == Kind::Submenu) {
                captions << menuInfo(entry.submenu).caption;
            } else if (!commandInfo(entry.command).hidden) {
                captions << commandInfo(entry.command).caption;
            }
        }
        expectUniqueAccessKeys(captions);
    }
}

}  // namespace
