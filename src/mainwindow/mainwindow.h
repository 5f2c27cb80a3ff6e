#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/unitcatalogue.h"
#include "common/messagesink.h"
#include "mainwindow/windowlayout.h"

#include <QLocale>
#include <QMainWindow>

#include <memory>

class QLabel;
class QTextEdit;

namespace tolvarin {

class CommandSurfaces;
class ConversionGrid;
class ConversionPanel;
class ConversionView;
class InfoLineLabel;
class MagnifierPanel;
class NavigatorPanel;
class SplitterBar;

struct MainWindowOptions {
    QString dataFolder;                 // where Tolvar.tvd and User.tvd are; default: the program's folder
    QLocale locale;                     // numbers typed and shown
    MessageSink* messages = nullptr;    // default: message boxes over the window
};

// frmTolvarin: wires the catalogue, the conversion grid, the navigator and the
// command surfaces together and lays the window out by its twips arithmetic.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const MainWindowOptions& options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

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
    void setPanelButton(const QString& key, bool pressed);  // Náhled, Lupa, Info
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

    // ---- navigator and unit search ----
    void connectNavigator();
    void showNavigatorList(int page);
    void onTopicRenamed(int slot, const QString& title);

    std::unique_ptr<UnitCatalogue> catalogue_;
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
};

}  // namespace tolvarin
