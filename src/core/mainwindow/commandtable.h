#pragma once

#include <QString>

#include <vector>

// The main window's commands as data: one value of Command per command the
// user can give, what each looks like (caption, shortcut, picture, state),
// and where each stands (menu tree, toolbar, status bar). CommandSurfaces
// (GUI) builds one action per command from these tables.

namespace tolvarin {

enum class Command {
    // Soubor
    OpenFile,
    Reload,
    EditMainFile,  // also the toolbar's "Otevřít"
    EditUserFile,
    CloseEditor,
    SaveEditor,
    Print,
    Quit,
    // Úpravy
    Copy,
    ExtendedCopy,
    Paste,
    Find,
    // Zobrazit
    LevelAll,
    Level1,
    Level2,
    Level3,
    Magnifier,
    Preview,
    InfoPanel,
    PreviewFirstUnit,
    PreviewEnteredUnit,
    AlwaysOnTop,
    // the grid's pop-up "Tabulka"
    ShowAllRows,
    HideActiveRow,
    HideUnmarkedRows,
    // Přejít
    PreviousTopic,
    NextTopic,
    OpenTopic,  // a family: one entry per built-in topic, the slot in the entry
    // Formát
    Font,
    FormatSingle,
    FormatDouble,
    FormatScientific,
    FormatFixed,
    RowsHideUnmarked,
    RowsShowAll,
    ColourMarking,
    NavigatorIconView,
    NavigatorListView,
    // Nástroje
    ShowTopicList,
    ShowUserTopicList,
    ShowUnitList,
    PrefixView,
    Constants,
    AsBinary,
    AsOctal,
    AsHex,
    AsOwnBase,
    AsOwnBaseWithPlaces,
    AsFraction,
    AsRoman,
    RecordStart,
    RecordPause,
    RecordStop,
    Record,
    CompactView,
    Calculator,
    Options,
    // Nápověda
    Help,
    HelpIndex,  // also the toolbar's "Nápověda"
    WhatsThis,
    Keyboard,
    HomePage,
    Feedback,
    About,
    // toolbar only
    AsRemembered,  // "Jako": repeats the representation remembered from its drop-down
    Levels,        // "Úroveň": every level; its drop-down chooses one
};
constexpr int kCommandCount = int(Command::Levels) + 1;

// Commands of which exactly one is chosen at a time. Each member stands for
// a value, which its action carries in data().
enum class Group {
    None,
    PrecisionMode,  // 0 single, 1 double, 2 scientific, 3 fixed
    Level,          // 0 every level, 1 to 3
    PreviewTarget,  // 0 the first unit, 1 the entered unit
    NavigatorList,  // the navigator's tab: 0 quantities, 1 units, 2 user quantities
    NavigatorView,  // 0 large icons, 1 list
};

struct CommandInfo {
    QString caption;   // with "&" before the access key
    QString shortcut;  // portable key text ("Ctrl+J", "Shift+F4"), empty for none
    QString picture;   // image key (toolbarImages()), empty for none
    QString toolTip;   // the toolbar button's, where it differs from the caption
    int helpContext = 0;
    Group group = Group::None;
    int value = 0;        // the value of a group member
    bool toggle = false;  // a check mark of its own, switched by each use
    bool hidden = false;  // design-time states
    bool disabled = false;
    bool checked = false;
    bool remembered = false;  // chosen from the "Jako" drop-down, the button repeats it

    bool checkable() const { return toggle || group != Group::None; }
    // What the toolbar shows when the pointer rests on the button.
    QString buttonToolTip() const;
};

const CommandInfo& commandInfo(Command command);
std::vector<Command> allCommands();

// The caption of the "Přejít" entry of a built-in topic (slot 1..26).
QString topicEntryCaption(int slot);

// Submenus; those used as pop-ups too are Table, Edit (the cell editor's),
// AsView (value cells), Go (the title line), Level (the level panel),
// PreviewTarget (the information line) and NavigatorView (the lists).
enum class Menu {
    File,
    EditUnits,
    Edit,
    View,
    Level,
    PreviewTarget,
    Table,
    Go,
    Format,
    Rows,
    NavigatorView,
    Tools,
    AsView,
    Help,
};

struct MenuInfo {
    QString caption;
    int helpContext = 0;
    bool hidden = false;
    bool disabled = false;
};
const MenuInfo& menuInfo(Menu menu);

struct MenuEntry {
    enum class Kind { Command, Submenu, Separator };
    Kind kind = Kind::Separator;
    Command command = Command::OpenFile;  // Kind::Command
    Menu submenu = Menu::File;            // Kind::Submenu
    int topic = 0;                        // Command::OpenTopic: the topic's slot
    bool hidden = false;                  // a separator hidden at design time
};

// The menus of the menu bar in order; "Tabulka" is among them, hidden, and
// serves as a pop-up only.
const std::vector<Menu>& menuBar();
const std::vector<MenuEntry>& menuEntries(Menu menu);

// The toolbar from left to right. A drop-down button lists its entries.
struct ToolbarItem {
    bool separator = false;
    Command command = Command::OpenFile;
    std::vector<Command> dropDown;
};
const std::vector<ToolbarItem>& toolbarLayout();

// The toolbar's image list: the picture keys. The picture of key K is the
// resource ":/toolbar/K.svg".
struct ToolbarImage {
    QString key;
};
const std::vector<ToolbarImage>& toolbarImages();
const ToolbarImage* findToolbarImage(const QString& key);

enum class StatusPanel { NavigatorList, TopicCount, UnitCount, TopicUnits, Level, Precision };

struct StatusPanelInfo {
    StatusPanel panel;
    QString text;     // design-time text
    QString toolTip;  // empty: none
};
// The status bar's panels from left to right.
const std::vector<StatusPanelInfo>& statusPanels();

// What opening and closing the data file editor switch.
struct EditModeTargets {
    std::vector<Command> onWhileEditing;
    std::vector<Command> offWhileEditing;
    std::vector<Menu> menusOffWhileEditing;
    std::vector<Command> shownWhileEditing;  // the separator after each goes with it
};
const EditModeTargets& editModeTargets();

}  // namespace tolvarin
