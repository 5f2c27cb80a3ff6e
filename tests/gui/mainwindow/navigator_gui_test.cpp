// The navigator column and the unit search driven as a user drives them:
// clicks, keys and renames on an offscreen window.
#include "conversion/conversionview.h"
#include "mainwindow/conversionpanel.h"
#include "navigation/listlook.h"
#include "navigation/navigatorpanel.h"
#include "navigation/searchpanel.h"
#include "support/windowfixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

using Page = NavigatorPanel::Page;

class NavigatorTest : public MainWindowTest {
protected:
    NavigatorPanel* nav() const { return window->navigator(); }
    SearchPanel* search() const { return nav()->searchPanel(); }
    QTreeWidget* results() const { return search()->results(); }
    QString title() const { return window->titleLine()->text(); }
    QString currentUnit() const { return grid()->nameText(grid()->currentRow()); }

    static void doubleClickItem(QListWidget* list, int row)
    {
        list->scrollToItem(list->item(row));
        const QPoint centre = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);  // the first click of the two
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }
    void clickTab(Page page) const
    {
        QTest::mouseClick(nav()->tabBar(), Qt::LeftButton, {}, nav()->tabBar()->tabRect(int(page)).center());
    }

    // Renames the current item of a quantity list in place: F2, the text, Enter.
    static void rename(QListWidget* list, const QString& text)
    {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr) << "F2 opens no editor";
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        editor->insert(text);  // typed, but QTest types ASCII only
        // Enter goes down in the editor, the rename ends, and Enter comes up in the list.
        QTest::keyPress(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        ASSERT_NE(QApplication::focusWidget(), editor) << "Enter does not end the rename";
        QTest::keyRelease(list, Qt::Key_Return);
    }

    QStringList resultTexts() const
    {
        QStringList texts;
        for (int i = 0; i < results()->topLevelItemCount(); ++i) texts << results()->topLevelItem(i)->text(0);
        return texts;
    }
    void find(const QString& key)
    {
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        ASSERT_EQ(QApplication::focusWidget(), search()->findBox());
        search()->findBox()->setText(key);
        QTest::keyClick(search()->findBox(), Qt::Key_Return);
    }
    void openResult(int index)
    {
        results()->setFocus();
        results()->setCurrentItem(results()->topLevelItem(index));
        QTest::keyClick(results(), Qt::Key_Return);
    }
};

TEST_F(NavigatorTest, SingleClickOnlySelects)
{
    QListWidget* topics = nav()->topicList();
    QTest::mouseClick(topics->viewport(), Qt::LeftButton, {}, topics->visualItemRect(topics->item(1)).center());
    EXPECT_EQ(topics->currentRow(), 1);
    EXPECT_EQ(window->currentTopic(), 0);
    EXPECT_EQ(window->conversion()->slot(), 0);
    doubleClickItem(topics, 2);
    EXPECT_EQ(title(), u(" Objem"));
    // The chosen entry stays marked while another control has the focus.
    EXPECT_EQ(topics->palette().color(QPalette::Inactive, QPalette::Highlight),
              topics->palette().color(QPalette::Active, QPalette::Highlight));
}

TEST_F(NavigatorTest, EnterOpensTheSelectedQuantityOrTopicOne)
{
    QListWidget* topics = nav()->topicList();
    topics->setCurrentRow(-1);
    topics->setFocus();
    QTest::keyClick(topics, Qt::Key_Return);  // before any topic was chosen
    EXPECT_EQ(title(), u(" Délka"));
    QTest::keyClick(topics, Qt::Key_Down);
    QTest::keyClick(topics, Qt::Key_Return);
    EXPECT_EQ(title(), u(" Plošný obsah"));
}

