// The navigator column and the unit search driven as a user drives them:
// clicks, keys and renames on an offscreen window.
#include "conversion/conversionview.h"
#include "mainwindow/conversionpanel.h"
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

constexpr int kVolumeUnits = 40;  // enough rows in topic 3 for a unit to be scrolled to the top

// The common test data, plus a long topic 3 whose names share no letters
// with "metr", and user topics numbered 1 and 3 (no 2).
class NavigatorTest : public MainWindowTest {
protected:
    QStringList mainFileLines() const override
    {
        QStringList lines = mainTestFile();
        for (int n = 1; n <= kVolumeUnits; ++n)
            lines << u("3|nádoba %1|n%1|%1|").arg(n) + (n == 1 ? u("|True") : QString());
        return lines;
    }
    QStringList userFileLines() const override
    {
        return {u("'U1=Frekvence"),
                u("1|hertz|Hz|1|"),
                u("1|kilohertz|kHz|1000|"),
                u("'U3=Zrychlení"),
                u("3|metr za sekundu na druhou|m/s²|1|"),
                u("3|gal|Gal|0.01|")};
    }

    NavigatorPanel* nav() const { return window->navigator(); }
    SearchPanel* search() const { return nav()->searchPanel(); }
    QString title() const { return window->titleLine()->text(); }
    bool topicShown() const { return window->conversion()->slot() > 0; }
    bool backEnabled() const { return action(Command::PreviousTopic)->isEnabled(); }
    bool forwardEnabled() const { return action(Command::NextTopic)->isEnabled(); }

    static void clickItem(QListWidget* list, int row)
    {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    static void doubleClickItem(QListWidget* list, int row)
    {
        list->scrollToItem(list->item(row));
        const QPoint centre = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);  // the first click of the two
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }
    static int rowOf(QListWidget* list, const QString& text)
    {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? -1 : list->row(found.first());
    }
    void clickTab(Page page) const
    {
        QTabBar* bar = nav()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(int(page)).center());
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
        // Enter goes down in the editor, the rename ends, and Enter comes up
        // in the list, as on a keyboard.
        QTest::keyPress(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        ASSERT_NE(QApplication::focusWidget(), editor) << "Enter does not end the rename";
        QTest::keyRelease(list, Qt::Key_Return);
    }

    QStringList resultTexts() const
    {
        QStringList texts;
        for (int i = 0; i < search()->results()->topLevelItemCount(); ++i)
            texts << search()->results()->topLevelItem(i)->text(0);
        return texts;
    }
    void find(const QString& key)
    {
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        ASSERT_TRUE(nav()->searchShown());
        ASSERT_EQ(QApplication::focusWidget(), search()->findBox());
        QTest::keyClicks(search()->findBox(), key);
        QTest::keyClick(search()->findBox(), Qt::Key_Return);
    }
};

TEST_F(NavigatorTest, QuantityListsShowIconsAndFullTitles)
{
    QListWidget* topics = nav()->topicList();
    ASSERT_EQ(topics->count(), 26);
    for (int i = 0; i < topics->count(); ++i) {
        EXPECT_FALSE(topics->item(i)->icon().isNull()) << "item " << i + 1;
        EXPECT_EQ(topics->item(i)->toolTip(), topics->item(i)->text()) << "item " << i + 1;
    }
    ASSERT_EQ(nav()->userList()->count(), 2);
    EXPECT_FALSE(nav()->userList()->item(1)->icon().isNull());
    EXPECT_EQ(nav()->userList()->item(1)->text(), u("Zrychlení"));
    // The chosen entry stays marked while another control has the focus.
    const QPalette palette = topics->palette();
    EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight),
              palette.color(QPalette::Active, QPalette::Highlight));
}

