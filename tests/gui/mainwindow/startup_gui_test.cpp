// Start-up and shutdown of the whole window against a temporary settings store.
#include "common/apptitle.h"
#include "mainwindow/lifecycle.h"
#include "mainwindow/sidepanels.h"
#include "mainwindow/splashwindow.h"
#include "navigation/navigatorpanel.h"
#include "settings/settingsstore.h"
#include "support/windowfixture.h"

#include <QDir>
#include <QFileInfo>

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeLines(QStringLiteral("Tolvar.tvd"), test::mainTestFile());
        folder.writeLines(QStringLiteral("User.tvd"), test::userTestFile());
    }

    QString ini() const { return folder.path(QStringLiteral("settings.ini")); }
    void store(const char* section, const char* key, const QString& value)
    {
        SettingsStore settings(ini());
        settings.writeText(QString::fromLatin1(section), QString::fromLatin1(key), value);
    }
    QString stored(const char* section, const char* key) const
    {
        return SettingsStore(ini()).readText(QString::fromLatin1(section), QString::fromLatin1(key), u("<none>"));
    }
    QByteArray iniBytes() const { return test::fileBytes(ini()); }

    std::unique_ptr<MainWindow> makeWindow(RecordingMessageSink& sink)
    {
        MainWindowOptions options =
            test::testWindowOptions(folder, QLocale(QLocale::Czech, QLocale::CzechRepublic), &sink);
        options.optionsServices = &optionsUser;
        return std::make_unique<MainWindow>(options);
    }
    QAction* action(const MainWindow& window, Command command) const { return window.commands()->action(command); }

    test::TestFolder folder;
    RecordingMessageSink messages;
    test::OptionsAtHand optionsUser;
};

// No store: a comfortable window for the screen, every quantity title whole,
// the welcome with its hint, and status panels that are never cut.
TEST_F(StartupTest, FirstStartIsReadable)
{
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    EXPECT_TRUE(messages.messages.isEmpty());
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_GE(window->width(), screen.width() * 2 / 3);
    EXPECT_GE(window->height(), screen.height() * 2 / 3);
    QListWidget* topics = window->navigator()->topicList();
    ASSERT_EQ(topics->count(), 26);
    for (int i = 0; i < topics->count(); ++i) {
        const QString title = topics->item(i)->text();
        EXPECT_FALSE(topics->item(i)->icon().isNull()) << title.toStdString();
        EXPECT_LE(topics->iconSize().width() + 12 + topics->fontMetrics().horizontalAdvance(title),
                  topics->viewport()->width())
            << title.toStdString();
    }
    EXPECT_EQ(window->titleLine()->text(), u(" Vítejte v programu Tolvarin!"));
    EXPECT_TRUE(window->findChild<QLabel*>(u("startHint"))->isVisible());
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(stored("Start", "Spusteno"), u("1"));

    window->resize(window->minimumSize());
    for (StatusPanel which : {StatusPanel::NavigatorList, StatusPanel::TopicCount, StatusPanel::UnitCount,
                              StatusPanel::TopicUnits, StatusPanel::Level, StatusPanel::Precision}) {
        const QLabel* panel = window->commands()->panel(which);
        EXPECT_GE(panel->width(), panel->sizeHint().width()) << panel->text().toStdString();
        EXPECT_LE(panel->geometry().right(), window->statusBar()->width()) << panel->text().toStdString();
    }
}

// The all-units list is sorted and filled when it is first shown, not at the start.
TEST_F(StartupTest, UnitListIsFilledWhenFirstShown)
{
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    const auto* units = window->navigator()->findChild<QListWidget*>(u("unitList"));
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(units->count(), 0);
    QTabBar* tabs = window->navigator()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(int(NavigatorPanel::Page::Units)).center());
    EXPECT_EQ(units->count(), unitListEntries(window->catalogue()).size());
}