TEST_F(NavigatorTest, RenameChangesListMenuCatalogueAndTitleLine)
{
    find(u("metr"));
    QListWidget* topics = nav()->topicList();
    topics->setCurrentRow(0);
    window->showTopicList();
    for (const char* refused : {"", "   "}) {
        rename(topics, u(refused));
        EXPECT_EQ(window->catalogue().title(1), u("Délka")) << '"' << refused << '"';
    }
    rename(topics, u("Vzdálenost & co"));
    EXPECT_EQ(window->conversion()->slot(), 0) << "the Enter that ends a rename opens nothing";
    EXPECT_EQ(topics->item(0)->text() + u("|") + topics->item(0)->toolTip(), u("Vzdálenost & co|Vzdálenost & co"));
    EXPECT_EQ(topic(1)->text(), u("Vzdálenost && co"));  // shown with its "&", not as an access key
    EXPECT_EQ(window->catalogue().title(1), u("Vzdálenost & co"));
    EXPECT_EQ(results()->topLevelItem(0)->toolTip(0), u("Vzdálenost & co"));

    topic(1)->trigger();
    rename(topics, u("Délka"));  // while the topic is open the title line follows at once
    EXPECT_EQ(title(), u(" Délka"));

    // F2 renames in the list even though it is also the magnifier's key.
    ASSERT_TRUE(action(Command::Magnifier)->isEnabled());
    window->showUserTopicList();
    nav()->userList()->setCurrentRow(1);
    rename(nav()->userList(), u("Zrychlení tělesa"));
    EXPECT_FALSE(action(Command::Magnifier)->isChecked());
    EXPECT_EQ(window->catalogue().title(29), u("Zrychlení tělesa"));
}

TEST_F(NavigatorTest, UnitOpensWithItsRowCurrentAndOnTop)
{
    struct Case {
        const char* name;
        int row;
        int top;
        bool marker;
    };
    const Case cases[] = {{"nádoba 5", 4, 4, true}, {"loket", 5, 0, false}};  // every length row fits
    window->showUnitList();
    QListWidget* units = nav()->unitList();
    for (const Case& c : cases) {
        doubleClickItem(units, units->row(units->findItems(u(c.name), Qt::MatchExactly).value(0)));
        EXPECT_EQ(grid()->currentRow(), c.row) << c.name;
        EXPECT_EQ(grid()->topRow(), c.top) << c.name;
        EXPECT_EQ(window->conversionPanel()->marker()->isVisible(), c.marker) << c.name;
        EXPECT_EQ(nav()->shownPage(), Page::Units) << "the unit list stays in view";
    }
}

TEST_F(NavigatorTest, ShortcutsAndStatusPanelsShowTheLists)
{
    struct Case {
        QKeyCombination keys;
        Page page;
        Command entry;
        const char* panelText;
        const char* title;
    };
    const Case cases[] = {
        {Qt::Key_F4, Page::Units, Command::ShowUnitList, "Jednotky", " Výběr jednotky"},
        {Qt::ShiftModifier | Qt::Key_F4, Page::Topics, Command::ShowTopicList, "Veličiny", " Výběr veličiny"},
        {Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_F4, Page::User, Command::ShowUserTopicList,
         "Uživatelské veličiny", " Výběr veličiny"},
    };
    for (const Case& c : cases) {
        QTest::keyClick(window.get(), c.keys.key(), c.keys.keyboardModifiers());
        EXPECT_EQ(nav()->shownPage(), c.page) << c.panelText;
        EXPECT_TRUE(action(c.entry)->isChecked()) << c.panelText;
        EXPECT_EQ(panel(StatusPanel::NavigatorList), u(c.panelText));
        EXPECT_EQ(title(), u(c.title));
        EXPECT_EQ(QApplication::focusWidget(), nav()->currentWidget()) << c.panelText;
    }
    QTest::mouseClick(window->commands()->panel(StatusPanel::UnitCount), Qt::LeftButton);
    EXPECT_EQ(nav()->shownPage(), Page::Units);
    QTest::mouseClick(window->commands()->panel(StatusPanel::TopicCount), Qt::LeftButton);
    EXPECT_EQ(nav()->shownPage(), Page::Topics);
}

TEST_F(NavigatorTest, TabsMakeTheSelectedQuantityCurrent)
{
    nav()->topicList()->setCurrentRow(4);
    clickTab(Page::Units);
    EXPECT_EQ(window->currentTopic(), 0);
    clickTab(Page::Topics);
    EXPECT_EQ(window->currentTopic(), 5);
    EXPECT_EQ(window->conversion()->slot(), 0);
    clickTab(Page::User);
    EXPECT_EQ(window->currentTopic(), 27);
    QTest::keyClick(nav(), Qt::Key_V, Qt::AltModifier);  // the tab's access key is a choice too
    EXPECT_EQ(nav()->shownPage(), Page::Topics);
    EXPECT_EQ(window->currentTopic(), 5);
}