TEST_F(NavigatorTest, SingleClickOnlyChangesBackAndForward)
{
    struct Case {
        Page page;
        int row;
        int slot;
        bool back;
        bool forward;
    };
    const Case cases[] = {
        {Page::Topics, 1, 2, true, true}, {Page::Topics, 25, 26, true, false}, {Page::Topics, 0, 1, false, true},
        {Page::User, 1, 29, true, false}, {Page::User, 0, 27, false, true},
    };
    for (const Case& c : cases) {
        if (c.page == Page::User)
            window->showUserTopicList();
        else
            window->showTopicList();
        QListWidget* list = c.page == Page::User ? nav()->userList() : nav()->topicList();
        clickItem(list, c.row);
        EXPECT_EQ(window->currentTopic(), c.slot) << "slot " << c.slot;
        EXPECT_EQ(backEnabled(), c.back) << "slot " << c.slot;
        EXPECT_EQ(window->commands()->toolButton(Command::PreviousTopic)->isEnabled(), c.back) << "slot " << c.slot;
        EXPECT_EQ(forwardEnabled(), c.forward) << "slot " << c.slot;
        EXPECT_FALSE(topicShown()) << "a single click opened slot " << c.slot;
    }
    window->showTopicList();
    doubleClickItem(nav()->topicList(), 2);
    EXPECT_EQ(title(), u(" Objem"));
    window->commands()->toolButton(Command::PreviousTopic)->click();
    EXPECT_EQ(title(), u(" Plošný obsah"));
    EXPECT_EQ(nav()->topicList()->currentRow(), 1);
}

TEST_F(NavigatorTest, EnterOpensTheSelectedQuantityOrTopicOne)
{
    QListWidget* topics = nav()->topicList();
    topics->setCurrentRow(-1);
    topics->setFocus();
    QTest::keyClick(topics, Qt::Key_Return);  // before any topic was chosen
    EXPECT_EQ(window->currentTopic(), 1);
    EXPECT_EQ(title(), u(" Délka"));
    EXPECT_TRUE(window->conversionPanel()->isVisible());

    QTest::keyClick(topics, Qt::Key_Down);
    QTest::keyClick(topics, Qt::Key_Down);
    QTest::keyClick(topics, Qt::Key_Return);
    EXPECT_EQ(window->currentTopic(), 3);
    EXPECT_EQ(title(), u(" Objem"));
}

TEST_F(NavigatorTest, RenameChangesListMenuAndTitleLine)
{
    QListWidget* topics = nav()->topicList();
    topics->setCurrentRow(0);
    rename(topics, u("Vzdálenost & co"));
    EXPECT_FALSE(topicShown()) << "the Enter that ends a rename opens nothing";
    EXPECT_EQ(topics->item(0)->text(), u("Vzdálenost & co"));
    EXPECT_EQ(topics->item(0)->toolTip(), u("Vzdálenost & co"));
    EXPECT_EQ(topic(1)->text(), u("Vzdálenost && co"));  // shown with its "&", not as an access key
    EXPECT_EQ(window->catalogue().title(1), u("Vzdálenost & co"));

    topic(1)->trigger();
    EXPECT_EQ(title(), u(" Vzdálenost & co"));
    rename(topics, u("Délka"));  // while the topic is open the title line follows at once
    EXPECT_EQ(title(), u(" Délka"));
    EXPECT_EQ(window->currentTopic(), 1);

    // F2 renames in the list even though it is also the magnifier's key.
    topic(3)->trigger();
    ASSERT_TRUE(action(Command::Magnifier)->isEnabled());
    nav()->userList()->setCurrentRow(1);
    window->showUserTopicList();
    nav()->userList()->setCurrentRow(1);
    rename(nav()->userList(), u("Zrychlení tělesa"));
    EXPECT_FALSE(action(Command::Magnifier)->isChecked());
    EXPECT_EQ(window->catalogue().title(29), u("Zrychlení tělesa"));
    EXPECT_EQ(topic(3)->text(), u("Objem"));
}

TEST_F(NavigatorTest, EmptyRenameIsRefused)
{
    QListWidget* topics = nav()->topicList();
    for (const char* text : {"", "   "}) {
        topics->setCurrentRow(0);
        rename(topics, u(text));
        EXPECT_EQ(topics->item(0)->text(), u("Délka")) << '"' << text << '"';
        EXPECT_EQ(topic(1)->text(), u("Délka")) << '"' << text << '"';
        EXPECT_EQ(window->catalogue().title(1), u("Délka")) << '"' << text << '"';
    }
}