TEST_F(StartupTest, StoredStartTopicLevelAndPanels)
{
    store("Start", "Tema", u("2"));
    store("Obecne", "Lupa", u("True"));
    store("Obecne", "Presnost", u("1"));
    store("Obecne", "Uroven", u("1"));
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    EXPECT_EQ(window->titleLine()->text(), u(" Plošný obsah"));
    EXPECT_TRUE(window->currentLayout().magnifierVisible);
    EXPECT_EQ(window->commands()->panel(StatusPanel::Precision)->text(), u("D"));
    EXPECT_TRUE(action(*window, Command::Level1)->isChecked());
    EXPECT_EQ(window->focusWidget(), window->navigator()->topicList());  // the start topic's list takes the keys
    EXPECT_EQ(window->navigator()->topicList()->currentRow(), 1);
}

// Ignore (or Abort) about one key leaves the statistics counting; the box
// names the key and its text, and Ignore writes the default back.
TEST_F(StartupTest, UnreadableKeyIsAskedAboutAndTheLaunchesGoOn)
{
    store("Start", "Grid", u("x"));
    store("Start", "Spusteno", u("4"));
    messages.answers = {MessageAnswer::Retry, MessageAnswer::Ignore};
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    ASSERT_EQ(messages.messages.size(), 2);  // asked again after Retry
    EXPECT_EQ(messages.messages[1].icon, MessageIcon::Critical);
    EXPECT_EQ(messages.messages[1].title, u("Chyba inicializace"));
    EXPECT_TRUE(messages.messages[1].text.startsWith(
        u("Chyba načítání z registrů.\r\n\r\nPoložka [Start] Grid má nesrozumitelnou hodnotu „x“.")));
    EXPECT_EQ(stored("Start", "Spusteno"), u("5"));
    EXPECT_EQ(stored("Start", "Grid"), u("0"));
}

// A store that cannot be written is reported at the quit, and the old file stays.
TEST_F(StartupTest, FailedWriteAtQuitIsReported)
{
    store("Start", "Spusteno", u("4"));
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    const QString settingsFile = window->lifecycle().store().fileName();
    const QByteArray before = test::fileBytes(settingsFile);
    // The file's folder is replaced by a file of the same name.
    const QString folderPath = QFileInfo(settingsFile).absolutePath() + u("/gone");
    QFile::rename(settingsFile, folderPath);
    QDir().mkpath(settingsFile);  // a folder where the file was: it cannot be written
    messages.messages.clear();
    window->close();  // answers the quit question with its default
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_TRUE(messages.messages[1].text.startsWith(u("Nastavení se nepodařilo uložit do souboru ")));
    EXPECT_TRUE(messages.messages[1].text.contains(u("statistika použití nebyly uloženy")));
    QDir().rmdir(settingsFile);
    QFile::rename(folderPath, settingsFile);
    EXPECT_EQ(test::fileBytes(settingsFile), before);
}

// A base that the own-base command refuses loads quietly; the command says so when used.
TEST_F(StartupTest, StoredBaseIsTheOwnBaseCommands)
{
    store("Start", "NumBase", u("36"));
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(action(*window, Command::AsOwnBase)->text(), u("Vlast&ní (36)"));
    window->commands()->topicAction(1)->trigger();
    test::typeIntoGrid(window->grid(), 0, u("10"));
    action(*window, Command::AsOwnBase)->trigger();
    EXPECT_EQ(window->infoLine()->fullText(), u("Vstupní hodnota 10 je mimo povolený rozsah."));
}

// The word "setup" and a second instance end the start: nothing is written.
// Declined, "Ukončit program?" lets the start go on.
TEST_F(StartupTest, StartsThatDoNotRunWriteNothing)
{
    store("Start", "OnlyOne", u("1"));
    store("Start", "Vlevo", u("2000"));
    const auto start = [this](const char* safeEnd, const QStringList& arguments, MessageAnswer answer) {
        store("Obecne", "SafeEnd", u(safeEnd));
        const QByteArray before = iniBytes();
        RecordingMessageSink sink;
        sink.answers = {answer};
        const bool runs = makeWindow(sink)->startUp(arguments);
        EXPECT_EQ(iniBytes() == before, !runs) << safeEnd << " " << arguments.join(u(" ")).toStdString();
        return (runs ? u("runs: ") : u("ends: ")) + sink.messages.value(0).text.section(u'.', 0, 0);
    };
    EXPECT_EQ(start("0", {u("tolvarin"), u("setup")}, MessageAnswer::Yes), u("ends: Spusťte aplikaci znovu"));
    EXPECT_EQ(start("1", {u("tolvarin"), u("SETUP")}, MessageAnswer::Yes), u("ends: Spusťte aplikaci znovu"));
    EXPECT_EQ(start("1", {u("tolvarin"), u("setup")}, MessageAnswer::No), u("runs: Spusťte aplikaci znovu"));
    // The running instance allows more; it takes its lock once it is painted.
    store("Start", "OnlyOne", u("0"));
    auto first = makeWindow(messages);
    ASSERT_TRUE(first->startUp());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first.get()));
    QTest::qWait(50);
    store("Start", "OnlyOne", u("1"));
    EXPECT_EQ(start("0", {}, MessageAnswer::Yes), u("ends: Je nastavena volba Spouštět pouze 1 instanci programu"));
}

