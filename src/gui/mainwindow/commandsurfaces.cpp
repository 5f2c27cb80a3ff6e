#include "mainwindow/commandsurfaces.h"

#include "mainwindow/commandtable.h"

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

// The toolbar pictures live in a static library; their registration has to
// be pulled in explicitly, from outside any namespace.
static int initToolbarResources()
{
    Q_INIT_RESOURCE(toolbar);
    return 0;
}

namespace tolvarin {

namespace {

QString entryKey(const QString& name, int index)
{
    return index < 0 ? name : name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

QString dropDownKey(const QString& buttonKey, const QString& entryKey)
{
    return buttonKey + QLatin1Char('/') + entryKey;
}

bool inExclusiveGroup(const QAction* action)
{
    const QActionGroup* group = action->actionGroup();
    return group && group->exclusionPolicy() == QActionGroup::ExclusionPolicy::Exclusive;
}

}  // namespace

QIcon toolbarIcon(const QString& imageKey)
{
    const ToolbarImage* image = findToolbarImage(imageKey);
    if (!image) return QIcon();
    static const int registered = initToolbarResources();
    Q_UNUSED(registered);
    const QIcon ours(QStringLiteral(":/toolbar/") + image->key + QStringLiteral(".svg"));
    if (image->themeName.isEmpty()) return ours;
    return QIcon::fromTheme(image->themeName, ours);
}

CommandSurfaces::CommandSurfaces(QMainWindow* window) : QObject(window)
{
    buildMenuBar(window);
    buildToolBar(window);
    buildStatusBar(window);
}

QAction* CommandSurfaces::action(const QString& menuName, int index) const
{
    return actions_.value(entryKey(menuName, index));
}

QMenu* CommandSurfaces::menu(const QString& menuName) const
{
    return menus_.value(menuName);
}

QAction* CommandSurfaces::separatorAfter(const QString& menuName, int index) const
{
    return separatorsAfter_.value(entryKey(menuName, index));
}

QAction* CommandSurfaces::toolButton(const QString& key) const
{
    return toolButtons_.value(key);
}

void CommandSurfaces::setToolButtonImage(const QString& key, const QString& imageKey)
{
    QAction* button = toolButton(key);
    const QIcon icon = toolbarIcon(imageKey);
    if (!button || icon.isNull()) return;
    button->setIcon(icon);
    toolImages_.insert(key, imageKey);
}

QString CommandSurfaces::toolButtonImage(const QString& key) const
{
    return toolImages_.value(key);
}

QAction* CommandSurfaces::toolMenuEntry(const QString& buttonKey, const QString& entryKey) const
{
    return toolMenuEntries_.value(dropDownKey(buttonKey, entryKey));
}

QLabel* CommandSurfaces::statusPanel(const QString& key) const
{
    return panels_.value(key);
}

void CommandSurfaces::EditaceOnOff(bool editing)
{
    const EditModeTargets& targets = editModeTargets();
    for (const MenuRef& ref : targets.menusOnWhileEditing)
        if (QAction* entry = action(ref.name, ref.index)) entry->setEnabled(editing);
    for (const QString& key : targets.buttonsOnWhileEditing)
        if (QAction* button = toolButton(key)) button->setEnabled(editing);
    for (const MenuRef& ref : targets.menusOffWhileEditing)
        if (QAction* entry = action(ref.name, ref.index)) entry->setEnabled(!editing);
    for (const QString& key : targets.buttonsOffWhileEditing)
        if (QAction* button = toolButton(key)) button->setEnabled(!editing);
    for (const MenuRef& ref : targets.menusShownWhileEditing) {
        if (QAction* entry = action(ref.name, ref.index)) entry->setVisible(editing);
        if (QAction* separator = separatorAfter(ref.name, ref.index)) separator->setVisible(editing);
    }
}

bool CommandSurfaces::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            const QString key = panels_.key(label);
            if (!key.isEmpty()) emit statusPanelClicked(key);
        }
    }
    return QObject::eventFilter(watched, event);
}

void CommandSurfaces::buildMenuBar(QMainWindow* window)
{
    auto* bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("menuBar"));
    for (const MenuNode& node : menuBarTable()) {
        QMenu* top = bar->addMenu(node.caption);
        top->setObjectName(node.name);
        top->menuAction()->setProperty("helpContext", node.helpContext);
        top->menuAction()->setVisible(!node.hidden);
        menus_.insert(node.name, top);
        actions_.insert(node.name, top->menuAction());
        addMenuNodes(top, node.children, window);
    }
    window->setMenuBar(bar);
}

void CommandSurfaces::addMenuNodes(QMenu* menu, const std::vector<MenuNode>& nodes, QMainWindow* window)
{
    QString previous;
    for (const MenuNode& node : nodes) {
        if (node.isSeparator()) {
            QAction* separator = menu->addSeparator();
            separator->setVisible(!node.hidden);
            if (!previous.isEmpty()) separatorsAfter_.insert(previous, separator);
            continue;
        }
        previous = entryKey(node.name, node.index);
        if (node.isSubmenu()) {
            QMenu* submenu = menu->addMenu(node.caption);
            submenu->setObjectName(node.name);
            QAction* entry = submenu->menuAction();
            entry->setProperty("helpContext", node.helpContext);
            menus_.insert(node.name, submenu);
            actions_.insert(node.name, entry);
            addMenuNodes(submenu, node.children, window);
            gateEntriesBySubmenu(submenu);
            entry->setEnabled(!node.disabled);
            entry->setVisible(!node.hidden);
        } else {
            actions_.insert(previous, addCommand(menu, node, window));
        }
    }
}

