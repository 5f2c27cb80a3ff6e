#pragma once

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QString>

#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMainWindow;
class QMenu;
class QStatusBar;
class QToolBar;

namespace tolvarin {

struct MenuNode;

// The picture of a toolbar image key: the icon theme's picture when the
// theme has one, otherwise our own drawing from the resources. Null only for
// an unknown key.
QIcon toolbarIcon(const QString& imageKey);

// Builds the menu bar, the toolbar tlbLista and the status bar staStav of a
// main window from the command tables, and reports every command by name
// (menus) or key (toolbar, drop-down entries, status panels). It decides
// nothing itself: the window handles the signals and sets enabled, visible
// and checked states on the actions.
//
// Check marks. Qt flips a checkable action before it reports the trigger;
// here the window owns every mark:
// - Toggle entries (mnuLupa, mnuNahled, mnuInfo, mnuBarvy, mnuOnTop) get
//   their mark back before menuTriggered is emitted, so a handler reads the
//   state from before the click and sets the new one itself.
// - Entries of an exclusive group (mnuFormatZ, mnuU, mnuNahledUkazuje,
//   mnuIkony, mnuNavigator) sit in an exclusive QActionGroup. A click moves
//   the mark to the chosen entry, which is what each handler of these groups
//   does anyway; the window's setChecked afterwards is final.
// - The two-state toolbar buttons ("Náhled", "Lupa", "Info") change their
//   pressed state on a click before toolButtonClicked, as toggle buttons do.
//
// Shortcuts work anywhere in the main window: every menu action is also
// added to the window itself, so entries of hidden pop-up menus (mnuTab)
// keep their keys. A hidden entry has no working shortcut, and neither do
// the entries of a disabled submenu (mnuA, mnuE, mnuUroven, ...): disabling
// the submenu's action disables its entries, whose own enabled states come
// back when the submenu is enabled again.
class CommandSurfaces : public QObject {
    Q_OBJECT

public:
    // Installs a new menu bar, toolbar and status bar on the window; the
    // surfaces belong to the window.
    explicit CommandSurfaces(QMainWindow* window);

    // A menu entry by name and index (-1 outside indexed arrays); for a
    // submenu its menu action. nullptr for names not in the menu bar.
    QAction* action(const QString& menuName, int index = -1) const;
    // A submenu, also for use as a pop-up ("mnuTab", "mnuA", "mnuUroven", ...).
    QMenu* menu(const QString& menuName) const;
    // The separator that follows an entry, or nullptr.
    QAction* separatorAfter(const QString& menuName, int index = -1) const;

    QToolBar* toolBar() const { return toolBar_; }
    // The action behind a toolbar button; for "Jako" and "Úroveň" it carries
    // the drop-down menu and shows as a split button.
    QAction* toolButton(const QString& key) const;
    // Gives the button the picture of an image key (unknown keys are ignored).
    void setToolButtonImage(const QString& key, const QString& imageKey);
    QString toolButtonImage(const QString& key) const;
    QAction* toolMenuEntry(const QString& buttonKey, const QString& entryKey) const;

    QStatusBar* statusBar() const { return statusBar_; }
    QLabel* statusPanel(const QString& key) const;

    // The data file editor opened (true) or closed (false): switches the
    // commands that work only in one of the two modes.
    void EditaceOnOff(bool editing);

signals:
    void menuTriggered(const QString& menuName, int index);
    void toolButtonClicked(const QString& key);
    void toolMenuClicked(const QString& key);
    void statusPanelClicked(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenuBar(QMainWindow* window);
    void addMenuNodes(QMenu* menu, const std::vector<MenuNode>& nodes, QMainWindow* window);
    QAction* addCommand(QMenu* menu, const MenuNode& node, QMainWindow* window);
    void gateEntriesBySubmenu(QMenu* submenu);
    void buildToolBar(QMainWindow* window);
    void buildStatusBar(QMainWindow* window);

    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, QAction*> separatorsAfter_;
    QHash<QString, QActionGroup*> exclusiveGroups_;
    QToolBar* toolBar_ = nullptr;
    QHash<QString, QAction*> toolButtons_;
    QHash<QString, QString> toolImages_;
    QHash<QString, QAction*> toolMenuEntries_;
    QStatusBar* statusBar_ = nullptr;
    QHash<QString, QLabel*> panels_;
};

}  // namespace tolvarin
