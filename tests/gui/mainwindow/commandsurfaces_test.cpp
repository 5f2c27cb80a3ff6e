// The command surfaces' wiring: one action per command, shared by menu,
// toolbar and drop-downs, and the behaviours that rest on Qt's wiring.
#include "mainwindow/commandsurfaces.h"
#include "support/windowfixture.h"

#include <QActionGroup>
#include <QImage>
#include <QMainWindow>
#include <QSignalSpy>

#include <functional>

using namespace tolvarin;

namespace {

bool paintsSomething(const QIcon& icon)
{
    const QImage image = icon.pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32);
    QImage blank(image.size(), image.format());
    blank.fill(Qt::transparent);
    return !image.isNull() && image != blank;
}

class CommandSurfacesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(900, 600);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QAction* action(Command command) const { return surfaces->action(command); }
    QAction* menuAction(Menu menu) const { return surfaces->menu(menu)->menuAction(); }
    void press(const char* keys) { QTest::keySequence(&window, QKeySequence(QString::fromLatin1(keys))); }

    QMainWindow window;
    CommandSurfaces* surfaces = new CommandSurfaces(&window);
};

TEST_F(CommandSurfacesTest, EachCommandHasOneActionWhereverItStands)
{
    QSet<QAction*> seen;
    for (Command command : allCommands()) {
        QAction* shared = command == Command::OpenTopic ? surfaces->topicAction(7) : action(command);
        const CommandInfo& info = commandInfo(command);
        ASSERT_FALSE(seen.contains(shared)) << int(command);
        seen.insert(shared);
        EXPECT_EQ(shared->shortcut(), QKeySequence(info.shortcut, QKeySequence::PortableText)) << int(command);
        EXPECT_EQ(shared->isChecked(), info.checked) << int(command);
        EXPECT_EQ(shared->isVisible(), !info.hidden) << int(command);
        EXPECT_EQ(shared->property("helpContext").toInt(), info.helpContext) << int(command);
        EXPECT_TRUE(info.group == Group::None || shared->data().toInt() == info.value) << int(command);
        EXPECT_TRUE(info.picture.isEmpty() || paintsSomething(shared->icon())) << int(command);
        if (QToolButton* button = surfaces->toolButton(command)) {
            EXPECT_EQ(button->defaultAction(), shared) << int(command);
            EXPECT_EQ(button->toolTip(), info.buttonToolTip()) << int(command);
        }
    }
    EXPECT_EQ(surfaces->topicAction(7)->data().toInt(), 7);
    for (const ToolbarImage& image : toolbarImages())  // our own drawings stand in for the theme's
        EXPECT_TRUE(paintsSomething(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(image.key)))) << qPrintable(image.key);
}

TEST_F(CommandSurfacesTest, ShortcutsWorkWhereverTheirEntryCanBeUsed)
{
    struct Case {
        const char* keys;
        Command command;
        bool fires;
        std::function<void()> before;
    };
    const Case cases[] = {
        {"Ctrl+B", Command::AsBinary, false, {}},  // "Aktuální jako" is off at first
        {"Ctrl+B", Command::AsBinary, true, [this] { menuAction(Menu::AsView)->setEnabled(true); }},
        {"Ctrl+F6", Command::RecordPause, false, {}},  // hidden at first
        {"Ctrl+F6", Command::RecordPause, true, [this] { action(Command::RecordPause)->setVisible(true); }},
        {"Ctrl+L", Command::AsRoman, false, [this] {  // off by itself, it stays off when its menu is on again
             action(Command::AsRoman)->setEnabled(false);
             menuAction(Menu::AsView)->setEnabled(false);
             menuAction(Menu::AsView)->setEnabled(true);
         }},
        {"Ctrl+T", Command::AlwaysOnTop, true, [this] { menuAction(Menu::View)->setVisible(false); }},
        {"Ctrl+X", Command::FormatFixed, true, {}},
        {"Ctrl+X", Command::FormatFixed, true, {}},  // the checked choice again
    };
    for (const Case& c : cases) {
        if (c.before) c.before();
        QSignalSpy triggered(action(c.command), &QAction::triggered);
        press(c.keys);
        EXPECT_EQ(triggered.count(), c.fires ? 1 : 0) << c.keys;
        const QActionGroup* group = surfaces->group(commandInfo(c.command).group);
        EXPECT_TRUE(!group || group->checkedAction() == action(c.command)) << c.keys;
    }
}

TEST_F(CommandSurfacesTest, DropDownsHoldTheSharedActionsAndReportOnlyTheirOwnChoices)
{
    QToolButton* jako = surfaces->toolButton(Command::AsRemembered);
    ASSERT_EQ(jako->popupMode(), QToolButton::MenuButtonPopup);
    jako->setEnabled(true);
    menuAction(Menu::AsView)->setEnabled(true);
    QSignalSpy chosen(surfaces, &CommandSurfaces::chosenFromDropDown);
    QSignalSpy hex(action(Command::AsHex), &QAction::triggered);
    action(Command::AsHex)->trigger();  // from the menu or by its key: not the drop-down's choice
    jako->click();
    test::chooseFromDropDown(jako, action(Command::AsHex));
    test::chooseFromDropDown(surfaces->toolButton(Command::Levels), action(Command::Level2));
    EXPECT_EQ(hex.count(), 2);
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen[0][1].value<Command>(), Command::AsHex);
    EXPECT_EQ(chosen[1][0].value<Command>(), Command::Levels);
    EXPECT_TRUE(action(Command::Level2)->isChecked());
}

TEST_F(CommandSurfacesTest, LeftClickOnAStatusPanelReportsIt)
{
    QSignalSpy spy(surfaces, &CommandSurfaces::panelClicked);
    QTest::mouseClick(surfaces->panel(StatusPanel::Level), Qt::LeftButton);
    QTest::mouseClick(surfaces->panel(StatusPanel::TopicCount), Qt::RightButton);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].value<StatusPanel>(), StatusPanel::Level);
}

}  // namespace