// "Ukončit program?" answered No keeps the window and the statistics; the
// names, placement and counts of a run that ends are there at the next start.
TEST_F(StartupTest, NamesPlacementAndCountsSurviveARestart)
{
    {
        RecordingMessageSink sink;
        sink.answers = {MessageAnswer::No, MessageAnswer::Yes};
        auto window = makeWindow(sink);
        ASSERT_TRUE(window->startUp());
        emit window->navigator()->topicRenamed(1, u("Vzdálenost"));  // a rename in the list ends
        window->commands()->topicAction(1)->trigger();
        test::typeIntoGrid(window->grid(), 1, u("3"));
        window->setNavigatorWidth(2500);
        EXPECT_FALSE(window->close());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(sink.messages.last().text, u("Ukončit program?"));
        EXPECT_EQ(stored("Obecne", "Doba"), u("<none>"));
        EXPECT_TRUE(window->close());
    }
    EXPECT_NE(stored("Obecne", "Doba"), u("<none>"));
    EXPECT_EQ(stored("Navigator", "U1"), u("Frekvence"));
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    EXPECT_EQ(window->navigator()->topicList()->item(0)->text(), u("Vzdálenost"));
    EXPECT_EQ(window->commands()->topicAction(1)->text(), u("Vzdálenost"));
    EXPECT_EQ(window->navigatorWidth(), 2500);  // a stored placement is used as it is
    EXPECT_EQ(window->conversionCount(), 1);
    EXPECT_EQ(stored("Start", "Spusteno"), u("2"));
}

// A placement that no screen can hold opens the window on the screen.
TEST_F(StartupTest, HugeOffScreenPlacementOpensOnTheScreen)
{
    for (const auto& [key, value] :
         {std::pair{"Left", "-100000"}, {"Top", "-100000"}, {"Width", "2000000"}, {"Height", "2000000"}})
        store("Start", key, u(value));
    auto window = makeWindow(messages);
    ASSERT_TRUE(window->startUp());
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->frameGeometry().topLeft())) << window->frameGeometry().x();
    EXPECT_LE(window->width(), screen.width());
    EXPECT_LE(window->height(), screen.height());
}

// "setup" opens the options dialog on the stored start topic and level, and
// OK keeps them.
TEST_F(StartupTest, SetupStartKeepsTheStartTopicAndLevel)
{
    store("Start", "Tema", u("5"));
    store("Obecne", "Uroven", u("2"));
    store("Obecne", "SafeEnd", u("0"));
    store("Navigator", "S5", u("Hustota látek"));
    QString shownTopic;
    optionsUser.steps = [&](OptionsDialog& dialog) {
        shownTopic = dialog.startTopicBox()->currentText();
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    };
    EXPECT_FALSE(makeWindow(messages)->startUp({u("tolvarin"), u("SETUP")}));
    EXPECT_EQ(shownTopic, u("Hustota látek"));
    EXPECT_EQ(stored("Start", "Tema") + stored("Obecne", "Uroven"), u("52"));
}

TEST(Splash, ShowsTheProgramsNameVersionAndIcon)
{
    SplashWindow splash;
    splash.showText(u("Nahrává se Tolvarin"));
    EXPECT_EQ(splash.text(), u("Nahrává se Tolvarin"));
    EXPECT_TRUE(splash.versionText().endsWith(appVersion()));
    EXPECT_FALSE(splash.windowIcon().isNull());
}

}  // namespace
