// Invariants of the command tables: the faults a new or moved command would
// bring in, not the tables' contents copied out.
#include "catalogue/topictable.h"
#include "mainwindow/commandtable.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>

using namespace tolvarin;

namespace {

using Kind = MenuEntry::Kind;

// Visible captions may share no access key and carry one "&" at most.
void expectUniqueAccessKeys(const QStringList& captions)
{
    QHash<QChar, QString> owner;
    for (const QString& caption : captions) {
        const qsizetype at = caption.indexOf(QLatin1Char('&'));
        EXPECT_EQ(caption.lastIndexOf(QLatin1Char('&')), at) << qPrintable(caption);
        const QChar key = at >= 0 && at + 1 < caption.size() ? caption[at + 1].toLower() : QChar();
        EXPECT_TRUE(key.isNull() || !owner.contains(key)) << qPrintable(caption + " and " + owner.value(key));
        owner.insert(key, caption);
    }
}

TEST(CommandTable, MenusAndToolbarPlaceEveryCommandOnce)
{
    QHash<int, int> placed;  // menu entries and toolbar buttons of each command
    QSet<int> menus;
    QSet<int> topics;
    QStringList bar;
    std::function<void(Menu)> visit = [&](Menu menu) {
        EXPECT_FALSE(menus.contains(int(menu))) << "menu " << int(menu) << " held twice";
        menus.insert(int(menu));
        const std::vector<MenuEntry>& entries = menuEntries(menu);
        QStringList captions;
        for (size_t i = 0; i < entries.size(); ++i) {
            const MenuEntry& entry = entries[i];
            if (entry.kind == Kind::Separator) {
                EXPECT_TRUE(i > 0 && i + 1 < entries.size() && entries[i + 1].kind != Kind::Separator) << int(menu);
            } else if (entry.kind == Kind::Submenu) {
                captions << menuInfo(entry.submenu).caption;
                visit(entry.submenu);
            } else if (entry.command == Command::OpenTopic) {
                if (entry.topic >= 1 && entry.topic <= kBuiltinTopicCount) topics.insert(entry.topic);
            } else {
                ++placed[int(entry.command)];
                if (!commandInfo(entry.command).hidden) captions << commandInfo(entry.command).caption;
            }
        }
        expectUniqueAccessKeys(captions);
    };
    for (Menu top : menuBar()) {
        if (!menuInfo(top).hidden) bar << menuInfo(top).caption;
        visit(top);
    }
    expectUniqueAccessKeys(bar);
    EXPECT_EQ(menus.size(), int(Menu::Help) + 1);
    EXPECT_EQ(topics.size(), kBuiltinTopicCount);
    QSet<int> onToolbar;
    for (const ToolbarItem& item : toolbarLayout()) {
        onToolbar.insert(item.separator ? -1 : int(item.command));
        for (Command entry : item.dropDown) EXPECT_EQ(placed.value(int(entry)), 1) << int(entry);
    }
    for (Command command : allCommands()) {
        const int c = int(command);
        EXPECT_TRUE(command == Command::OpenTopic || placed.value(c) == 1 || (!placed.contains(c) && onToolbar.contains(c)))
            << "command " << c << " stands " << placed.value(c) << " times in the menus";
    }
}

TEST(CommandTable, CommandsAreDescribedConsistently)
{
    QSet<int> onToolbar;
    QSet<int> inJako;  // the representations the "Jako" button takes its picture from
    for (const ToolbarItem& item : toolbarLayout()) {
        onToolbar.insert(item.separator ? -1 : int(item.command));
        for (Command entry : item.dropDown) inJako.insert(item.command == Command::AsRemembered ? int(entry) : -1);
    }
    const QRegularExpression keyForm(QStringLiteral("^(Ctrl\\+)?(Shift\\+)?([A-Z]|F([1-9]|1[0-2]))$"));
    QSet<QString> shortcuts;
    QHash<int, QSet<int>> values;  // by group
    QHash<int, int> marks;         // by group
    for (Command command : allCommands()) {
        const CommandInfo& info = commandInfo(command);
        const int c = int(command);
        EXPECT_TRUE(info.shortcut.isEmpty() || keyForm.match(info.shortcut).hasMatch()) << c;
        EXPECT_TRUE(info.shortcut.isEmpty() || !shortcuts.contains(info.shortcut)) << qPrintable(info.shortcut) << " twice";
        shortcuts.insert(info.shortcut);
        if (info.group != Group::None) {
            EXPECT_FALSE(info.toggle || values[int(info.group)].contains(info.value)) << c;
            values[int(info.group)].insert(info.value);
            marks[int(info.group)] += info.checked;
        }
        EXPECT_EQ(!info.picture.isEmpty(), onToolbar.contains(c) || inJako.contains(c)) << c;
        EXPECT_TRUE(info.picture.isEmpty() || findToolbarImage(info.picture)) << qPrintable(info.picture);
        EXPECT_TRUE(info.toolTip.isEmpty() || onToolbar.contains(c)) << c;
        EXPECT_TRUE(!info.remembered || inJako.contains(c)) << c;
    }
    for (int group = int(Group::PrecisionMode); group <= int(Group::NavigatorView); ++group)
        EXPECT_EQ(marks.value(group), 1) << "group " << group << " needs exactly one mark";
}

}  // namespace
