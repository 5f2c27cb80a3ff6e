#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/datafileedit.h"
#include "catalogue/datafilelocation.h"
#include "catalogue/unitcatalogue.h"
#include "common/messagesink.h"
#include "mainwindow/commandtable.h"
#include "mainwindow/representationcommands.h"
#include "mainwindow/windowlayout.h"
#include "navigation/navigatorpanel.h"
#include "navigation/topicnavigation.h"
#include "output/printcommand.h"
#include "output/recordingcommands.h"

#include <QLocale>
#include <QMainWindow>

#include <memory>
#include <optional>

class QLabel;
class QTextEdit;

namespace tolvarin {

class AboutDialog;
class CalculatorCommand;
class ClipboardAccess;
class ClipboardCommands;
class CommandSurfaces;
class CompactView;
class DataFileEditor;
class EditorDialogs;
struct EditorFont;
class ConversionGrid;
class ConversionPanel;
class ContextHelp;
class ConversionView;
class HelpOpener;
class InfoLineLabel;
class LinkCommands;
class Lifecycle;
struct SettingsRecord;
class MagnifierPanel;
class OptionsCommand;
class OptionsDialogServices;
class PrefixViewCommand;
class ProcessLauncher;
class SplitterBar;
class UrlOpener;

struct MainWindowOptions {
    std::optional<DataFolders> dataFolders;  // where data files are looked for; default: the user's data
                                             // folder, the installed one, the program's folder
    QLocale locale;                   // numbers typed and shown
    MessageSink* messages = nullptr;  // default: message boxes over the window
    QString settingsFile;             // default: the user's settings store
    QString instanceLockFile;         // default: one lock per user in the temporary folder
    bool showSplash = true;
    ClipboardAccess* clipboard = nullptr;  // default: the system clipboard
    RecordingFileChooser recordingFile;    // default: the save dialog
    HelpOpener* help = nullptr;            // default: the program's help window
    PrintServices print;                   // default: the user's data folder and the system's printers
    EditorDialogs* editorDialogs = nullptr;  // default: Qt's font dialog and text prompt
    OptionsDialogServices* optionsServices = nullptr;  // default: the desktop's choosers, a modal loop
    UrlOpener* urls = nullptr;             // default: the desktop's browser and mail program
    ProcessLauncher* programs = nullptr;   // default: programs found in the system's folders
};

// The main window: wires the catalogue, the conversion grid, the navigator
// and the command surfaces together and lays the window out by its twips
// arithmetic.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const MainWindowOptions& options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: settings, data files, placement, start topic and level. False
    // when the program is to end at once (setup, a second instance).
    bool startUp(const QStringList& arguments = {});
    Lifecycle& lifecycle() const { return *lifecycle_; }

    // What start-up applies.
    void applySettings(const SettingsRecord& settings);
    void loadData(const SettingsRecord& settings);
    void setTopicTitles(const QStringList& builtin, const QList<std::pair<int, QString>>& user);
    void openStartTopic(int topic, int level);
    void setGridLines(bool shown);
    void setCommandCaption(Command command, const QString& caption);
    void setCommandChecked(Command command, bool checked);
    // Removes the marks of the preview, the magnifier, the information panel
    // and "always on top", and closes what they show.
    void clearPanelMarks();
    // The stored magnifier: on before the start topic is open.
    void restoreMagnifier();
    // What the quit routine writes.
    QStringList builtinTopicTitles() const;
    QList<std::pair<int, QString>> userTopicTitles() const;
    void setConversionCount(int count) { conversions_ = count; }

    // Topic navigation.
    int currentTopic() const { return currentSlot_; }
    void openCurrentTopic();
    void updateBackForward();
    void showConversionPanel();
    void openTopic(int slot);
    void stepTopic(Step step);

    // Commands of the grid and the display. The setters of shown panels keep
    // their commands' check marks in step.
    void reloadData();
    void setLevel(int level);          // 0 every level, 1 to 3
    void setPrecisionMode(int mode);   // 0 single, 1 double, 2 scientific, 3 fixed
    void setMagnifierShown(bool shown);  // refused while no topic is shown
    void setInfoPanelShown(bool shown);
    void setPreviewShown(bool shown);
    void showInfoLine(const QString& text, bool important, const QColor& colour);

    int conversionCount() const { return conversions_; }
    int navigatorWidth() const { return navigatorWidth_; }
    void setNavigatorWidth(int twips);
    // The navigator's width (with the splitter) that shows every built-in
    // quantity's title whole with its icon; measured on the shown window.
    int navigatorWidthForWholeTitles() const;
    MainLayout currentLayout() const { return layout_; }

    // The parts a user sees, for tests.
    CommandSurfaces* commands() const { return commands_; }
    ConversionGrid* grid() const;
    ConversionView* conversion() const { return view_; }
    InfoLineLabel* infoLine() const;
    QLabel* titleLine() const { return title_; }
    MagnifierPanel* magnifier() const { return magnifier_; }
    QTextEdit* infoPanel() const { return infoPanel_; }
    NavigatorPanel* navigator() const { return navigator_; }
    ConversionPanel* conversionPanel() const { return panel_; }
    SplitterBar* splitter() const { return splitter_; }
    CompactView* compactView();  // made when first used
    const UnitCatalogue& catalogue() const { return *catalogue_; }

