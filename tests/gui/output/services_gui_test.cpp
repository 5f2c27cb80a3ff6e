// The outside services over the whole window, with the desktop's link
// opening and the starting of programs replaced.
#include "common/apptitle.h"
#include "mainwindow/lifecycle.h"
#include "output/aboutdialog.h"
#include "output/desktopaccess.h"
#include "support/windowfixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QUrlQuery>

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

struct RecordedLinks : UrlOpener {
    bool open(const QUrl& url) override
    {
        opened << url;
        return works;
    }
    QList<QUrl> opened;
    bool works = true;
};

// Programs "installed" by name; a started one runs until the test ends it.
struct FakePrograms : ProcessLauncher {
    struct Program : StartedProgram {
        const bool* running;
        bool isRunning() const override { return *running; }
    };
    QString findProgram(const QString& name) const override
    {
        return installed.contains(name) ? u("/usr/bin/") + name : QString();
    }
    std::unique_ptr<StartedProgram> start(const QString& path, QString*) override
    {
        started << path;
        running = true;
        auto program = std::make_unique<Program>();
        program->running = &running;
        return program;
    }
    QStringList installed, started;
    bool running = false;
};

class ServicesTest : public MainWindowTest {
protected:
    void adjustOptions(MainWindowOptions& options) override
    {
        options.urls = &links;
        options.programs = &programs;
        options.recordingFile = [this](const QString&) {
            return std::optional<RecordingTarget>({recordingPath, RecordingLayout::Semicolon});
        };
        usedOptions = options;
    }
    bool onTop() const { return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

    RecordedLinks links;
    FakePrograms programs;
    QString recordingPath;
    MainWindowOptions usedOptions;
};

TEST_F(ServicesTest, CalculatorStartsOnceWhileItRunsAndAgainAfterItEnds)
{
    programs.installed = {u("xcalc"), u("kcalc")};
    QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(programs.started, QStringList{u("/usr/bin/kcalc")});
    programs.running = false;  // the user closed it
    action(Command::Calculator)->trigger();
    EXPECT_EQ(programs.started.size(), 2);
}

TEST_F(ServicesTest, NoCalculatorTurnsTheCommandOffWithAMessage)
{
    topic(1)->trigger();
    action(Command::Calculator)->trigger();
    EXPECT_FALSE(action(Command::Calculator)->isEnabled());
    EXPECT_TRUE(info().startsWith(u("Kalkulačka nenalezena! Program gnome-calculator, kcalc,")));
    EXPECT_TRUE(info().contains(u("speedcrunch nebo xcalc")));
}

// The menu's links open; when the desktop cannot, the user is told where to go.
TEST_F(ServicesTest, HomePageAndFeedbackOpenOrSayWhereToGo)
{
    action(Command::HomePage)->trigger();
    action(Command::Feedback)->trigger();
    ASSERT_EQ(links.opened.size(), 2);
    EXPECT_EQ(links.opened[0], QUrl(u("https://tolvarin.invalid/")));
    EXPECT_EQ(links.opened[1].toString(QUrl::RemoveQuery), u("mailto:tolvarin@tolvarin.invalid"));
    EXPECT_EQ(QUrlQuery(links.opened[1]).queryItemValue(u("Subject"), QUrl::FullyDecoded),
              appCaption() + u(" - připomínky. Revize 0"));

    links.works = false;
    action(Command::HomePage)->trigger();
    action(Command::Feedback)->trigger();
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(messages.messages[0].text, u("Spojení se nepodařilo.\r\n\r\nPokud jste připojeni k internetu pokuste se "
                                           "zadat adresu https://tolvarin.invalid/ sami.\r\n"));
    EXPECT_TRUE(messages.messages[1].text.endsWith(u("mailovat na tolvarin@tolvarin.invalid.\r\n")));
}

// Ctrl+T, the options dialog's box and the stored "OnTop" agree; the window
// stays where it is, maximized as it was.
TEST_F(ServicesTest, AlwaysOnTopKeepsThePlaceAndAgreesWithTheOptions)
{
    const QRect normal = window->geometry();
    window->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->geometry() != normal; }));
    const QRect placed = window->geometry();
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(onTop() && action(Command::AlwaysOnTop)->isChecked() && window->isVisible());
    EXPECT_EQ(window->geometry(), placed);

    bool boxShown = false;
    openOptions([&](OptionsDialog& dialog) {
        boxShown = dialog.values().alwaysOnTop;
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
            if (box->text() == u("Okno vždy navrchu")) box->click();
        dialog.okButton()->click();
    });
    EXPECT_TRUE(boxShown);
    EXPECT_FALSE(onTop() || action(Command::AlwaysOnTop)->isChecked());
    EXPECT_EQ(window->geometry(), placed);

    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);  // on again, but not stored by the key
    ASSERT_TRUE(window->close());
    SettingsStore& store = window->lifecycle().store();
    EXPECT_EQ(store.readText(u("Obecne"), u("OnTop"), {}), u("False"));
    store.writeText(u("Obecne"), u("OnTop"), u("True"));
    store.flush();
    MainWindow next(usedOptions);
    ASSERT_TRUE(next.startUp());
    EXPECT_TRUE(next.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(ServicesTest, AboutStopsTheRecordingAndShowsVersionStatisticsAndLinks)
{
    recordingPath = folder.path(u("zaznam.csv"));
    topic(2)->trigger();
    action(Command::Record)->trigger();
    typeInto(1, u("1"));
    action(Command::About)->trigger();
    EXPECT_FALSE(window->recording()->recorder().isActive());

    AboutDialog* about = window->aboutDialog();
    ASSERT_TRUE(about && about->isVisible());
    QStringList shown;
    for (const QLabel* label : about->findChildren<QLabel*>()) shown << label->text();
    EXPECT_TRUE(shown.contains(appCaption()) && shown.contains(u("Verze 1.0.0")));
    EXPECT_EQ(shown.count(u("1 ")), 2);  // launches and conversions
    QTest::mouseClick(about->mailLabel(), Qt::LeftButton, {}, about->mailLabel()->rect().center());
    QTest::mouseClick(about->homePageLabel(), Qt::LeftButton, {}, about->homePageLabel()->rect().center());
    ASSERT_EQ(links.opened.size(), 2);
    EXPECT_EQ(links.opened[0].toString(), u("mailto:tolvarin@tolvarin.invalid?Subject=Tolvarin"));
    EXPECT_EQ(links.opened[1], QUrl(u("https://tolvarin.invalid/")));
}

}  // namespace
