// Tolvarin Lite driven as a user drives it: the menu entry, typing and Enter,
// the unit chooser, closing, and what happens when the topic is opened anew.
#include "mainwindow/compactview.h"
#include "mainwindow/conversionpanel.h"
#include "support/windowfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

class CompactViewTest : public MainWindowTest {
protected:
    CompactView* view() const { return window->compactView(); }
    QString box(int i) const { return view()->box(i)->text(); }
    void enter(int i, const QString& text)
    {
        view()->box(i)->clear();
        QTest::keyClicks(view()->box(i), text);
        QTest::keyClick(view()->box(i), Qt::Key_Return);
    }
    // Opens the unit chooser of a box and moves down the list by `steps` units (up when negative).
    void choose(int i, int steps)
    {
        QTest::mouseClick(view()->chooserButton(i), Qt::LeftButton);
        QAbstractItemView* list = view()->unitChooser()->view();
        for (int step = 0; step < std::abs(steps); ++step) QTest::keyClick(list, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
    }
};

TEST_F(CompactViewTest, WithoutATopicOnlyTheMessage)
{
    action(Command::CompactView)->trigger();
    EXPECT_TRUE(view()->isHidden());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.messages[0].text, u("Není vybraná veličina.\r\n\r\nNejprve vyberte veličinu."));
}

TEST_F(CompactViewTest, EnterAndTheUnitChooserConvert)
{
    topic(1)->trigger();
    action(Command::CompactView)->trigger();
    EXPECT_EQ(view()->geometry(), window->conversionPanel()->rect());
    choose(1, 1);  // centimetr, with nothing typed yet
    EXPECT_EQ(view()->unitName(1)->text() + view()->unitSymbol(1)->text(), u("centimetrcm"));
    enter(0, u("1500"));
    EXPECT_EQ(box(1), u("150000"));
    choose(1, -1);  // kilometr: box 1 keeps its number, box 0 follows
    EXPECT_EQ(box(0) + u(" ") + box(1), u("150000000 150000"));
    enter(1, u("2"));
    EXPECT_EQ(box(0), u("2000"));
    EXPECT_TRUE(messages.messages.isEmpty());
    enter(0, u("abc"));
    EXPECT_EQ(box(1), u("2"));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, u("Nevhodná vstupní hodnota."));
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Exclamation);
    window->resize(1000, 700);
    EXPECT_EQ(view()->geometry(), window->conversionPanel()->rect());
}

TEST_F(CompactViewTest, ClosingKeepsTheTextsAndReopeningResets)
{
    topic(1)->trigger();
    action(Command::CompactView)->trigger();
    enter(0, u("1500"));
    choose(0, 2);  // centimetr
    QTest::mouseClick(view()->closeButton(), Qt::LeftButton);
    EXPECT_TRUE(view()->isHidden());
    EXPECT_EQ(box(0) + u(" ") + box(1), u("1500 0,015"));
    action(Command::CompactView)->trigger();
    EXPECT_EQ(box(0) + box(1) + view()->unitName(0)->text(), u("metr"));
    // Escape closes an open unit list alone, then the view; Tab goes round the view's own controls.
    QTest::mouseClick(view()->chooserButton(0), Qt::LeftButton);
    QTest::keyClick(view()->unitChooser()->view(), Qt::Key_Escape);
    EXPECT_TRUE(view()->isVisible());
    EXPECT_TRUE(view()->unitChooser()->isHidden());
    view()->closeButton()->setFocus();
    QTest::keyClick(view()->closeButton(), Qt::Key_Tab);
    EXPECT_TRUE(view()->box(0)->hasFocus());
    QTest::keyClick(view()->box(0), Qt::Key_Escape);
    EXPECT_TRUE(view()->isHidden());
    EXPECT_TRUE(grid()->hasFocus());
}

TEST_F(CompactViewTest, OpeningTheTopicAnewClosesTheView)
{
    for (QAction* anew : {topic(2), action(Command::Reload)}) {
        topic(1)->trigger();
        action(Command::CompactView)->trigger();
        anew->trigger();
        EXPECT_TRUE(view()->isHidden()) << anew->text().toStdString();
    }
}

}  // namespace
