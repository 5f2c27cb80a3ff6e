// "Aktuální jako", the clipboard and the prefix view, driven through the main
// window's menus, shortcuts, toolbar and pop-up menus on an offscreen window.
#include "common/recordingmessagesink.h"
#include "conversion/clipboardaccess.h"
#include "conversion/conversionengine.h"
#include "conversion/conversiongrid.h"
#include "mainwindow/commandsurfaces.h"
#include "mainwindow/infolinelabel.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/sidepanels.h"
#include "navigation/navigatorpanel.h"
#include "support/testfiles.h"
#include "support/windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

// The clipboard of a test. With keepsOtherText set, another program seems
// to overwrite everything the window puts there.
class MemoryClipboard : public ClipboardAccess {
public:
    QString text() const override { return text_; }
    void setText(const QString& text) override
    {
        if (!keepsOtherText) text_ = text;
        if (handler_) handler_();
    }
    bool hasText() const override { return !text_.isEmpty(); }
    void setChangeHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

    bool keepsOtherText = false;

private:
    QString text_;
    std::function<void()> handler_;
};

// Lengths, temperatures and the prefix topic, whose first row is the factor 1
// and which is long enough to scroll.
const QStringList kMainFile = {
    u("1|metr|m|1||True"),
    u("1|kilometr|km|1000|"),
    u("1|centimetr|cm|0.01|"),
    u("1|palec|in|0.0254|"),
    u("16|kelvin|K|1||True"),
    u("16|stupeň Celsia|°C|1|"),
    u("16|stupeň Fahrenheita|°F|5/9|"),
    u("16|stupeň Rankina|°R|5/9|"),
    u("16|stupeň Réaumura|°Ré|1.25|"),
    u("26|bez předpony||1||True"),
    u("26|exa|E|1E18|"),
    u("26|peta|P|1E15|"),
    u("26|tera|T|1E12|"),
    u("26|giga|G|1E9|"),
    u("26|mega|M|1E6|"),
    u("26|kilo|k|1000|"),
    u("26|hekto|h|100|"),
    u("26|deka|da|10|"),
    u("26|deci|d|0.1|"),
    u("26|centi|c|0.01|"),
    u("26|mili|m|0.001|"),
    u("26|mikro|µ|1E-6|"),
    u("26|nano|n|1E-9|"),
    u("26|piko|p|1E-12|"),
    u("26|femto|f|1E-15|"),
    u("26|atto|a|1E-18|"),
    u("26|zepto|z|1E-21|"),
    u("26|yokto|y|1E-24|"),
    u("26|ronto|r|1E-27|"),
    u("26|quekto|q|1E-30|"),
    u("26|desetina quekta||1E-31|"),
    u("26|setina quekta||1E-32|"),
    u("26|tisícina quekta||1E-33|"),
    u("26|desetitisícina quekta||1E-34|"),
    u("26|statisícina quekta||1E-35|"),
    u("26|miliontina quekta||1E-36|"),
};
constexpr int kKiloRow = 6;

const QLocale kCzech(QLocale::Czech, QLocale::CzechRepublic);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

class AsViewTest : public ::testing::Test {
protected:
    void SetUp() override { open(kCzech); }

    void open(const QLocale& locale)
    {
        // The window is kept short, so that the prefix topic has to scroll.
        window.reset();
        folder.writeLines(QStringLiteral("Tolvar.tvd"), kMainFile);
        folder.writeLines(QStringLiteral("User.tvd"), {});
        MainWindowOptions options = test::testWindowOptions(folder, locale, &messages);
        options.clipboard = &clipboard;
        window = std::make_unique<MainWindow>(options);
        ASSERT_TRUE(window->startUp());
        window->resize(900, 450);
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    ConversionGrid* grid() const { return window->grid(); }
    QAction* action(Command command) const { return window->commands()->action(command); }
    QAction* topic(int slot) const { return window->commands()->topicAction(slot); }
    QToolButton* button(Command command) const { return window->commands()->toolButton(command); }
    QString info() const { return window->infoLine()->fullText(); }
    QColor infoColour() const { return window->infoLine()->palette().color(QPalette::WindowText); }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(grid(), Qt::Key(key), modifiers);
    }

    void typeInto(int row, const QString& text) { test::typeIntoGrid(grid(), row, text); }

    // Opens lengths and enters a value into a row.
    void enterLength(int row, const char* value)
    {
        topic(1)->trigger();
        typeInto(row, u(value));
    }

    // A right click on a row's value cell, where "Aktuální jako" pops up.
    QMenu* rightClickValue(int row)
    {
        const QRect cell = grid()->visualRect(grid()->model()->index(row, ConversionGrid::kValueColumn));
        QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, cell.center());
        return window->commands()->menu(Menu::AsView);
    }

    test::TestFolder folder;
    RecordingMessageSink messages;
    MemoryClipboard clipboard;
    std::unique_ptr<MainWindow> window;
};