QAction* CommandSurfaces::addCommand(QMenu* menu, const MenuNode& node, QMainWindow* window)
{
    auto* entry = new QAction(node.caption, menu);
    entry->setObjectName(node.id());
    entry->setProperty("helpContext", node.helpContext);
    if (!node.shortcut.isEmpty()) {
        entry->setShortcut(QKeySequence(node.shortcut, QKeySequence::PortableText));
        entry->setShortcutContext(Qt::WindowShortcut);
    }
    if (node.check != CheckKind::None) {
        entry->setCheckable(true);
        if (node.check == CheckKind::Exclusive) {
            QActionGroup*& group = exclusiveGroups_[node.name];
            if (!group) group = new QActionGroup(this);
            group->addAction(entry);
        }
        entry->setChecked(node.checked);
    }
    entry->setEnabled(!node.disabled);
    entry->setVisible(!node.hidden);
    menu->addAction(entry);
    window->addAction(entry);

    const QString name = node.name;
    const int index = node.index;
    connect(entry, &QAction::triggered, this, [this, entry, name, index](bool checked) {
        if (entry->isCheckable() && !inExclusiveGroup(entry)) entry->setChecked(!checked);
        emit menuTriggered(name, index);
    });
    return entry;
}

// A disabled submenu cannot be opened, and its entries' shortcuts must be
// dead too. The entries join a group (the exclusive group they already have,
// or a plain one) that follows the submenu's enabled state; a group keeps
// each entry's own enabled state for when it is enabled again.
void CommandSurfaces::gateEntriesBySubmenu(QMenu* submenu)
{
    QList<QActionGroup*> groups;
    QActionGroup* plain = nullptr;
    for (QAction* entry : submenu->actions()) {
        if (entry->isSeparator()) continue;
        if (!entry->actionGroup()) {
            if (!plain) {
                plain = new QActionGroup(this);
                plain->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
            }
            plain->addAction(entry);
        }
        if (!groups.contains(entry->actionGroup())) groups.append(entry->actionGroup());
    }
    connect(submenu->menuAction(), &QAction::enabledChanged, this, [groups](bool enabled) {
        for (QActionGroup* group : groups) group->setEnabled(enabled);
    });
}

void CommandSurfaces::buildToolBar(QMainWindow* window)
{
    toolBar_ = new QToolBar(window);
    toolBar_->setObjectName(QStringLiteral("tlbLista"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);  // no "hide the toolbar" pop-up
    toolBar_->setIconSize(QSize(16, 16));  // small buttons: the whole bar fits the window's least width
    for (const ToolButtonDef& def : toolbarTable()) {
        if (def.isSeparator()) {
            toolBar_->addSeparator();
            continue;
        }
        auto* button = new QAction(toolbarIcon(def.imageKey), def.tooltip, this);
        button->setObjectName(def.key);
        button->setToolTip(def.tooltip);
        toolImages_.insert(def.key, def.imageKey);
        if (def.kind == ToolButtonKind::TwoState) {
            button->setCheckable(true);
            button->setChecked(def.pressed);
        }
        if (def.kind == ToolButtonKind::DropDown) {
            auto* dropDown = new QMenu(window);
            dropDown->setObjectName(def.key);
            for (const ToolMenuEntry& item : def.entries) {
                QAction* entry = dropDown->addAction(toolbarIcon(item.buttonImage), item.text);
                entry->setObjectName(item.key);
                toolMenuEntries_.insert(dropDownKey(def.key, item.key), entry);
                const QString key = item.key;
                connect(entry, &QAction::triggered, this, [this, key] { emit toolMenuClicked(key); });
            }
            button->setMenu(dropDown);
        }
        toolBar_->addAction(button);
        if (def.kind == ToolButtonKind::DropDown) {
            if (auto* split = qobject_cast<QToolButton*>(toolBar_->widgetForAction(button)))
                split->setPopupMode(QToolButton::MenuButtonPopup);
        }
        button->setEnabled(!def.disabled);
        button->setVisible(!def.hidden);
        toolButtons_.insert(def.key, button);
        const QString key = def.key;
        connect(button, &QAction::triggered, this, [this, key] { emit toolButtonClicked(key); });
    }
    window->addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CommandSurfaces::buildStatusBar(QMainWindow* window)
{
    statusBar_ = new QStatusBar(window);
    statusBar_->setObjectName(QStringLiteral("staStav"));
    for (const StatusPanelDef& def : statusPanelTable()) {
        auto* panel = new QLabel(def.text, statusBar_);
        panel->setObjectName(def.key);
        panel->setToolTip(def.tooltip);
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        panel->installEventFilter(this);
        statusBar_->addWidget(panel);
        panels_.insert(def.key, panel);
    }
    window->setStatusBar(statusBar_);
}

}  // namespace tolvarin
