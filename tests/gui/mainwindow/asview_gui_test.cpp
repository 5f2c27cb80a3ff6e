// "Aktuální jako", the clipboard and the prefix view, driven through the main
// window's menus, shortcuts and toolbar. The texts themselves are proved in
// the core; here each command's wiring is shown once.
#include "conversion/conversionengine.h"
#include "mainwindow/sidepanels.h"
#include "support/windowfixture.h"

#include <QListWidget>
#include <QScrollBar>

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

class AsViewTest : public MainWindowTest {
protected:
    QColor infoColour() const { return window->infoLine()->palette().color(QPalette::WindowText); }
    QToolButton* button(Command command) const { return window->commands()->toolButton(command); }
    void enterLength(int row, const char* value)
    {
        topic(1)->trigger();
        typeInto(row, u(value));
    }
};

// One row per command: its key (or its menu entry), the line, and what the
// window does with the answer.
TEST_F(AsViewTest, RepresentationsShowTheirLineInColour)
{
    struct Case {
        const char* value;
        int shortcut;  // with Ctrl; 0: the menu entry is triggered
        Command command;
        const char* line;
        bool rangeError;
    };
    const Case cases[] = {
        {"255", Qt::Key_H, Command::AsHex, "255 dekadicky = FF hexadecimálně.", false},
        {"40000", Qt::Key_B, Command::AsBinary, "Vstupní hodnota 40000 je mimo povolený rozsah.", true},
        {"8", Qt::Key_O, Command::AsOctal, "8 dekadicky = 10 oktálně.", false},
        {"10", Qt::Key_N, Command::AsOwnBase, "10 dekadicky = (A)12", false},
        {"10,5", 0, Command::AsOwnBaseWithPlaces, "10,5 dekadicky = (A,6)12", false},
        {"2,5", Qt::Key_Z, Command::AsFraction, "2 + 1/2 chyba 0", false},
        {"12,7", Qt::Key_L, Command::AsRoman, "12 = XII", false},
    };
    topic(1)->trigger();
    action(Command::Magnifier)->trigger();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        typeInto(0, u(c.value));
        const QString magnified = window->magnifier()->magnifiedText();
        window->navigator()->setFocus();  // the command gives the focus back to the grid
        if (c.shortcut)
            QTest::keyClick(window.get(), Qt::Key(c.shortcut), Qt::ControlModifier);
        else
            action(c.command)->trigger();
        EXPECT_EQ(info(), u(c.line));
        EXPECT_EQ(infoColour(), c.rangeError ? QColor(255, 0, 0) : QColor(Qt::black));
        EXPECT_EQ(grid()->hasFocus(), !c.rangeError);
        EXPECT_EQ(window->magnifier()->magnifiedText(), c.rangeError ? magnified : u(c.line));
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(AsViewTest, HiddenPreviewLineGivesImportantLinesAMessageBox)
{
    enterLength(0, "2,5");
    action(Command::Preview)->trigger();
    action(Command::AsHex)->trigger();  // not important: no box
    EXPECT_TRUE(messages.messages.isEmpty());
    action(Command::AsFraction)->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title + u("|") + messages.messages[0].text, u("Tolvarin|2 + 1/2 chyba 0"));
}