// ---- Aktuální jako ----

struct RepresentationCase {
    const char* value;
    int shortcut;  // with Ctrl; 0: the menu entry is triggered
    Command command;
    const char* line;
    bool rangeError;
};

const RepresentationCase kRepresentations[] = {
    {"255", Qt::Key_H, Command::AsHex, "255 dekadicky = FF hexadecimálně.", false},
    {"40000", Qt::Key_B, Command::AsBinary, "Vstupní hodnota 40000 je mimo povolený rozsah.", true},
    {"40000", 0, Command::AsHex, "40000 dekadicky = 9C40 hexadecimálně.", false},
    {"8", Qt::Key_O, Command::AsOctal, "8 dekadicky = 10 oktálně.", false},
    {"10", Qt::Key_N, Command::AsOwnBase, "10 dekadicky = (A)12", false},
    {"10,5", 0, Command::AsOwnBaseWithPlaces, "10,5 dekadicky = (A,6)12", false},
    {"2,5", Qt::Key_Z, Command::AsFraction, "2 + 1/2 chyba 0", false},
    {"0,75", 0, Command::AsFraction, "3/4 chyba 0", false},
    {"12,7", Qt::Key_L, Command::AsRoman, "12 = XII", false},
    {"12000", 0, Command::AsRoman, "12000 = Číslo musí být maximálně rovno 10 000.", false},
};

