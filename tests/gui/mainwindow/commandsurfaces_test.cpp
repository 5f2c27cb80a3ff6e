#include "mainwindow/commandsurfaces.h"
#include "mainwindow/commandtable.h"

#include <QAction>
#include <QActionGroup>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for texts.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tolvarin {
namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// True when the icon puts at least one visible pixel on a 24 x 24 button.
bool paintsSomething(const QIcon& icon)
{
    const QImage image = icon.pixmap(QSize(24, 24)).toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) return true;
    return false;
}

class CommandSurfacesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        surfaces_ = new CommandSurfaces(&window_);
        window_.resize(900, 600);
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    QAction* entry(const char* name, int index = -1) const
    {
        QAction* found = surfaces_->action(u(name), index);
        EXPECT_NE(found, nullptr) << name << " " << index;
        return found;
    }

    QMainWindow window_;
    CommandSurfaces* surfaces_ = nullptr;
};

TEST_F(CommandSurfacesTest, MenuBarShowsTheSevenMenusAndKeepsTabulkaForPopUps)
{
    QStringList shown;
    for (QAction* top : window_.menuBar()->actions())
        if (top->isVisible()) shown << top->text();
    EXPECT_EQ(shown.join(", "), u("&Soubor, Úpr&avy, &Zobrazit, &Přejít, &Formát, Nást&roje, &Nápověda"));

    QMenu* tabulka = surfaces_->menu("mnuTab");
    ASSERT_NE(tabulka, nullptr);
    EXPECT_FALSE(tabulka->menuAction()->isVisible());
    QStringList entries;
    for (QAction* hide : tabulka->actions()) {
        EXPECT_TRUE(hide->isEnabled()) << qPrintable(hide->text());
        entries << hide->text();
    }
    EXPECT_EQ(entries.join(", "), u("Zobrazit, Skrýt aktivní, Skrýt neoznačené"));
    EXPECT_EQ(surfaces_->menu("mnuA")->menuAction(), surfaces_->action("mnuA"));
    EXPECT_EQ(surfaces_->menu("mnuKonec"), nullptr);
    EXPECT_EQ(surfaces_->action("mnuTema", 27), nullptr);
}

// Every entry shows the table's caption, shortcut and design-time state; an
// entry of a disabled submenu is disabled with it.
void expectBuiltAsTable(const CommandSurfaces& surfaces, const std::vector<MenuNode>& nodes, bool reachable)
{
    for (const MenuNode& node : nodes) {
        if (node.isSeparator()) continue;
        const std::string row = (node.id()).toStdString();
        QAction* action = surfaces.action(node.name, node.index);
        ASSERT_NE(action, nullptr) << row;
        EXPECT_EQ(action->text(), node.caption) << row;
        EXPECT_EQ(action->shortcut(), QKeySequence(node.shortcut, QKeySequence::PortableText)) << row;
        EXPECT_EQ(action->isCheckable(), node.check != CheckKind::None) << row;
        EXPECT_EQ(action->isChecked(), node.checked) << row;
        EXPECT_EQ(action->isVisible(), !node.hidden) << row;
        EXPECT_EQ(action->isEnabled(), reachable && !node.hidden && !node.disabled) << row;
        EXPECT_EQ(action->property("helpContext").toInt(), node.helpContext) << row;
        if (node.check == CheckKind::Exclusive) {
            ASSERT_NE(action->actionGroup(), nullptr) << row;
            EXPECT_TRUE(action->actionGroup()->isExclusive()) << row;
        }
        if (node.isSubmenu()) expectBuiltAsTable(surfaces, node.children, reachable && !node.disabled);
    }
}