TEST_F(NavigatorTest, UnitOpensWithItsRowCurrentAndOnTop)
{
    struct Case {
        const char* name;
        const char* topicTitle;
        int row;
        int top;
        bool marker;
    };
    const Case cases[] = {
        {"nádoba 5", " Objem", 4, 4, true},  // the unit tagged 3-5
        {"nádoba 1", " Objem", 0, 0, false},
        {"loket", " Délka", 5, 0, false},  // every row fits: nothing to scroll, nothing hidden above
    };
    window->showUnitList();
    QListWidget* units = nav()->unitList();
    for (const Case& c : cases) {
        const int item = rowOf(units, u(c.name));
        ASSERT_GE(item, 0) << c.name;
        doubleClickItem(units, item);
        EXPECT_EQ(title(), u(c.topicTitle)) << c.name;
        EXPECT_EQ(grid()->currentRow(), c.row) << c.name;
        EXPECT_EQ(grid()->topRow(), c.top) << c.name;
        EXPECT_EQ(window->conversionPanel()->marker()->isVisible(), c.marker) << c.name;
    }
    units->setCurrentRow(rowOf(units, u("nádoba 7")));
    units->setFocus();
    QTest::keyClick(units, Qt::Key_Return);
    EXPECT_EQ(grid()->currentRow(), 6);
    EXPECT_EQ(grid()->topRow(), 6);
}

TEST_F(NavigatorTest, ShortcutsShowTheLists)
{
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Page page;
        Command menuEntry;
        const char* panelText;
        const char* title;
    };
    const Case cases[] = {
        {Qt::Key_F4, Qt::NoModifier, Page::Units, Command::ShowUnitList, "Jednotky", " Výběr jednotky"},
        {Qt::Key_F4, Qt::ShiftModifier, Page::Topics, Command::ShowTopicList, "Veličiny", " Výběr veličiny"},
        {Qt::Key_F4, Qt::ControlModifier | Qt::ShiftModifier, Page::User, Command::ShowUserTopicList,
         "Uživatelské veličiny", " Výběr veličiny"},
    };
    for (const Case& c : cases) {
        QTest::keyClick(window.get(), c.key, c.modifiers);
        EXPECT_EQ(nav()->shownPage(), c.page) << c.panelText;
        for (Command entry : {Command::ShowTopicList, Command::ShowUserTopicList, Command::ShowUnitList})
            EXPECT_EQ(action(entry)->isChecked(), entry == c.menuEntry) << c.panelText << " entry " << int(entry);
        EXPECT_EQ(panel(StatusPanel::NavigatorList), u(c.panelText));
        EXPECT_EQ(title(), u(c.title));
        EXPECT_EQ(QApplication::focusWidget(), nav()->currentWidget()) << c.panelText;
    }
    EXPECT_EQ(nav()->userList()->currentRow(), 0);

    topic(2)->trigger();
    QTest::keyClick(window.get(), Qt::Key_F4);
    EXPECT_EQ(title(), u(" Plošný obsah")) << "an open topic keeps its title";
    EXPECT_EQ(nav()->unitList()->currentRow(), 0);
}

TEST_F(NavigatorTest, StatusPanelsOpenTheLists)
{
    QTest::mouseClick(window->commands()->panel(StatusPanel::UnitCount), Qt::LeftButton);
    EXPECT_EQ(nav()->shownPage(), Page::Units);
    EXPECT_TRUE(window->conversionPanel()->isVisible());
    QTest::mouseClick(window->commands()->panel(StatusPanel::TopicCount), Qt::LeftButton);
    EXPECT_EQ(nav()->shownPage(), Page::Topics);
    EXPECT_EQ(panel(StatusPanel::NavigatorList), u("Veličiny"));
}

