// Start-up and shutdown of the whole window against a temporary settings store.
#include "common/recordingmessagesink.h"
#include "conversion/conversiongrid.h"
#include "mainwindow/commandsurfaces.h"
#include "mainwindow/lifecycle.h"
#include "mainwindow/mainwindow.h"
#include "navigation/navigatorpanel.h"
#include "settings/settingsstore.h"
#include "support/testfiles.h"
#include "support/windowfixture.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QSettings>

#include <gtest/gtest.h>

#include <memory>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeLines(QStringLiteral("Tolvar.tvd"),
                          {u("1|metr|m|1|i|True"), u("1|kilometr|km|1000|"), u("2|metr čtvereční|m²|1||True"),
                           u("2|ar|a|100|")});
        folder.writeLines(QStringLiteral("User.tvd"), {u("'U1=Frekvence"), u("1|hertz|Hz|1|")});
    }

    void store(const char* section, const char* key, const QString& value)
    {
        SettingsStore settings(folder.path(QStringLiteral("settings.ini")));
        settings.writeText(QString::fromLatin1(section), QString::fromLatin1(key), value);
        settings.flush();
    }

    QString stored(const char* section, const char* key)
    {
        SettingsStore settings(folder.path(QStringLiteral("settings.ini")));
        return settings.readText(QString::fromLatin1(section), QString::fromLatin1(key), QStringLiteral("<none>"));
    }

    std::unique_ptr<MainWindow> makeWindow(RecordingMessageSink& sink)
    {
        return std::make_unique<MainWindow>(
            test::testWindowOptions(folder, QLocale(QLocale::Czech, QLocale::CzechRepublic), &sink));
    }

    test::TestFolder folder;
    RecordingMessageSink messages;
};

TEST_F(StartupTest, EmptyStoreGivesEveryDefault)
{
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(window->titleLine()->text(), u(" Vítejte v programu Tolvarin!"));
    EXPECT_EQ(window->currentTopic(), 0);
    EXPECT_TRUE(window->commands()->action(Command::Preview)->isChecked());
    EXPECT_FALSE(window->commands()->action(Command::Magnifier)->isChecked());
    EXPECT_FALSE(window->commands()->action(Command::InfoPanel)->isChecked());
    EXPECT_EQ(window->commands()->panel(StatusPanel::Precision)->text(), u("J"));
    EXPECT_EQ(window->commands()->action(Command::AsOwnBase)->text(), u("Vlast&ní (12)"));
    EXPECT_EQ(window->commands()->action(Command::FormatFixed)->text(), u("Pevný počet (2)"));
    EXPECT_EQ(window->navigator()->userList()->item(0)->text(), u("Frekvence"));  // named by the user file
    EXPECT_EQ(window->width(), 506);  // 7590 x 6285 twips at 96 dpi
    EXPECT_EQ(window->height(), 419);
    EXPECT_EQ(stored("Start", "Spusteno"), u("1"));
}

TEST_F(StartupTest, StoredStartTopicLevelAndPanels)
{
    store("Start", "Tema", u("2"));
    store("Obecne", "Lupa", u("True"));
    store("Obecne", "Presnost", u("1"));
    store("Obecne", "Uroven", u("1"));
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    EXPECT_EQ(window->currentTopic(), 2);
    EXPECT_EQ(window->titleLine()->text(), u(" Plošný obsah"));
    EXPECT_TRUE(window->commands()->action(Command::Magnifier)->isChecked());
    EXPECT_TRUE(window->currentLayout().magnifierVisible);
    EXPECT_EQ(window->commands()->panel(StatusPanel::Precision)->text(), u("D"));
    EXPECT_EQ(window->commands()->panel(StatusPanel::Level)->text(), u("1"));
    EXPECT_TRUE(window->commands()->action(Command::Level1)->isChecked());
}

TEST_F(StartupTest, ASettingThatCannotBeLoadedIsAskedAbout)
{
    store("Start", "NumBase", u("x"));
    messages.answers = {MessageAnswer::Retry, MessageAnswer::Ignore};
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    ASSERT_EQ(messages.messages.size(), 2);  // asked again after Retry
    EXPECT_EQ(messages.messages[1].icon, MessageIcon::Critical);
    EXPECT_EQ(messages.messages[1].title + u("|") + messages.messages[1].text,
              u("Chyba inicializace|Chyba načítání z registrů."));
    EXPECT_EQ(window->representationSettings().ownBase, 12);
}

