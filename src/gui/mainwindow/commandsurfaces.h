#pragma once

#include "mainwindow/commandtable.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>

#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QMainWindow;
class QMenu;
class QWidget;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace tolvarin {

// The picture of a toolbar image key: our own drawing from the resources,
// whatever the desktop's icon theme. Null only for an unknown key.
QIcon toolbarIcon(const QString& imageKey);

// Builds the menu bar, the toolbar and the status bar of a main window from
// the command tables. Every command has exactly one QAction, which stands in
// its menu, on its toolbar button and in every pop-up or drop-down that
// offers it, so its check mark and enabled state are the same everywhere.
// The surfaces decide nothing: the window connects to the actions.
//
// - Toggles are checkable actions; Qt switches their mark and reports it
//   through toggled(bool).
// - Members of an exclusive group sit in an exclusive QActionGroup and carry
//   their value in data(); the group moves the mark.
// - The topic entries of "Přejít" carry their slot in data().
// - Shortcuts work anywhere in the window: every action is also added to the
//   window itself, so entries of the hidden pop-up "Tabulka" keep their keys.
//   A hidden entry has no working shortcut, and neither do the entries of a
//   disabled submenu: disabling the submenu disables its entries, whose own
//   states come back when the submenu is enabled again.
// - "Jako" and "Úroveň" are split buttons whose drop-downs hold the shared
//   actions of "Aktuální jako" and "Úroveň".
class CommandSurfaces : public QObject {
    Q_OBJECT

public:
    // Installs a new menu bar, toolbar and status bar on the window; the
    // surfaces belong to the window.
    explicit CommandSurfaces(QMainWindow* window);

    // The action of a command; for the family OpenTopic use topicAction.
    QAction* action(Command command) const;
    // The "Přejít" entry of a built-in topic (slot 1..26), or nullptr.
    QAction* topicAction(int slot) const;
    QActionGroup* group(Group group) const;
    // The member of an exclusive group that stands for the value, or nullptr.
    QAction* choice(Group group, int value) const;
    QMenu* menu(Menu menu) const;

    QToolBar* toolBar() const { return toolBar_; }
    // The toolbar button of a command, or nullptr for commands not on the toolbar.
    QToolButton* toolButton(Command command) const;
    // Gives the command's action the picture of an image key (unknown keys are ignored).
    void setPicture(Command command, const QString& imageKey);
    QString picture(Command command) const;

    QStatusBar* statusBar() const { return statusBar_; }
    QLabel* panel(StatusPanel panel) const;

    // The data file editor opened (true) or closed (false): switches the
    // commands that work only in one of the two modes; closing gives them back
    // the states they had when it opened.
    void setEditorMode(bool editing);

signals:
    // An entry chosen in the drop-down of a toolbar button (not the same
    // action triggered elsewhere).
    void chosenFromDropDown(Command button, Command entry);
    void panelClicked(StatusPanel panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions(QMainWindow* window);
    QAction* createAction(const CommandInfo& info, QMainWindow* window);
    void buildMenuBar(QMainWindow* window);
    QMenu* buildMenu(Menu menu, QWidget* holder);
    void gateEntriesBySubmenu(QMenu* submenu);
    void buildToolBar(QMainWindow* window);
    void buildStatusBar(QMainWindow* window);

    std::vector<QAction*> actions_;  // by Command
    std::vector<QAction*> topics_;   // by slot - 1
    QHash<int, QActionGroup*> groups_;
    QHash<int, QMenu*> menus_;
    QHash<int, QAction*> separatorsAfter_;  // by Command
    QHash<int, QString> pictures_;          // by Command
    QToolBar* toolBar_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QHash<int, QLabel*> panels_;
    bool editorMode_ = false;
    QList<bool> enabledBeforeEditing_;  // the commands, then the menus, that editing switches off
};

}  // namespace tolvarin