TEST_F(NavigatorTest, TabsMakeTheSelectedQuantityCurrent)
{
    nav()->topicList()->setCurrentRow(4);
    clickTab(Page::Units);
    EXPECT_EQ(nav()->shownPage(), Page::Units);
    EXPECT_EQ(panel(StatusPanel::NavigatorList), u("Jednotky"));
    EXPECT_EQ(window->currentTopic(), 0);
    clickTab(Page::Topics);
    EXPECT_EQ(window->currentTopic(), 5);
    EXPECT_TRUE(action(Command::ShowTopicList)->isChecked());
    EXPECT_FALSE(topicShown());
    clickTab(Page::User);
    EXPECT_EQ(window->currentTopic(), 27);
    EXPECT_FALSE(backEnabled());
    QTest::keyClick(nav(), Qt::Key_V, Qt::AltModifier);  // the tab's access key is a choice too
    EXPECT_EQ(nav()->shownPage(), Page::Topics);
    EXPECT_EQ(window->currentTopic(), 5);
}

TEST_F(NavigatorTest, UserTopicsOneAndThreeOpenAndStepInListOrder)
{
    window->showUserTopicList();
    doubleClickItem(nav()->userList(), 1);
    EXPECT_EQ(window->currentTopic(), 29);
    EXPECT_EQ(title(), u(" Zrychlení"));
    EXPECT_EQ(grid()->nameText(1), u("gal"));
    EXPECT_FALSE(forwardEnabled());
    QTest::keyClick(window.get(), Qt::Key_F7);
    EXPECT_EQ(window->currentTopic(), 27);
    EXPECT_EQ(title(), u(" Frekvence"));
    EXPECT_EQ(nav()->userList()->currentRow(), 0);
    QTest::keyClick(window.get(), Qt::Key_F8);
    EXPECT_EQ(window->currentTopic(), 29);
}

