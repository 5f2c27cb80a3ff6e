#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/unitcatalogue.h"
#include "common/messagesink.h"
#include "mainwindow/representationcommands.h"
#include "mainwindow/windowlayout.h"

#include <QLocale>
#include <QMainWindow>

#include <memory>

class QLabel;
class QTextEdit;

namespace tolvarin {

class ClipboardAccess;
class ClipboardCommands;
class CommandSurfaces;
class ConversionGrid;
class ConversionPanel;
class ConversionView;
class InfoLineLabel;
class Lifecycle;
struct SettingsRecord;
class MagnifierPanel;
class NavigatorPanel;
class PrefixViewCommand;
class SplitterBar;

struct MainWindowOptions {
    QString programFolder;            // default place of the data files; default: the program's folder
    QLocale locale;                   // numbers typed and shown
    MessageSink* messages = nullptr;  // default: message boxes over the window
    QString settingsFile;             // default: the user's settings store
    QString instanceLockFile;         // default: one lock per user in the temporary folder
    bool showSplash = true;
    ClipboardAccess* clipboard = nullptr;  // default: the system clipboard
};

// frmTolvarin: wires the catalogue, the conversion grid, the navigator and the
// command surfaces together and lays the window out by its twips arithmetic.
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
    void setMenuCaption(const QString& name, int index, const QString& caption);
    void setMenuChecked(const QString& name, int index, bool checked);
    void clearPanelMarks();
    void setPanel(const QString& key, bool on);  // "Náhled", "Lupa", "Info"
    // What the quit routine writes.
    QStringList builtinTopicTitles() const;
    QList<std::pair<int, QString>> userTopicTitles() const;
    void setConversionCount(int count) { conversions_ = count; }

    // Topic navigation.
    int currentTopic() const { return currentSlot_; }
    void Navigace();
    void NavigaceSet();
    void UkazPrevod();
    void mnuTema_Click(int index);
    void mnuNavigace_Click(int index);

    // Commands of the grid and the display.
    void reloadCatalogue();
    void mnuU_Click(int index);
    void mnuFormatZ_Click(int index);
    void FormatZ(int& index);
    void setPanelButton(const QString& key, bool pressed);  // the toolbar button alone
    void LupaOnOff();
    void InfoOnOff();
    void previewFollow();
    void ShowInfoLine(const QString& text, bool important, const QColor& colour);

    int conversionCount() const { return conversions_; }
    int vlevo() const { return vlevo_; }
    void setVlevo(int twips);
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
    const UnitCatalogue& catalogue() const { return *catalogue_; }

    // ---- Aktuální jako, clipboard and prefixes ----
    RepresentationSettings& representationSettings() { return representationSettings_; }
    RepresentationCommands* representations() const { return representations_; }
    ClipboardCommands* clipboardCommands() const { return clipboardCommands_.get(); }
    PrefixViewCommand* prefixView() const { return prefixView_; }

    // ---- navigator and unit search ----
    void NavigatorV();  // the built-in quantities
    void NavigatorJ();  // the units
    void NavigatorU();  // the user quantities
    void NavigatorMenu(int polozka);
    void NaviPanelSet(const QString& text);
    void VelicinyI(int value);  // 0 large icons, 1 list
    void ShowJednotka(const QString& tag);
    void mnuNajit_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildClientArea();
    void connectCommands();
    void onMenu(const QString& name, int index);
    void onToolButton(const QString& key);
    void onToolMenu(const QString& key);
    void onStatusPanel(const QString& key);
    void fillNavigator();
    void updateCounters();
    void relayout();
    void Doleva();
    void refreshMagnifier();
    void refreshInfoPanel();
    void enableTopicCommands();
    void setLevelPanel(int index);
    void popup(const QString& menuName, const QPoint& globalPos);
    bool panelButtonPressed(const QString& key) const;

    // ---- Aktuální jako, clipboard and prefixes ----
    void buildAsViewCommands(ClipboardAccess* clipboard);
    bool onAsViewMenu(const QString& name, int index);
    bool onAsViewToolButton(const QString& key);

    // ---- navigator and unit search ----
    void connectNavigator();
    void showNavigatorList(int page);
    void onTopicRenamed(int slot, const QString& title);

    std::unique_ptr<UnitCatalogue> catalogue_;
    std::unique_ptr<Lifecycle> lifecycle_;
    DataFileConfig dataConfig_;
    QLocale locale_;
    std::unique_ptr<MessageSink> ownMessages_;
    MessageSink* messages_;

    CommandSurfaces* commands_ = nullptr;
    QWidget* client_ = nullptr;
    MagnifierPanel* magnifier_ = nullptr;
    NavigatorPanel* navigator_ = nullptr;
    SplitterBar* splitter_ = nullptr;
    QLabel* title_ = nullptr;
    ConversionPanel* panel_ = nullptr;
    QTextEdit* infoPanel_ = nullptr;
    ConversionView* view_ = nullptr;

    MainLayout layout_;
    int currentSlot_ = 0;
    int vlevo_ = layout::kDefaultVlevo;
    bool conversionShown_ = false;  // UkazPrevod has brought the conversion panel into view
    bool magnifierOn_ = false;
    int conversions_ = 0;

    // ---- Aktuální jako, clipboard and prefixes ----
    RepresentationSettings representationSettings_;
    std::unique_ptr<ClipboardAccess> ownClipboard_;
    std::unique_ptr<ClipboardCommands> clipboardCommands_;  // let go of the clipboard before it goes
    RepresentationCommands* representations_ = nullptr;
    PrefixViewCommand* prefixView_ = nullptr;
};

}  // namespace tolvarin