TEST_F(AsViewTest, JakoRepeatsTheRememberedChoiceOnly)
{
    topic(1)->trigger();
    QToolButton* jako = button(Command::AsRemembered);
    EXPECT_FALSE(jako->isEnabled());  // the opened topic's cell is empty
    typeInto(0, QStringLiteral("255"));
    EXPECT_TRUE(jako->isEnabled());
    jako->click();
    EXPECT_EQ(info(), u("255 dekadicky = 11111111 binárně."));  // binary after start

    struct Step {
        Command entry;  // AsRemembered: the button itself
        const char* line;
        const char* image;
        const char* tooltip;
    };
    const Step steps[] = {
        {Command::AsHex, "255 dekadicky = FF hexadecimálně.", "Hex", "Hexadecimálně"},
        {Command::AsRemembered, "255 dekadicky = FF hexadecimálně.", "Hex", "Hexadecimálně"},
        {Command::AsOwnBase, "255 dekadicky = (193)12", "AktualniJako", "Hexadecimálně"},  // not remembered
        {Command::AsRemembered, "255 dekadicky = FF hexadecimálně.", "AktualniJako", "Hexadecimálně"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(int(step.entry));
        window->infoLine()->setInfo(QString(), Qt::black);
        if (step.entry == Command::AsRemembered)
            jako->click();
        else
            chooseFromDropDown(jako, action(step.entry));
        EXPECT_EQ(info(), u(step.line));
        EXPECT_EQ(window->commands()->picture(Command::AsRemembered), u(step.image));
        EXPECT_EQ(jako->toolTip(), u(step.tooltip));
    }
}

// Copy needs a value in the cell, Paste a number on the clipboard.
TEST_F(AsViewTest, ClipboardCommandsFollowTheCellAndTheClipboard)
{
    topic(1)->trigger();
    EXPECT_FALSE(action(Command::Copy)->isEnabled());
    clipboard.setText(u("slovo"));  // another program copies
    EXPECT_FALSE(action(Command::Paste)->isEnabled());
    clipboard.setText(u("12,5"));
    EXPECT_TRUE(button(Command::Paste)->isEnabled());
    grid()->setCurrentCell(1, ConversionGrid::kValueColumn);
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(grid()->isEditing());
    EXPECT_EQ(grid()->valueText(0), u("12500"));
    EXPECT_EQ(info(), u(" km: 12,50 km = 12 500,00 m "));
    EXPECT_EQ(window->conversionCount(), 1);
    EXPECT_TRUE(button(Command::Copy)->isEnabled());
    grid()->setCurrentCell(3, ConversionGrid::kValueColumn);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text(), u("492126"));
}

// The window's shortcuts work while a value is being typed, as when no edit is open.
TEST_F(AsViewTest, ShortcutsInsideTheOpenEditor)
{
    enterLength(1, "5");
    grid()->setCurrentCell(2, ConversionGrid::kValueColumn);
    QTest::keyClick(grid(), Qt::Key_7);
    ASSERT_TRUE(grid()->isEditing());
    QTest::keyClick(grid()->editor(), Qt::Key_C, Qt::ControlModifier);  // copies the cell
    EXPECT_EQ(clipboard.text(), u("500000"));
    clipboard.setText(u("0,75"));
    QTest::keyClick(grid()->editor(), Qt::Key_V, Qt::ControlModifier);  // replaces the text, commits nothing
    ASSERT_TRUE(grid()->isEditing());
    EXPECT_EQ(grid()->editor()->text(), u("0,75"));
    EXPECT_EQ(grid()->valueText(0), u("5000"));
    QTest::keyClick(grid()->editor(), Qt::Key_Z, Qt::ControlModifier);  // commits, then the fraction
    EXPECT_FALSE(grid()->isEditing());
    EXPECT_EQ(grid()->valueText(0), u("0,0075"));
    EXPECT_EQ(info(), u("3/4 chyba 0"));
}

TEST_F(AsViewTest, NegativePasteShowsTheNoticeOncePerRun)
{
    topic(1)->trigger();
    grid()->setCurrentCell(1, ConversionGrid::kValueColumn);
    for (const char* text : {"-5", "-3"}) {
        clipboard.setText(u(text));
        action(Command::Paste)->trigger();
    }
    EXPECT_EQ(grid()->valueText(0), u("3000"));
    EXPECT_EQ(message(), negativeValueNoticeText());
}

TEST_F(AsViewTest, F5ShowsTheValueWithEveryPrefix)
{
    window->resize(900, 420);  // short: the prefix topic has to scroll
    topic(1)->trigger();
    QTest::keyClick(window.get(), Qt::Key_F5);  // an empty cell: nothing happens
    EXPECT_EQ(window->currentTopic(), 1);
    typeInto(0, QStringLiteral("1500"));
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(window->currentTopic(), 26);
    EXPECT_EQ(window->titleLine()->text(), u(" metr"));
    EXPECT_EQ(grid()->valueText(6), u("1,5"));  // kilo: the first row within (1, 1000)
    EXPECT_EQ(grid()->currentRow(), 6);
    ASSERT_GE(grid()->verticalScrollBar()->maximum(), 6);
    EXPECT_EQ(grid()->topRow(), 6);
    EXPECT_EQ(clipboard.text(), u("1500"));
    EXPECT_EQ(window->navigator()->topicList()->currentRow(), 25);
    EXPECT_TRUE(button(Command::AsRemembered)->isChecked());  // "Jako" pressed, and it stays so
    button(Command::AsRemembered)->click();
    EXPECT_TRUE(button(Command::AsRemembered)->isChecked());
}

}  // namespace