TEST_F(AsViewTest, RepresentationsShowTheirLineInColour)
{
    topic(1)->trigger();
    action(Command::Magnifier)->trigger();
    for (const RepresentationCase& c : kRepresentations) {
        SCOPED_TRACE(std::string(c.value) + " command " + std::to_string(int(c.command)));
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

TEST_F(AsViewTest, OwnBaseFollowsTheSettings)
{
    EXPECT_EQ(action(Command::AsOwnBase)->text(), u("Vlast&ní (12)"));
    enterLength(0, "35");
    action(Command::AsOwnBase)->trigger();
    EXPECT_EQ(info(), u("35 dekadicky = (2B)12"));
    window->representationSettings() = {32, 2, 3};
    action(Command::AsOwnBase)->trigger();
    EXPECT_EQ(info(), u("35 dekadicky = (13)32"));
    window->representationSettings() = {1, 6, 3};  // a stored base the dialog would not allow
    action(Command::AsOwnBase)->trigger();
    EXPECT_EQ(info(), u("Vstupní hodnota 35 je mimo povolený rozsah."));
    EXPECT_EQ(infoColour(), QColor(255, 0, 0));
}

TEST_F(AsViewTest, HiddenPreviewLineGivesImportantLinesAMessageBox)
{
    enterLength(0, "2,5");
    action(Command::Preview)->trigger();
    ASSERT_FALSE(window->infoLine()->isVisible());
    action(Command::AsHex)->trigger();  // not important: dropped
    EXPECT_TRUE(messages.messages.isEmpty());
    action(Command::AsFraction)->trigger();
    action(Command::AsRoman)->trigger();
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(messages.messages[0].text, u("2 + 1/2 chyba 0"));
    EXPECT_EQ(messages.messages[0].title, u("Tolvarin"));
    EXPECT_EQ(messages.messages[1].text, u("2 = II"));
}

TEST_F(AsViewTest, RightClickOnAValueOffersTheRepresentations)
{
    enterLength(1, "255");
    QMenu* menu = rightClickValue(1);
    ASSERT_TRUE(menu->isVisible());
    action(Command::AsHex)->trigger();  // the pop-up holds the same entries
    menu->hide();
    EXPECT_EQ(info(), u("255 dekadicky = FF hexadecimálně."));
}

// ---- the "Jako" button ----

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
        {Command::AsOwnBase, "255 dekadicky = (193)12", "AktualniJako", "Hexadecimálně"},
        {Command::AsRemembered, "255 dekadicky = FF hexadecimálně.", "AktualniJako", "Hexadecimálně"},
        {Command::AsOwnBaseWithPlaces, "255 dekadicky = (193,000000)12", "AktualniJako", "Hexadecimálně"},
        {Command::AsOctal, "255 dekadicky = 377 oktálně.", "Oct", "Oktálně"},
        {Command::AsRoman, "255 = CCLV", "Romanus", "Římsky"},
        {Command::AsRemembered, "255 = CCLV", "Romanus", "Římsky"},
        {Command::AsFraction, "Celé číslo", "Zlomek", "Zlomek"},
        {Command::AsBinary, "255 dekadicky = 11111111 binárně.", "Bin", "Binárně"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(int(step.entry));
        window->infoLine()->setInfo(QString(), Qt::black);
        if (step.entry == Command::AsRemembered)
            jako->click();
        else
            test::chooseFromDropDown(jako, action(step.entry));
        EXPECT_EQ(info(), u(step.line));
        EXPECT_EQ(window->commands()->picture(Command::AsRemembered), u(step.image));
        EXPECT_EQ(jako->toolTip(), u(step.tooltip));
    }
}

// ---- the clipboard ----

TEST_F(AsViewTest, CopyNeedsAValueAndCopiesTheShownText)
{
    topic(1)->trigger();
    EXPECT_FALSE(action(Command::Copy)->isEnabled());
    EXPECT_FALSE(button(Command::Copy)->isEnabled());
    typeInto(1, QStringLiteral("5"));
    EXPECT_TRUE(action(Command::Copy)->isEnabled());
    EXPECT_TRUE(button(Command::Copy)->isEnabled());

    grid()->setCurrentCell(3, ConversionGrid::kValueColumn);
    press(Qt::Key_C);
    EXPECT_EQ(clipboard.text(), u("196850,4"));
    grid()->setCurrentCell(0, ConversionGrid::kValueColumn);
    button(Command::Copy)->click();
    EXPECT_EQ(clipboard.text(), u("5000"));

    topic(16)->trigger();  // a fresh topic: nothing to copy
    EXPECT_FALSE(action(Command::Copy)->isEnabled());
    EXPECT_FALSE(action(Command::ExtendedCopy)->isVisible());
    EXPECT_FALSE(action(Command::ExtendedCopy)->isEnabled());
}

struct PasteCheck {
    const QLocale* locale;
    const char* text;
    bool enabled;
};

// clang-format off
const PasteCheck kPasteChecks[] = {
    {&kCzech, "12,5", true},
    {&kCzech, " 12,5\n", true},
    {&kCzech, "-3", true},
    {&kCzech, "slovo", false},
    {&kCzech, "", false},
    {&kCzech, "12.5", false},
    {&kEnglish, "12.5", true},
    {&kEnglish, "12,5", false},
};
// clang-format on

TEST_F(AsViewTest, PasteIsOfferedForNumbersOfTheLocale)
{
    for (const PasteCheck& c : kPasteChecks) {
        SCOPED_TRACE(c.locale->name().toStdString() + " '" + c.text + "'");
        open(*c.locale);
        topic(1)->trigger();
        clipboard.setText(u(c.text));  // another program copies
        EXPECT_EQ(action(Command::Paste)->isEnabled(), c.enabled);
        EXPECT_EQ(button(Command::Paste)->isEnabled(), c.enabled);
    }
}

TEST_F(AsViewTest, PastingIntoTheKilometreRowRecomputesTheTopic)
{
    topic(1)->trigger();
    clipboard.setText(u("12,5"));
    grid()->setCurrentCell(1, ConversionGrid::kValueColumn);
    press(Qt::Key_V);
    EXPECT_FALSE(grid()->isEditing());
    EXPECT_EQ(grid()->valueColumn(), (QStringList{u("12500"), u("12,5"), u("1250000"), u("492126")}));
    EXPECT_EQ(info(), u(" km: 12,50 km = 12 500,00 m "));
    EXPECT_EQ(window->conversionCount(), 1);
    EXPECT_TRUE(action(Command::Copy)->isEnabled());

    clipboard.setText(u("2"));
    grid()->setCurrentCell(0, ConversionGrid::kValueColumn);
    button(Command::Paste)->click();
    EXPECT_EQ(grid()->valueText(1), u("0,002"));
    EXPECT_EQ(window->conversionCount(), 2);
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(AsViewTest, PastingFromTheEditorsPopUpReplacesTheEditedTextOnly)
{
    enterLength(1, "5");
    grid()->setCurrentCell(2, ConversionGrid::kValueColumn);
    grid()->startEdit(u("7"));
    clipboard.setText(u("3,25"));
    QMenu* menu = window->commands()->menu(Menu::Edit);
    emit grid()->editor()->customContextMenuRequested(QPoint(2, 2));  // the editor's right click
    ASSERT_TRUE(menu->isVisible());
    ASSERT_TRUE(menu->actions().contains(action(Command::Paste)));
    action(Command::Paste)->trigger();
    menu->hide();
    ASSERT_TRUE(grid()->isEditing());
    EXPECT_EQ(grid()->editor()->text(), u("3,25"));
    EXPECT_EQ(grid()->valueText(2), u("500000"));
    EXPECT_EQ(window->conversionCount(), 1);
    QTest::keyClick(grid()->editor(), Qt::Key_Return);
    EXPECT_EQ(grid()->valueText(0), u("0,0325"));
}

TEST_F(AsViewTest, RefusedPasteRestoresTheCell)
{
    enterLength(1, "5");
    clipboard.setText(u("1E308"));  // a number, but no metre count can hold it
    ASSERT_TRUE(action(Command::Paste)->isEnabled());
    grid()->setCurrentCell(1, ConversionGrid::kValueColumn);
    action(Command::Paste)->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].text.startsWith(u("Chyba 6: ")));
    EXPECT_EQ(grid()->valueText(1), u("5"));
    EXPECT_EQ(grid()->valueText(0), u("5000"));
    EXPECT_EQ(window->conversionCount(), 1);
}

