#pragma once

// The main window over small data files, shown offscreen, for the GUI tests
// of the window and of the navigator.
#include "common/recordingmessagesink.h"
#include "conversion/clipboardaccess.h"
#include "conversion/conversiongrid.h"
#include "mainwindow/commandsurfaces.h"
#include "mainwindow/infolinelabel.h"
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

// Lengths (with units of levels 2 and 3), areas, a long topic 3 whose names
// share no letters with "metr", angles, temperatures and a prefix topic long
// enough to scroll, its first row the factor 1.
inline QStringList mainTestFile()
{
    QStringList lines = {
        u("'test data"),
        u("1|metr|m|1|Základní jednotka délky.|True"),
        u("1|kilometr|km|1000|Tisíc metrů."),
        u("1|centimetr|cm|0.01|"),
        u("1|+palec|in|0.0254|Anglický palec."),
        u("1|+stopa|ft|0.3048|"),
        u("1|*loket|lok|0.7775|Vídeňský loket."),
        u("2|metr čtvereční|m²|1||True"),
        u("2|ar|a|100|"),
        u("10|radián|rad|1||True"),
        u("10|stupeň|°|PI/180|"),
        u("16|kelvin|K|1||True"),
        u("16|stupeň Celsia|°C|1|"),
        u("16|stupeň Fahrenheita|°F|5/9|"),
        u("16|stupeň Rankina|°R|5/9|"),
        u("16|stupeň Réaumura|°Ré|1.25|"),
    };
    for (int n = 1; n <= 40; ++n) lines << u("3|nádoba %1|n%1|%1|").arg(n) + (n == 1 ? u("|True") : QString());
    for (const char* prefix : {"jedna||1||True", "exa|E|1E18|", "peta|P|1E15|", "tera|T|1E12|", "giga|G|1E9|",
                               "mega|M|1E6|", "kilo|k|1000|", "hekto|h|100|", "deka|da|10|", "deci|d|0.1|",
                               "centi|c|0.01|", "mili|m|0.001|", "mikro|µ|1E-6|", "nano|n|1E-9|", "piko|p|1E-12|",
                               "femto|f|1E-15|", "atto|a|1E-18|", "zepto|z|1E-21|", "yokto|y|1E-24|",
                               "ronto|r|1E-27|", "quekto|q|1E-30|", "setina quekta||1E-32|"})
        lines << u("26|") + u(prefix);
    return lines;
}

// User topics 1 and 3 (no 2).
inline QStringList userTestFile()
{
    return {u("'U1=Frekvence"), u("1|hertz|Hz|1|"), u("1|kilohertz|kHz|1000|"), u("'U3=Zrychlení"),
            u("3|metr za sekundu na druhou|m/s²|1|"), u("3|gal|Gal|0.01|")};
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
