#pragma once

// The main window over small data files, shown offscreen, for the GUI tests
// of the window and of the navigator.
#include "common/recordingmessagesink.h"
#include "conversion/clipboardaccess.h"
#include "conversion/conversiongrid.h"
#include "mainwindow/commandsurfaces.h"
#include "mainwindow/infolinelabel.h"
#include "mainwindow/lifecycle.h"
#include "mainwindow/mainwindow.h"
#include "output/helpwindow.h"
#include "settings/optionsdialog.h"
#include "support/testfiles.h"
#include "support/testtext.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace tolvarin::test {

// Types a value into a row's value cell as a user does: a double click
// opens the editor, the text replaces its contents, Enter commits.
inline void typeIntoGrid(ConversionGrid* grid, int row, const QString& text)
{
    grid->setCurrentCell(row, ConversionGrid::kValueColumn);
    const QRect cell = grid->visualRect(grid->model()->index(row, ConversionGrid::kValueColumn));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_TRUE(grid->isEditing());
    grid->editor()->selectAll();
    QTest::keyClicks(grid->editor(), text);
    QTest::keyClick(grid->editor(), Qt::Key_Return);
}

// Opens the drop-down of a split toolbar button and chooses the entry there
// with the keyboard, as a user does.
inline void chooseFromDropDown(QToolButton* button, QAction* entry)
{
    QMenu* dropDown = button->defaultAction()->menu<QMenu*>();
    QTimer::singleShot(0, dropDown, [dropDown, entry] {
        dropDown->setActiveAction(entry);
        QTest::keyClick(dropDown, Qt::Key_Return);
        dropDown->close();  // nothing chosen: the test still ends
    });
    button->showMenu();
}

// The data files of the window tests, in tests/support/data: what they hold
// is said at their top.
inline QStringList mainTestFile()
{
    return dataFileLines(QStringLiteral(TOLVARIN_SUPPORT_DATA_DIR "/window.tvd"));
}

inline QStringList userTestFile()
{
    return dataFileLines(QStringLiteral(TOLVARIN_SUPPORT_DATA_DIR "/windowuser.tvd"));
}

// The user at the options dialog: the choosers give what the test set, and
// the modal loop is the test's own steps. Without steps the dialog closes at
// once; a dialog the steps leave open is closed by Storno.
class OptionsAtHand : public OptionsDialogServices {
public:
    std::optional<QString> chooseDataFile(QWidget*, const QString&) override { return file; }
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override { return colour; }
    void runModal(QDialog& dialog) override
    {
        if (!steps) return;
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        steps(static_cast<OptionsDialog&>(dialog));
        if (dialog.isVisible()) dialog.reject();
    }

    std::optional<QString> file;
    std::optional<QColor> colour;
    std::function<void(OptionsDialog&)> steps;
};

// The options of a window under test: its data and settings in the test's
// folder, no splash, messages recorded, the options dialog never modal.
inline MainWindowOptions testWindowOptions(const TestFolder& folder, const QLocale& locale, MessageSink* messages)
{
    MainWindowOptions options;
    // The test's own folder only: no installed or edited copy of a data file counts.
    options.dataFolders = DataFolders{folder.path(QStringLiteral("userdata")), QString(), folder.path(QString())};
    options.locale = locale;
    options.messages = messages;
    options.settingsFile = folder.path(QStringLiteral("settings.ini"));
    options.instanceLockFile = folder.path(QStringLiteral("instance.lock"));
    options.showSplash = false;
    static OptionsAtHand closedOptions;
    options.optionsServices = &closedOptions;
    return options;
}

// The clipboard of a test: the system clipboard is never touched.
class MemoryClipboard : public ClipboardAccess {
public:
    QString text() const override { return text_; }
    void setText(const QString& text) override
    {
        text_ = text;
        if (handler_) handler_();
    }
    bool hasText() const override { return !text_.isEmpty(); }
    void setChangeHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

private:
    QString text_;
    std::function<void()> handler_;
};

// The help numbers a window asked to open, in order; no help window is shown.
class RecordingHelp : public HelpOpener {
public:
    void openHelp(int context) override { opened.push_back(context); }
    std::vector<int> opened;
};

class MainWindowTest : public ::testing::Test {
protected:
    // The data files a test runs on; a fixture may add lines of its own.
    virtual QStringList mainFileLines() const { return mainTestFile(); }
    virtual QStringList userFileLines() const { return userTestFile(); }
    // A fixture may replace choosers and services of the window.
    virtual void adjustOptions(MainWindowOptions&) {}

    void SetUp() override
    {
        folder.writeLines(QStringLiteral("Tolvar.tvd"), mainFileLines());
        folder.writeLines(QStringLiteral("User.tvd"), userFileLines());
        MainWindowOptions options =
            testWindowOptions(folder, QLocale(QLocale::Czech, QLocale::CzechRepublic), &messages);
        options.help = &help;
        options.clipboard = &clipboard;
        options.optionsServices = &optionsUser;
        adjustOptions(options);
        window = std::make_unique<MainWindow>(options);
        ASSERT_TRUE(window->startUp());
        window->resize(900, 600);
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    ConversionGrid* grid() const { return window->grid(); }
    QAction* action(Command command) const { return window->commands()->action(command); }
    QAction* topic(int slot) const { return window->commands()->topicAction(slot); }
    QString panel(StatusPanel which) const { return window->commands()->panel(which)->text(); }
    QString info() const { return window->infoLine()->fullText(); }
    // A text of the window's settings store; "<none>" when the key is not there.
    QString stored(const char* section, const char* key) const
    {
        return window->lifecycle().store().readText(QString::fromLatin1(section), QString::fromLatin1(key),
                                                    QStringLiteral("<none>"));
    }
    // The text of the one message shown; how many there were when not one.
    QString message() const
    {
        const qsizetype count = messages.messages.size();
        return count == 1 ? messages.messages[0].text : QStringLiteral("(%1 messages)").arg(count);
    }
    void typeInto(int row, const QString& text) { typeIntoGrid(grid(), row, text); }
    // Opens "Možnosti" with its command; the steps run while it is shown.
    void openOptions(std::function<void(OptionsDialog&)> steps)
    {
        optionsUser.steps = std::move(steps);
        action(Command::Options)->trigger();
    }

    TestFolder folder;
    RecordingMessageSink messages;
    RecordingHelp help;
    MemoryClipboard clipboard;
    OptionsAtHand optionsUser;
    std::unique_ptr<MainWindow> window;
};

}  // namespace tolvarin::test