TEST_F(AsViewTest, NegativePasteShowsTheNoticeOncePerRun)
{
    topic(1)->trigger();
    grid()->setCurrentCell(1, ConversionGrid::kValueColumn);
    for (const char* text : {"-5", "-3"}) {
        clipboard.setText(u(text));
        press(Qt::Key_V);
    }
    EXPECT_EQ(grid()->valueText(1), u("3"));
    EXPECT_EQ(grid()->valueText(0), u("3000"));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text, negativeValueNoticeText());

    topic(16)->trigger();  // temperatures keep their sign
    clipboard.setText(u("-10"));
    grid()->setCurrentCell(1, ConversionGrid::kValueColumn);
    press(Qt::Key_V);
    EXPECT_EQ(grid()->valueText(0), u("263,15"));
    EXPECT_EQ(messages.messages.size(), 1);
}

// ---- the prefix view ----

TEST_F(AsViewTest, F5ShowsFifteenHundredMetresWithEveryPrefix)
{
    enterLength(0, "1500");
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(window->currentTopic(), 26);
    EXPECT_EQ(window->titleLine()->text(), u(" metr"));
    const QStringList column = grid()->valueColumn();
    ASSERT_EQ(column.size(), 27);
    EXPECT_EQ(column[0], u("1500"));
    EXPECT_EQ(column[5], u("0,0015"));  // mega
    EXPECT_EQ(column[kKiloRow], u("1,5"));
    EXPECT_EQ(column[7], u("15"));       // hekto
    EXPECT_EQ(column[9], u("15000"));    // deci
    EXPECT_EQ(column[1], u("1,5E-15"));  // exa
    EXPECT_EQ(grid()->currentRow(), kKiloRow);
    ASSERT_GE(grid()->verticalScrollBar()->maximum(), kKiloRow);
    EXPECT_EQ(grid()->topRow(), kKiloRow);
    EXPECT_EQ(clipboard.text(), u("1500"));
    EXPECT_EQ(window->navigator()->topicList()->currentRow(), 25);
    EXPECT_TRUE(window->navigator()->topicList()->currentItem()->isSelected());
    EXPECT_FALSE(action(Command::NextTopic)->isEnabled());  // topic 26 is the last built-in topic
    EXPECT_TRUE(action(Command::Copy)->isEnabled());
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(AsViewTest, PrefixViewWithoutARowBetweenOneAndAThousand)
{
    struct Case {
        const char* value;
        int currentRow;
        int topRow;
    };
    // 0 fits no row; exactly 1000 in the first row does not qualify, kilo's 1 neither,
    // hekto's 10 does.
    const Case cases[] = {{"0", 0, 0}, {"1000", 7, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        enterLength(0, c.value);
        action(Command::PrefixView)->trigger();
        EXPECT_EQ(window->currentTopic(), 26);
        EXPECT_EQ(grid()->currentRow(), c.currentRow);
        ASSERT_GE(grid()->verticalScrollBar()->maximum(), c.topRow);
        EXPECT_EQ(grid()->topRow(), c.topRow);
    }
}

TEST_F(AsViewTest, PrefixViewKeepsItsValueWhenTheClipboardIsTakenOver)
{
    enterLength(1, "2");  // 2 km = 2000 m
    clipboard.setText(u("999"));
    clipboard.keepsOtherText = true;
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(window->titleLine()->text(), u(" kilometr"));
    EXPECT_EQ(grid()->valueText(kKiloRow), u("0,002"));
}

TEST_F(AsViewTest, PrefixViewNeedsAValueAndRefusesOneItCannotShow)
{
    topic(1)->trigger();
    action(Command::PrefixView)->trigger();  // the current cell is empty
    EXPECT_EQ(window->currentTopic(), 1);

    action(Command::FormatDouble)->trigger();    // double precision holds the value
    typeInto(0, QStringLiteral("1E300"));  // atto would need 1E318
    clipboard.setText(u("7"));
    action(Command::PrefixView)->trigger();
    EXPECT_EQ(window->currentTopic(), 1);
    EXPECT_EQ(clipboard.text(), u("7"));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].text.startsWith(u("Chyba 6: ")));
}

}  // namespace
