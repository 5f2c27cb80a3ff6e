#include "mainwindow/commandsurfaces.h"

#include "catalogue/topictable.h"
#include "mainwindow/svgicon.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

// The toolbar pictures live in a static library; their registration has to
// be pulled in explicitly, from outside any namespace.
static int initToolbarResources()
{
    Q_INIT_RESOURCE(toolbar);
    return 0;
}

namespace tolvarin {

QIcon toolbarIcon(const QString& imageKey)
{
    const ToolbarImage* image = findToolbarImage(imageKey);
    if (!image) return QIcon();
    static const int registered = initToolbarResources();
    Q_UNUSED(registered);
    return svgIcon(QStringLiteral(":/toolbar/") + image->key + QStringLiteral(".svg"));
}

CommandSurfaces::CommandSurfaces(QMainWindow* window) : QObject(window)
{
    createActions(window);
    buildMenuBar(window);
    buildToolBar(window);
    buildStatusBar(window);
}

QAction* CommandSurfaces::action(Command command) const
{
    return actions_[size_t(command)];
}

QAction* CommandSurfaces::topicAction(int slot) const
{
    return slot >= 1 && slot <= int(topics_.size()) ? topics_[size_t(slot - 1)] : nullptr;
}

QActionGroup* CommandSurfaces::group(Group group) const
{
    return groups_.value(int(group));
}

QAction* CommandSurfaces::choice(Group group, int value) const
{
    const QActionGroup* members = groups_.value(int(group));
    if (!members) return nullptr;
    for (QAction* member : members->actions())
        if (member->data().toInt() == value) return member;
    return nullptr;
}

QMenu* CommandSurfaces::menu(Menu menu) const
{
    return menus_.value(int(menu));
}

QToolButton* CommandSurfaces::toolButton(Command command) const
{
    return qobject_cast<QToolButton*>(toolBar_->widgetForAction(action(command)));
}

void CommandSurfaces::setPicture(Command command, const QString& imageKey)
{
    const QIcon icon = toolbarIcon(imageKey);
    if (icon.isNull()) return;
    action(command)->setIcon(icon);
    pictures_.insert(int(command), imageKey);
}

QString CommandSurfaces::picture(Command command) const
{
    return pictures_.value(int(command));
}

QLabel* CommandSurfaces::panel(StatusPanel panel) const
{
    return panels_.value(int(panel));
}

// Leaving the editor gives the commands that it switched off the states they
// had before, so that nothing comes on that had no use then.
void CommandSurfaces::setEditorMode(bool editing)
{
    const EditModeTargets& targets = editModeTargets();
    if (editing && !editorMode_) {
        enabledBeforeEditing_.clear();
        for (Command command : targets.offWhileEditing) enabledBeforeEditing_.append(action(command)->isEnabled());
        for (Menu submenu : targets.menusOffWhileEditing)
            enabledBeforeEditing_.append(menu(submenu)->menuAction()->isEnabled());
    }
    editorMode_ = editing;
    qsizetype before = 0;
    for (Command command : targets.onWhileEditing) action(command)->setEnabled(editing);
    for (Command command : targets.offWhileEditing)
        action(command)->setEnabled(!editing && enabledBeforeEditing_.value(before++, true));
    for (Menu submenu : targets.menusOffWhileEditing)
        menu(submenu)->menuAction()->setEnabled(!editing && enabledBeforeEditing_.value(before++, true));
    for (Command command : targets.shownWhileEditing) {
        action(command)->setVisible(editing);
        if (QAction* separator = separatorsAfter_.value(int(command))) separator->setVisible(editing);
    }
}

bool CommandSurfaces::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            const int panel = panels_.key(label, -1);
            if (panel >= 0) emit panelClicked(StatusPanel(panel));
        }
    }
    return QObject::eventFilter(watched, event);
}

void CommandSurfaces::createActions(QMainWindow* window)
{
    for (Command command : allCommands()) {
        const CommandInfo& info = commandInfo(command);
        actions_.push_back(command == Command::OpenTopic ? nullptr : createAction(info, window));
        if (!info.picture.isEmpty()) pictures_.insert(int(command), info.picture);
    }
    CommandInfo topic = commandInfo(Command::OpenTopic);
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) {
        topic.caption = topicEntryCaption(slot);
        topics_.push_back(createAction(topic, window));
        topics_.back()->setData(slot);
    }
}