TEST_F(NavigatorTest, ViewModesOfTheQuantityLists)
{
    struct Case {
        Command entry;
        QListView::ViewMode mode;
        int iconSize;
    };
    const Case cases[] = {{Command::NavigatorIconView, QListView::IconMode, 32},
                          {Command::NavigatorListView, QListView::ListMode, 16},
                          {Command::NavigatorIconView, QListView::IconMode, 32}};
    for (const Case& c : cases) {
        action(c.entry)->trigger();
        for (QListWidget* list : {nav()->topicList(), nav()->userList()}) {
            EXPECT_EQ(list->viewMode(), c.mode) << list->objectName().toStdString() << " entry " << int(c.entry);
            EXPECT_EQ(list->iconSize(), QSize(c.iconSize, c.iconSize)) << list->objectName().toStdString();
            EXPECT_EQ(list->isWrapping(), c.mode == QListView::IconMode) << list->objectName().toStdString();
        }
        EXPECT_EQ(action(Command::NavigatorIconView)->isChecked(), c.mode == QListView::IconMode);
        EXPECT_EQ(action(Command::NavigatorListView)->isChecked(), c.mode == QListView::ListMode);
    }
    QMenu* menu = window->commands()->menu(Menu::NavigatorView);
    QWidget* viewport = nav()->topicList()->viewport();
    QTest::mouseRelease(viewport, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(menu->isVisible());
    menu->close();
}

TEST_F(NavigatorTest, SearchListsExactThenSimilarInGrey)
{
    find(u("metr"));
    const QStringList expected = {u("metr"), u("metr"), u("kilometr"), u("centimetr"), u("metr čtvereční")};
    ASSERT_EQ(resultTexts(), expected);
    const QTreeWidget* results = search()->results();
    const QColor grey = search()->palette().color(QPalette::Disabled, QPalette::Text);
    const char* tags[] = {"1-1", "1-1", "1-2", "1-3", "2-1"};
    for (int i = 0; i < results->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = results->topLevelItem(i);
        EXPECT_EQ(item->data(0, SearchPanel::kTagRole).toString(), u(tags[i])) << "result " << i;
        EXPECT_EQ(item->foreground(0).color() == grey, i > 0) << "result " << i;
        EXPECT_EQ(item->toolTip(0), nav()->topicTitle(i == 4 ? 2 : 1)) << "result " << i;
    }
    EXPECT_EQ(results->headerItem()->text(0), u("Jednotka"));

    struct Case {
        const char* key;
        int count;
    };
    const Case cases[] = {{"", 0}, {"Metr", 0}, {"[", 0}, {"m*", 0}, {"nádoba 40", 2}};
    for (const Case& c : cases) {
        search()->findBox()->setText(u(c.key));
        QTest::keyClick(search()->findBox(), Qt::Key_Return);
        EXPECT_EQ(results->topLevelItemCount(), c.count) << c.key;
    }
}

TEST_F(NavigatorTest, ResultTooltipsFollowARenamedTopic)
{
    find(u("metr"));
    nav()->topicList()->setCurrentRow(0);
    window->showTopicList();
    rename(nav()->topicList(), u("Vzdálenost"));
    const QTreeWidget* results = search()->results();
    EXPECT_EQ(results->topLevelItem(2)->toolTip(0), u("Vzdálenost"));
    EXPECT_EQ(results->topLevelItem(4)->toolTip(0), u("Plošný obsah"));
    find(u("centimetr"));
    EXPECT_EQ(resultTexts(), QStringList({u("centimetr"), u("centimetr")}));
    EXPECT_EQ(results->topLevelItem(0)->toolTip(0), u("Vzdálenost"));
}

TEST_F(NavigatorTest, EnterOpensAResultAndShowingAListHidesTheSearch)
{
    find(u("kilometr"));
    QTreeWidget* results = search()->results();
    ASSERT_EQ(results->topLevelItemCount(), 2);
    results->setFocus();
    results->setCurrentItem(results->topLevelItem(1));
    QTest::keyClick(results, Qt::Key_Return);
    EXPECT_EQ(title(), u(" Délka"));
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(results->topLevelItem(1)->foreground(0).color(),
              search()->palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_TRUE(nav()->searchShown()) << "the results stay until the user leaves them";

    QTest::keyClick(window.get(), Qt::Key_F4);
    EXPECT_FALSE(nav()->searchShown());
    find(u("centimetr"));
    QTest::mouseClick(search()->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(nav()->searchShown());
    EXPECT_EQ(resultTexts(), QStringList({u("centimetr"), u("centimetr")})) << "the results stay until the next search";
}

// No user quantities at all: the user list is empty.
class NoUserTopicsTest : public NavigatorTest {
protected:
    QStringList userFileLines() const override { return {u("'nothing here")}; }
};

TEST_F(NoUserTopicsTest, EmptyUserListKeepsTheCurrentTopic)
{
    clickItem(nav()->topicList(), 4);
    clickTab(Page::User);
    EXPECT_EQ(panel(StatusPanel::NavigatorList), u("Uživatelské veličiny"));
    EXPECT_EQ(window->currentTopic(), 5);
    nav()->userList()->setFocus();
    QTest::keyClick(nav()->userList(), Qt::Key_Return);
    EXPECT_EQ(title(), u(" Hustota"));
}

}  // namespace

namespace {

TEST(NavigatorUnitList, CzechAlphabeticalOrder)
{
    NavigatorPanel panel;
    const char* names[] = {"chlast", "čárka", "hodina", "cent", "Ímperiální", "zrno", "icí"};
    QList<UnitListEntry> entries;
    for (int i = 0; i < 7; ++i) entries.append({QString::fromUtf8(names[i]), QStringLiteral("Delka"), unitTag(1, i + 1)});
    panel.setUnits(entries);
    QStringList shown;
    for (int i = 0; i < panel.unitList()->count(); ++i) shown << panel.unitList()->item(i)->text();
    // "č" follows "c", and "ch" is its own letter after "h".
    EXPECT_EQ(shown, (QStringList{u("cent"), u("čárka"), u("hodina"), u("chlast"), u("icí"), u("Ímperiální"), u("zrno")}));
    EXPECT_EQ(panel.unitList()->item(3)->data(Qt::UserRole + 2).toString(), u("1-1"));
}

}  // namespace