TEST_F(CommandSurfacesTest, EntriesAreBuiltAsTheTableSays)
{
    for (const MenuNode& top : menuBarTable()) expectBuiltAsTable(*surfaces_, top.children, true);
    EXPECT_EQ(entry("mnuFormatZ", 0)->text(), u("&Jednoduchá přesnost"));
    EXPECT_EQ(entry("mnuFormatZ", 0)->shortcut().toString(QKeySequence::PortableText), u("Ctrl+J"));
    EXPECT_EQ(entry("mnuNavigator", 1)->shortcut().toString(QKeySequence::PortableText), u("Ctrl+Shift+F4"));
    EXPECT_EQ(entry("mnuTema", 22)->text(), u("Intenzita magnetického pole"));
}

struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;  // nullptr: nothing may fire
    int index;
};

const KeyCase kKeys[] = {
    {Qt::Key_J, Qt::ControlModifier, "mnuFormatZ", 0},
    {Qt::Key_D, Qt::ControlModifier, "mnuFormatZ", 1},
    {Qt::Key_X, Qt::ControlModifier, "mnuFormatZ", 3},
    {Qt::Key_F8, Qt::NoModifier, "mnuNavigace", 2},
    {Qt::Key_F4, Qt::ShiftModifier, "mnuNavigator", 0},
    {Qt::Key_F4, Qt::ControlModifier | Qt::ShiftModifier, "mnuNavigator", 1},
    {Qt::Key_F4, Qt::NoModifier, "mnuNavigator", 2},
    {Qt::Key_E, Qt::ControlModifier, "mnuEdit", 0},
    {Qt::Key_R, Qt::ControlModifier, "mnuNacist", -1},
    {Qt::Key_T, Qt::ControlModifier, "mnuOnTop", -1},
    {Qt::Key_F1, Qt::NoModifier, "mnuNapoveda", -1},
    {Qt::Key_F1, Qt::ShiftModifier, "mnuKlavesnice", -1},
    // Disabled at design time, in the disabled "Aktuální jako", or hidden.
    {Qt::Key_F2, Qt::NoModifier, nullptr, 0},
    {Qt::Key_F7, Qt::NoModifier, nullptr, 0},
    {Qt::Key_S, Qt::ControlModifier, nullptr, 0},
    {Qt::Key_B, Qt::ControlModifier, nullptr, 0},
    {Qt::Key_Z, Qt::ControlModifier, nullptr, 0},
    {Qt::Key_F5, Qt::ControlModifier, nullptr, 0},
};

TEST_F(CommandSurfacesTest, ShortcutsReachTheWindowByNameAndIndex)
{
    QSignalSpy spy(surfaces_, &CommandSurfaces::menuTriggered);
    for (const KeyCase& c : kKeys) {
        const std::string row = QKeySequence(c.key | c.modifiers).toString().toStdString();
        spy.clear();
        QTest::keyClick(&window_, c.key, c.modifiers);
        if (!c.name) {
            EXPECT_EQ(spy.count(), 0) << row;
            continue;
        }
        ASSERT_EQ(spy.count(), 1) << row;
        EXPECT_EQ(spy.at(0).at(0).toString(), u(c.name)) << row;
        EXPECT_EQ(spy.at(0).at(1).toInt(), c.index) << row;
    }
}