QAction* CommandSurfaces::createAction(const CommandInfo& info, QMainWindow* window)
{
    auto* action = new QAction(toolbarIcon(info.picture), info.caption, this);
    action->setProperty("helpContext", info.helpContext);
    action->setToolTip(info.buttonToolTip());
    action->setIconVisibleInMenu(false);  // the menus keep their plain look and check marks
    if (!info.shortcut.isEmpty()) {
        action->setShortcut(QKeySequence(info.shortcut, QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (info.checkable()) {
        action->setCheckable(true);
        if (info.group != Group::None) {
            QActionGroup*& members = groups_[int(info.group)];
            if (!members) members = new QActionGroup(this);
            members->addAction(action);
            action->setData(info.value);
        }
        action->setChecked(info.checked);
    }
    action->setEnabled(!info.disabled);
    action->setVisible(!info.hidden);
    window->addAction(action);
    return action;
}

void CommandSurfaces::buildMenuBar(QMainWindow* window)
{
    auto* bar = new QMenuBar(window);
    for (Menu top : menuBar()) bar->addMenu(buildMenu(top, bar));
    window->setMenuBar(bar);
}

// A menu of the menu bar, or a submenu of the menu that holds it.
QMenu* CommandSurfaces::buildMenu(Menu which, QWidget* holder)
{
    const MenuInfo& info = menuInfo(which);
    auto* built = new QMenu(info.caption, holder);
    built->menuAction()->setProperty("helpContext", info.helpContext);
    menus_.insert(int(which), built);
    int previous = -1;
    for (const MenuEntry& entry : menuEntries(which)) {
        switch (entry.kind) {
            case MenuEntry::Kind::Separator: {
                QAction* separator = built->addSeparator();
                separator->setVisible(!entry.hidden);
                if (previous >= 0) separatorsAfter_.insert(previous, separator);
                previous = -1;
                break;
            }
            case MenuEntry::Kind::Submenu:
                built->addMenu(buildMenu(entry.submenu, built));
                previous = -1;
                break;
            case MenuEntry::Kind::Command:
                built->addAction(entry.command == Command::OpenTopic ? topicAction(entry.topic) : action(entry.command));
                previous = int(entry.command);
                break;
        }
    }
    if (qobject_cast<QMenu*>(holder)) gateEntriesBySubmenu(built);
    built->menuAction()->setEnabled(!info.disabled);
    built->menuAction()->setVisible(!info.hidden);
    return built;
}

// A disabled submenu cannot be opened, and its entries' shortcuts must be
// dead too. The entries join a group (the exclusive group they already have,
// or a plain one) that follows the submenu's enabled state; a group keeps
// each entry's own enabled state for when it is enabled again.
void CommandSurfaces::gateEntriesBySubmenu(QMenu* submenu)
{
    QList<QActionGroup*> gates;
    QActionGroup* plain = nullptr;
    for (QAction* entry : submenu->actions()) {
        if (entry->isSeparator() || entry->menu()) continue;
        if (!entry->actionGroup()) {
            if (!plain) {
                plain = new QActionGroup(this);
                plain->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
            }
            plain->addAction(entry);
        }
        if (!gates.contains(entry->actionGroup())) gates.append(entry->actionGroup());
    }
    connect(submenu->menuAction(), &QAction::enabledChanged, this, [gates](bool enabled) {
        for (QActionGroup* gate : gates) gate->setEnabled(enabled);
    });
}

void CommandSurfaces::buildToolBar(QMainWindow* window)
{
    toolBar_ = new QToolBar(window);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);  // no "hide the toolbar" pop-up
    toolBar_->setIconSize(QSize(16, 16));  // small buttons: the whole bar fits the window's least width
    for (const ToolbarItem& item : toolbarLayout()) {
        if (item.separator) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* button = action(item.command);
        if (item.dropDown.empty()) {
            toolBar_->addAction(button);
            continue;
        }
        auto* dropDown = new QMenu(window);
        for (Command entry : item.dropDown) {
            dropDown->addAction(action(entry));
            action(entry)->setIconVisibleInMenu(true);  // the drop-down shows what the button will look like
        }
        button->setMenu(dropDown);
        toolBar_->addAction(button);
        QToolButton* split = toolButton(item.command);
        split->setPopupMode(QToolButton::MenuButtonPopup);
        // QToolButton reports an entry only while its own drop-down is open.
        const Command buttonCommand = item.command;
        connect(split, &QToolButton::triggered, this, [this, buttonCommand](QAction* chosen) {
            const auto found = std::find(actions_.begin(), actions_.end(), chosen);
            if (found == actions_.end() || chosen == action(buttonCommand)) return;
            emit chosenFromDropDown(buttonCommand, Command(found - actions_.begin()));
        });
    }
    window->addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CommandSurfaces::buildStatusBar(QMainWindow* window)
{
    statusBar_ = new QStatusBar(window);
    for (const StatusPanelInfo& info : statusPanels()) {
        auto* label = new QLabel(info.text, statusBar_);
        label->setToolTip(info.toolTip);
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        label->installEventFilter(this);
        statusBar_->addWidget(label);
        panels_.insert(int(info.panel), label);
    }
    window->setStatusBar(statusBar_);
}

}  // namespace tolvarin