    // ---- Aktuální jako, clipboard and prefixes ----
    RepresentationSettings& representationSettings() { return representationSettings_; }
    RepresentationCommands* representations() const { return representations_; }
    ClipboardCommands* clipboardCommands() const { return clipboardCommands_.get(); }
    PrefixViewCommand* prefixView() const { return prefixView_; }
    RecordingCommands* recording() const { return recording_; }
    PrintCommand* printing() const { return print_; }

    // ---- navigator and unit search ----
    void showTopicList();
    void showUnitList();
    void showUserTopicList();
    void setLargeIcons(bool large);  // in the quantity lists; otherwise a list with small icons
    void showUnit(const QString& tag);
    void showSearch();

    // ---- help ----
    HelpOpener& help() const { return *help_; }

    // ---- data file editor ----
    DataFileEditor* dataFileEditor() const { return editor_; }
    void setEditorFont(const EditorFont& font);
    void useDataFile(DataFileKind file, const QString& path);
    // ---- options ----
    OptionsCommand* optionsCommand() const { return options_; }
    // ---- outside services ----
    // Made on its first showing.
    AboutDialog* aboutDialog() const { return about_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildClientArea();
    void connectCommands();
    void connectView();
    void runCommand(Command command);
    void onPanelClicked(StatusPanel panel);
    void fillNavigator();
    void updateCounters();
    int statusPanelsWidth();
    void relayout();
    void refreshMagnifier();
    void refreshInfoPanel();
    void enableTopicCommands();
    void showLevel(int level);
    void popup(Menu menu, const QPoint& globalPos);

    // ---- Aktuální jako, clipboard and prefixes ----
    void buildAsViewCommands(ClipboardAccess* clipboard);

    // ---- navigator and unit search ----
    void connectNavigator();
    void showNavigatorList(NavigatorPanel::Page page);
    void markShownList(NavigatorPanel::Page page);
    void showTopic(int slot, bool revealInNavigator);
    void selectInNavigator(int slot, bool reveal);
    void onTopicRenamed(int slot, const QString& title);

    // ---- help ----
    void buildHelp(HelpOpener* help);

    // ---- data file editor ----
    void buildDataFileEditor(EditorDialogs* dialogs);
    void fillTopic(int slot);
    void returnFromEditor(int slot);
    void chooseEditorFont();
    // ---- outside services ----
    void buildServices(UrlOpener* urls, ProcessLauncher* programs);
    void showAbout();

    std::unique_ptr<UnitCatalogue> catalogue_;
    std::unique_ptr<Lifecycle> lifecycle_;
    DataFileConfig dataConfig_;
    DataFolders dataFolders_;
    QLocale locale_;
    std::unique_ptr<MessageSink> ownMessages_;
    MessageSink* messages_;

    CommandSurfaces* commands_ = nullptr;
    QWidget* client_ = nullptr;
    MagnifierPanel* magnifier_ = nullptr;
    NavigatorPanel* navigator_ = nullptr;
    SplitterBar* splitter_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* startHint_ = nullptr;  // how to begin, on the start screen
    ConversionPanel* panel_ = nullptr;
    QTextEdit* infoPanel_ = nullptr;
    ConversionView* view_ = nullptr;
    CompactView* compact_ = nullptr;  // Tolvarin Lite, over the conversion panel

    MainLayout layout_;
    int currentSlot_ = 0;
    int navigatorWidth_ = layout::kDefaultNavigatorWidth;
    bool conversionShown_ = false;  // the conversion panel has come into view
    bool magnifierOn_ = false;
    int conversions_ = 0;

    // ---- Aktuální jako, clipboard and prefixes ----
    RepresentationSettings representationSettings_;
    std::unique_ptr<ClipboardAccess> ownClipboard_;
    std::unique_ptr<ClipboardCommands> clipboardCommands_;  // let go of the clipboard before it goes
    RepresentationCommands* representations_ = nullptr;
    PrefixViewCommand* prefixView_ = nullptr;
    RecordingCommands* recording_ = nullptr;
    PrintCommand* print_ = nullptr;

    // ---- help ----
    std::unique_ptr<HelpOpener> ownHelp_;
    HelpOpener* help_ = nullptr;
    ContextHelp* contextHelp_ = nullptr;

    // ---- data file editor ----
    std::unique_ptr<EditorDialogs> ownEditorDialogs_;
    DataFileEditor* editor_ = nullptr;
    // ---- options ----
    OptionsCommand* options_ = nullptr;
    // ---- outside services ----
    std::unique_ptr<UrlOpener> ownUrls_;
    std::unique_ptr<ProcessLauncher> ownPrograms_;
    std::unique_ptr<LinkCommands> links_;
    std::unique_ptr<CalculatorCommand> calculator_;
    AboutDialog* about_ = nullptr;
};

}  // namespace tolvarin
