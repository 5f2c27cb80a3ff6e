#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The main window's command surfaces as data: the menu bar, the toolbar
// tlbLista with its image list, and the status bar staStav. The widgets are
// built from these tables by CommandSurfaces (GUI); keeping the tables here
// lets the core tests check every caption, shortcut and state exactly.

namespace tolvarin {

enum class MenuNodeKind { Command, Submenu, Separator };

// How an entry carries a check mark. Toggle entries flip on their own;
// entries of an exclusive group have exactly one member checked.
enum class CheckKind { None, Toggle, Exclusive };

struct MenuNode {
    MenuNodeKind kind = MenuNodeKind::Command;
    QString name;         // "mnuFormatZ"; empty for separators
    int index = -1;       // position in an indexed menu array, -1 otherwise
    QString caption;      // with "&" before the access key
    QString shortcut;     // portable key text ("Ctrl+J", "Shift+F4"), empty for none
    int helpContext = 0;  // 0: no help page
    bool hidden = false;  // design-time states
    bool disabled = false;
    bool checked = false;
    CheckKind check = CheckKind::None;
    std::vector<MenuNode> children;  // entries of a submenu, in menu order

    bool isSeparator() const { return kind == MenuNodeKind::Separator; }
    bool isSubmenu() const { return kind == MenuNodeKind::Submenu; }
    // "mnuFormatZ(0)" or "mnuKonec": how messages and tests name an entry.
    QString id() const;
};

// The top-level menus in menu-bar order; "Tabulka" (mnuTab) is among them,
// hidden, and serves as a pop-up only.
const std::vector<MenuNode>& menuBarTable();

// The entry with that name and index anywhere in the menu bar, or nullptr.
const MenuNode* findMenuNode(const QString& name, int index = -1);

// Every node of the menu bar (submenus before their children), in menu order.
std::vector<const MenuNode*> allMenuNodes();

// The numbers shown by the "&Přejít" menu's topic entries mnuTema 1..26.
constexpr int kFirstTemaIndex = 1;
constexpr int kLastTemaIndex = 26;

enum class ToolButtonKind { Plain, Separator, TwoState, DropDown };

struct ToolMenuEntry {
    QString text;
    QString key;
    QString buttonImage;      // image the button takes after this choice, empty: unchanged
    bool remembered = false;  // the "Jako" button repeats this choice afterwards
};

struct ToolButtonDef {
    ToolButtonKind kind = ToolButtonKind::Plain;
    QString key;
    QString tooltip;
    QString imageKey;     // key into toolbarImages()
    bool hidden = false;  // design-time states
    bool disabled = false;
    bool pressed = false;
    std::vector<ToolMenuEntry> entries;  // drop-down menu, in order

    bool isSeparator() const { return kind == ToolButtonKind::Separator; }
};

// The 24 buttons of tlbLista from left to right, separators included.
const std::vector<ToolButtonDef>& toolbarTable();
const ToolButtonDef* findToolButton(const QString& key);

// The toolbar's image list: a picture key and the freedesktop icon name
// tried first (empty: our own picture only). Our picture of key K is the
// resource ":/toolbar/K.svg".
struct ToolbarImage {
    QString key;
    QString themeName;
};
const std::vector<ToolbarImage>& toolbarImages();
const ToolbarImage* findToolbarImage(const QString& key);

struct StatusPanelDef {
    QString key;
    QString text;     // design-time text
    QString tooltip;  // empty: none
};

// The panels of staStav from left to right.
const std::vector<StatusPanelDef>& statusPanelTable();

// A menu entry by name and index (-1 for entries outside an array).
struct MenuRef {
    QString name;
    int index = -1;
};

// What the data file editor's opening and closing switch (EditaceOnOff).
struct EditModeTargets {
    std::vector<MenuRef> menusOnWhileEditing;
    QStringList buttonsOnWhileEditing;
    std::vector<MenuRef> menusOffWhileEditing;
    QStringList buttonsOffWhileEditing;
    std::vector<MenuRef> menusShownWhileEditing;  // the separator after mnuPismo goes with it
};
const EditModeTargets& editModeTargets();

}  // namespace tolvarin