TEST_F(CommandSurfacesTest, ToggleEntriesLeaveTheirMarkToTheWindow)
{
    QSignalSpy spy(surfaces_, &CommandSurfaces::menuTriggered);
    QAction* onTop = entry("mnuOnTop");
    QTest::keyClick(&window_, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FALSE(onTop->isChecked()) << "the handler still sees the state before the key";
    onTop->setChecked(true);
    QTest::keyClick(&window_, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(onTop->isChecked());

    QAction* barvy = entry("mnuBarvy");
    barvy->trigger();  // as a click in the menu does
    EXPECT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(2).at(0).toString(), u("mnuBarvy"));
    EXPECT_TRUE(barvy->isChecked());
}

TEST_F(CommandSurfacesTest, ExclusiveGroupsKeepOneMarkWhichTheWindowHasLast)
{
    QTest::keyClick(&window_, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(entry("mnuFormatZ", 1)->isChecked());
    EXPECT_FALSE(entry("mnuFormatZ", 0)->isChecked());

    entry("mnuFormatZ", 3)->setChecked(true);  // the window's own choice wins
    for (int index = 0; index < 4; ++index) EXPECT_EQ(entry("mnuFormatZ", index)->isChecked(), index == 3) << index;

    QSignalSpy spy(surfaces_, &CommandSurfaces::menuTriggered);
    QTest::keyClick(&window_, Qt::Key_X, Qt::ControlModifier);  // the checked entry again
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(entry("mnuFormatZ", 3)->isChecked());
}

TEST_F(CommandSurfacesTest, DisabledSubmenuSilencesItsEntriesAndGivesTheirStatesBack)
{
    QSignalSpy spy(surfaces_, &CommandSurfaces::menuTriggered);
    entry("mnuA")->setEnabled(true);
    QTest::keyClick(&window_, Qt::Key_B, Qt::ControlModifier);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), u("mnuSoustava"));
    EXPECT_EQ(spy.at(0).at(1).toInt(), 0);

    entry("mnuLatin")->setEnabled(false);
    entry("mnuA")->setEnabled(false);
    EXPECT_FALSE(entry("mnuZlomek")->isEnabled());
    QTest::keyClick(&window_, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(spy.count(), 1);
    entry("mnuA")->setEnabled(true);
    EXPECT_TRUE(entry("mnuZlomek")->isEnabled());
    EXPECT_FALSE(entry("mnuLatin")->isEnabled()) << "the entry's own state survives";

    entry("mnuUroven")->setEnabled(false);
    EXPECT_FALSE(entry("mnuU", 2)->isEnabled());
    entry("mnuUroven")->setEnabled(true);
    EXPECT_TRUE(entry("mnuU", 2)->isEnabled());
    EXPECT_TRUE(entry("mnuU", 0)->isChecked());
}

TEST_F(CommandSurfacesTest, HiddenEntryGetsItsShortcutWhenShown)
{
    QSignalSpy spy(surfaces_, &CommandSurfaces::menuTriggered);
    QTest::keyClick(&window_, Qt::Key_F6, Qt::ControlModifier);
    EXPECT_EQ(spy.count(), 0);
    entry("mnuRec", 1)->setVisible(true);
    QTest::keyClick(&window_, Qt::Key_F6, Qt::ControlModifier);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), u("mnuRec"));
    EXPECT_EQ(spy.at(0).at(1).toInt(), 1);
}

TEST_F(CommandSurfacesTest, StatusPanelsStandLeftToRightAndReportClicks)
{
    const auto& panels = statusPanelTable();
    int previousRight = -1;
    for (const StatusPanelDef& def : panels) {
        QLabel* panel = surfaces_->statusPanel(def.key);
        ASSERT_NE(panel, nullptr) << qPrintable(def.key);
        EXPECT_EQ(panel->text(), def.text) << qPrintable(def.key);
        EXPECT_EQ(panel->toolTip(), def.tooltip) << qPrintable(def.key);
        EXPECT_TRUE(panel->isVisible()) << qPrintable(def.key);
        EXPECT_GT(panel->x(), previousRight) << qPrintable(def.key);
        previousRight = panel->geometry().right();
    }
    EXPECT_EQ(surfaces_->statusPanel(u("Presnost"))->toolTip(), u("Jednoduchá přesnost"));

    QSignalSpy spy(surfaces_, &CommandSurfaces::statusPanelClicked);
    QTest::mouseClick(surfaces_->statusPanel("Uroven"), Qt::LeftButton);
    QTest::mouseClick(surfaces_->statusPanel(u("TVeličiny")), Qt::RightButton);
    QTest::mouseClick(surfaces_->statusPanel(u("Temata")), Qt::LeftButton);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toString(), u("Uroven"));
    EXPECT_EQ(spy.at(1).at(0).toString(), u("Temata"));
}