// However a topic is opened, the navigator selects it on the tab of its list.
TEST_F(NavigatorTest, OpenedTopicIsSelectedOnItsTab)
{
    const auto expectSelected = [this](int slot, Page page) {
        EXPECT_EQ(window->currentTopic(), slot);
        EXPECT_EQ(nav()->shownPage(), page) << slot;
        EXPECT_EQ(nav()->selectedSlot(page), slot);
        EXPECT_EQ(panel(StatusPanel::NavigatorList), NavigatorPanel::panelText(page));
    };
    window->showUnitList();
    topic(2)->trigger();  // from "Přejít"
    expectSelected(2, Page::Topics);
    window->showUnitList();
    QTest::keyClick(window.get(), Qt::Key_F8);
    expectSelected(3, Page::Topics);
    window->showUserTopicList();
    doubleClickItem(nav()->userList(), 1);
    window->showUnitList();
    QTest::keyClick(window.get(), Qt::Key_F7);  // among the user topics
    expectSelected(27, Page::User);
    find(u("kilometr"));
    openResult(0);
    expectSelected(1, Page::Topics);
    EXPECT_TRUE(nav()->searchShown()) << "the results stay until the user leaves them";
}

TEST_F(NavigatorTest, ViewModesOfTheQuantityLists)
{
    action(Command::NavigatorIconView)->trigger();
    for (QListWidget* list : {nav()->topicList(), nav()->userList()})
        EXPECT_EQ(std::pair(list->viewMode(), list->iconSize()), std::pair(QListView::IconMode, QSize(32, 32)));
    action(Command::NavigatorListView)->trigger();
    EXPECT_EQ(nav()->userList()->viewMode(), QListView::ListMode);
    EXPECT_FALSE(action(Command::NavigatorIconView)->isChecked());
    QTest::mouseRelease(nav()->topicList()->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(window->commands()->menu(Menu::NavigatorView)->isVisible());
    window->commands()->menu(Menu::NavigatorView)->close();
}

TEST_F(NavigatorTest, SearchListsExactThenSimilarOrSaysNothingWasFound)
{
    find(u("metr"));
    ASSERT_EQ(resultTexts(), QStringList({u("metr"), u("metr"), u("kilometr"), u("centimetr"), u("metr čtvereční")}));
    const QColor text = results()->palette().color(QPalette::Text);
    const QColor similar = results()->topLevelItem(1)->foreground(0).color();
    EXPECT_EQ(results()->topLevelItem(0)->foreground(0).style(), Qt::NoBrush);  // exact: the list's own colour
    EXPECT_NE(similar, text);
    EXPECT_GE(contrastRatio(similar, results()->palette().color(QPalette::Base)), 4.5);
    EXPECT_EQ(results()->topLevelItem(4)->toolTip(0), u("Plošný obsah"));

    find(u("Metr"));  // nothing found: a note
    EXPECT_EQ(resultTexts(), QStringList{u("Nic nenalezeno")});
    openResult(0);
    EXPECT_EQ(window->conversion()->slot(), 0) << "the note opens nothing";
    find(u("centimetr"));
    QTest::mouseClick(search()->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(nav()->searchShown());
    EXPECT_EQ(resultTexts(), QStringList({u("centimetr"), u("centimetr")})) << "the results stay until the next search";
}

// A result opens the unit it shows however the level has moved its row.
TEST_F(NavigatorTest, SearchResultsFollowTheLevel)
{
    find(u("loket"));
    action(Command::Level3)->trigger();  // loket moves from row 6 to row 4
    openResult(0);
    EXPECT_EQ(currentUnit(), u("loket"));

    find(u("stopa"));  // not at level 3
    EXPECT_EQ(resultTexts(), QStringList{u("Nic nenalezeno")});
    action(Command::LevelAll)->trigger();  // the results are refreshed
    EXPECT_EQ(resultTexts(), QStringList({u("stopa"), u("stopa")}));
}

// No user quantities at all: the user list is empty.
class NoUserTopicsTest : public NavigatorTest {
protected:
    QStringList userFileLines() const override { return {u("'nothing here")}; }
};

TEST_F(NoUserTopicsTest, EmptyUserListKeepsTheCurrentTopic)
{
    doubleClickItem(nav()->topicList(), 4);
    clickTab(Page::User);
    EXPECT_EQ(window->currentTopic(), 5);
    nav()->userList()->setFocus();
    QTest::keyClick(nav()->userList(), Qt::Key_Return);
    EXPECT_EQ(title(), u(" Hustota"));
}

}  // namespace