TEST_F(StartupTest, MagnifierStaysOffOnTheStartScreen)
{
    store("Obecne", "Lupa", u("True"));
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    EXPECT_FALSE(window->currentLayout().magnifierVisible);
    EXPECT_FALSE(window->commands()->action(Command::Magnifier)->isChecked());
}

TEST_F(StartupTest, SetupAsksToStartAgain)
{
    struct Case {
        const char* safeEnd;
        MessageAnswer answer;
        bool goesOn;
    };
    const Case cases[] = {{"0", MessageAnswer::Yes, false}, {"1", MessageAnswer::Yes, false}, {"1", MessageAnswer::No, true}};
    for (const Case& c : cases) {
        store("Obecne", "SafeEnd", u(c.safeEnd));
        RecordingMessageSink sink;
        sink.answers = {c.answer};
        auto window = makeWindow(sink);
        EXPECT_EQ(window->startUp({u("tolvarin"), u("setup")}), c.goesOn) << c.safeEnd;
        ASSERT_GE(sink.messages.size(), 1);
        EXPECT_EQ(sink.messages[0].text, u("Spusťte aplikaci znovu."));
    }
}

TEST_F(StartupTest, SecondInstanceEndsWithoutCountingALaunch)
{
    store("Start", "OnlyOne", u("1"));
    store("Obecne", "SafeEnd", u("0"));
    auto first = makeWindow(messages);
    ASSERT_TRUE(first->startUp());
    EXPECT_EQ(stored("Start", "Spusteno"), u("1"));
    RecordingMessageSink sink;
    auto second = makeWindow(sink);
    EXPECT_FALSE(second->startUp());
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].text.startsWith(u("Je nastavena volba Spouštět pouze 1 instanci programu.")));
    EXPECT_EQ(stored("Start", "Spusteno"), u("1"));
}

TEST_F(StartupTest, QuitAsksWhenSafeEndIsSet)
{
    RecordingMessageSink sink;
    sink.answers = {MessageAnswer::No, MessageAnswer::Yes};
    auto window = makeWindow(sink);
    ASSERT_TRUE(window->startUp());
    window->commands()->topicAction(1)->trigger();
    EXPECT_FALSE(window->close());  // "Ukončit program?" answered No
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(sink.messages.last().text, u("Ukončit program?"));
    EXPECT_EQ(stored("Obecne", "Doba"), u("<none>"));
    EXPECT_TRUE(window->close());  // answered Yes
    EXPECT_NE(stored("Obecne", "Doba"), u("<none>"));
    EXPECT_EQ(stored("Obecne", "Prevedeno"), u("0"));
}

TEST_F(StartupTest, NamesPlacementAndCountsSurviveARestart)
{
    store("Obecne", "SafeEnd", u("0"));
    {
        auto window = makeWindow(messages);
        ASSERT_TRUE(window->startUp());
        window->navigator()->topicList()->item(0)->setText(u("Vzdálenost"));
        window->commands()->topicAction(1)->trigger();
        ConversionGrid* grid = window->grid();
        grid->setCurrentCell(1, ConversionGrid::kValueColumn);
        grid->startEdit(u("3"));
        grid->commitEdit();
        window->move(40, 30);
        window->setNavigatorWidth(2500);
        EXPECT_TRUE(window->close());
    }
    EXPECT_EQ(stored("Navigator", "S1"), u("Vzdálenost"));
    EXPECT_EQ(stored("Obecne", "Prevedeno"), u("1"));
    EXPECT_EQ(stored("Start", "Vlevo"), u("2500"));
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    EXPECT_EQ(window->navigator()->topicList()->item(0)->text(), u("Vzdálenost"));
    EXPECT_EQ(window->commands()->topicAction(1)->text(), u("Vzdálenost"));
    EXPECT_EQ(window->navigatorWidth(), 2500);
    EXPECT_EQ(window->conversionCount(), 1);
    EXPECT_EQ(stored("Start", "Spusteno"), u("2"));
}

}  // namespace