TEST_F(CommandSurfacesTest, EditaceOnOffSwitchesTheListedCommands)
{
    // As while recording: hidden commands report no enabled state.
    for (int rec = 0; rec < 3; ++rec) entry("mnuRec", rec)->setVisible(true);
    for (const char* key : {"Start", "Pause", "Stop"}) surfaces_->toolButton(key)->setVisible(true);
    const EditModeTargets& targets = editModeTargets();
    for (bool editing : {true, false, true}) {
        surfaces_->EditaceOnOff(editing);
        for (const MenuRef& ref : targets.menusOnWhileEditing)
            EXPECT_EQ(entry(qPrintable(ref.name), ref.index)->isEnabled(), editing) << qPrintable(ref.name);
        for (const MenuRef& ref : targets.menusOffWhileEditing)
            EXPECT_EQ(entry(qPrintable(ref.name), ref.index)->isEnabled(), !editing) << qPrintable(ref.name);
        for (const QString& key : targets.buttonsOnWhileEditing)
            EXPECT_EQ(surfaces_->toolButton(key)->isEnabled(), editing) << qPrintable(key);
        for (const QString& key : targets.buttonsOffWhileEditing)
            EXPECT_EQ(surfaces_->toolButton(key)->isEnabled(), !editing) << qPrintable(key);
        EXPECT_EQ(entry("mnuPismo")->isVisible(), editing);
        ASSERT_NE(surfaces_->separatorAfter("mnuPismo"), nullptr);
        EXPECT_EQ(surfaces_->separatorAfter("mnuPismo")->isVisible(), editing);
        EXPECT_TRUE(entry("mnuTisk")->isEnabled()) << "not part of the switch";
    }
    // The explicit checks above cover the spelled-out cases of the switch.
    EXPECT_TRUE(surfaces_->toolButton(u("Uložit"))->isEnabled());
    EXPECT_FALSE(surfaces_->toolButton(u("Jako"))->isEnabled());
    surfaces_->EditaceOnOff(false);
    EXPECT_FALSE(surfaces_->toolButton(u("Uložit"))->isEnabled());
    EXPECT_TRUE(surfaces_->toolButton(u("Jako"))->isEnabled());
    EXPECT_TRUE(entry("mnuSoustava", 0)->isEnabled()) << "enabling mnuA reaches its entries";
}

TEST_F(CommandSurfacesTest, ToolbarButtonsStandInOrderWithTheirTooltips)
{
    QStringList layout;
    for (QAction* button : surfaces_->toolBar()->actions())
        layout << (button->isSeparator() ? QStringLiteral("|") : button->objectName());
    EXPECT_EQ(layout.join(' '), u("Otevřít Uložit | | Tisk Kopírovat Vložit | Náhled Lupa Info Jako | Zpět Vpřed | "
                                  "Úroveň | Start Pause Stop Rec | Nápověda"));
    EXPECT_EQ(surfaces_->toolButton("Stop")->toolTip(), u("Koncec nahrávání"));
    EXPECT_EQ(surfaces_->toolButton(u("Otevřít"))->toolTip(), u("Editace"));
    EXPECT_FALSE(surfaces_->toolButton("Start")->isVisible());
    EXPECT_TRUE(surfaces_->toolButton("Rec")->isVisible());
    EXPECT_FALSE(surfaces_->toolButton("Rec")->isEnabled());
    EXPECT_EQ(surfaces_->toolButton("Binarne"), nullptr);
    for (const char* key : {"Náhled", "Lupa", "Info"}) EXPECT_TRUE(surfaces_->toolButton(u(key))->isCheckable()) << key;
    EXPECT_FALSE(surfaces_->toolButton(u("Zpět"))->isCheckable());
}

TEST_F(CommandSurfacesTest, JakoHasItsSevenEntryDropDown)
{
    QAction* jako = surfaces_->toolButton("Jako");
    ASSERT_NE(jako, nullptr);
    ASSERT_NE(jako->menu(), nullptr);
    QStringList texts;
    for (QAction* item : jako->menu()->actions()) texts << item->text();
    EXPECT_EQ(texts.join(", "), u("Binárně, Oktálně, Hexadecimálně, Vlastní, Vlastní vč. des. míst, Zlomek, Římsky"));
    auto* split = qobject_cast<QToolButton*>(surfaces_->toolBar()->widgetForAction(jako));
    ASSERT_NE(split, nullptr);
    EXPECT_EQ(split->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(surfaces_->toolButton(u("Úroveň"))->menu()->actions().size(), 4);

    QSignalSpy entries(surfaces_, &CommandSurfaces::toolMenuClicked);
    QSignalSpy buttons(surfaces_, &CommandSurfaces::toolButtonClicked);
    surfaces_->toolMenuEntry("Jako", "Hexadecimalne")->trigger();
    surfaces_->toolMenuEntry(u("Úroveň"), "Uroven2")->trigger();
    EXPECT_EQ(surfaces_->toolMenuEntry("Jako", "Vse"), nullptr);
    ASSERT_EQ(entries.count(), 2);
    EXPECT_EQ(entries.at(0).at(0).toString(), u("Hexadecimalne"));
    EXPECT_EQ(entries.at(1).at(0).toString(), u("Uroven2"));

    jako->setEnabled(true);
    QTest::mouseClick(split, Qt::LeftButton, {}, QPoint(4, split->height() / 2));
    ASSERT_EQ(buttons.count(), 1);
    EXPECT_EQ(buttons.at(0).at(0).toString(), u("Jako"));
    EXPECT_EQ(entries.count(), 2);
}

TEST_F(CommandSurfacesTest, TwoStateButtonChangesItsPressedStateOnAClick)
{
    QAction* lupa = surfaces_->toolButton("Lupa");
    lupa->setEnabled(true);
    QSignalSpy buttons(surfaces_, &CommandSurfaces::toolButtonClicked);
    QTest::mouseClick(surfaces_->toolBar()->widgetForAction(lupa), Qt::LeftButton);
    ASSERT_EQ(buttons.count(), 1);
    EXPECT_EQ(buttons.at(0).at(0).toString(), u("Lupa"));
    EXPECT_TRUE(lupa->isChecked());
}

TEST_F(CommandSurfacesTest, EveryToolbarButtonAndPictureIsDrawn)
{
    for (const ToolButtonDef& def : toolbarTable()) {
        if (def.isSeparator()) continue;
        QAction* button = surfaces_->toolButton(def.key);
        ASSERT_NE(button, nullptr) << qPrintable(def.key);
        EXPECT_FALSE(button->icon().isNull()) << qPrintable(def.key);
        EXPECT_TRUE(paintsSomething(button->icon())) << qPrintable(def.key);
    }
    // Our own drawings stand in whenever the icon theme lacks a picture.
    for (const ToolbarImage& image : toolbarImages()) {
        EXPECT_TRUE(paintsSomething(toolbarIcon(image.key))) << qPrintable(image.key);
        EXPECT_TRUE(paintsSomething(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(image.key)))) << qPrintable(image.key);
    }
    EXPECT_TRUE(toolbarIcon("Hexadecimalne").isNull());
}

TEST_F(CommandSurfacesTest, JakoTakesThePictureOfTheLastChoice)
{
    EXPECT_EQ(surfaces_->toolButtonImage("Jako"), u("AktualniJako"));
    surfaces_->setToolButtonImage("Jako", "Hex");
    EXPECT_EQ(surfaces_->toolButtonImage("Jako"), u("Hex"));
    const QImage shown = surfaces_->toolButton("Jako")->icon().pixmap(24, 24).toImage();
    EXPECT_EQ(shown, toolbarIcon("Hex").pixmap(24, 24).toImage());
    EXPECT_NE(shown, toolbarIcon("Bin").pixmap(24, 24).toImage());

    surfaces_->setToolButtonImage("Jako", "Hexadecimalne");  // not a picture: ignored
    EXPECT_EQ(surfaces_->toolButtonImage("Jako"), u("Hex"));
}

}  // namespace
}  // namespace tolvarin
