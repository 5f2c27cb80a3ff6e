#include "navigation/navigatorpanel.h"

#include "catalogue/topictable.h"

#include <QCollator>
#include <QKeyEvent>
#include <QTabBar>

#include <algorithm>

namespace tolvarin {

namespace {

constexpr int kSlotRole = Qt::UserRole + 1;
constexpr int kTagRole = Qt::UserRole + 2;

QListWidgetItem* topicItem(int slot, const QString& title)
{
    auto* item = new QListWidgetItem(title);
    item->setData(kSlotRole, slot);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

}  // namespace

NavigatorPanel::NavigatorPanel(QWidget* parent)
    : QTabWidget(parent),
      topics_(makeList(QStringLiteral("lvwTema"))),
      units_(makeList(QStringLiteral("lvwJednotky"))),
      user_(makeList(QStringLiteral("lvwUser")))
{
    setObjectName(QStringLiteral("tabNavigator"));
    // The navigator is narrow: the tabs stand along its left edge, so their
    // captions are readable in full however narrow the column is.
    setTabPosition(QTabWidget::West);
    tabBar()->setUsesScrollButtons(false);
    addTab(topics_, QStringLiteral("&Veličiny"));
    addTab(units_, QStringLiteral("&Jednotky"));
    addTab(user_, QStringLiteral("&Uživatel"));
    setTabToolTip(0, QStringLiteral("Seznam veličin"));
    setTabToolTip(1, QStringLiteral("Abecední seznam jednotek"));
    setTabToolTip(2, QStringLiteral("Uživatelský seznam veličin"));
    units_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    for (QListWidget* list : {topics_, user_}) {
        connect(list, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { emit topicClicked(item->data(kSlotRole).toInt()); });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this](QListWidgetItem* item) { emit topicActivated(item->data(kSlotRole).toInt()); });
    }
    connect(units_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit unitActivated(item->data(kTagRole).toString()); });
    connect(tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0) emit pageChosen(Page(index));
    });
}

QListWidget* NavigatorPanel::makeList(const QString& objectName)
{
    auto* list = new QListWidget;
    list->setObjectName(objectName);
    list->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideRight);
    list->installEventFilter(this);
    connect(list->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] { renameJustEnded_ = true; });
    connect(list, &QListWidget::itemPressed, this, [this] { renameJustEnded_ = false; });
    return list;
}

void NavigatorPanel::setTopics(const QStringList& titles)
{
    topics_->clear();
    for (int i = 0; i < titles.size(); ++i) topics_->addItem(topicItem(i + 1, titles[i]));
}

void NavigatorPanel::setUserTopics(const QList<std::pair<int, QString>>& topics)
{
    user_->clear();
    for (const auto& [slot, title] : topics) user_->addItem(topicItem(slot, title));
}

void NavigatorPanel::setUnits(const QList<UnitListEntry>& entries)
{
    QList<UnitListEntry> sorted = entries;
    QCollator collator(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&collator](const UnitListEntry& a, const UnitListEntry& b) { return collator.compare(a.text, b.text) < 0; });
    units_->setUpdatesEnabled(false);
    units_->clear();
    for (const UnitListEntry& entry : sorted) {
        auto* item = new QListWidgetItem(entry.text);
        item->setData(kTagRole, entry.tag);
        item->setToolTip(entry.tag);
        units_->addItem(item);
    }
    units_->setUpdatesEnabled(true);
}

std::vector<int> NavigatorPanel::userSlots() const
{
    std::vector<int> result;
    for (int i = 0; i < user_->count(); ++i) result.push_back(user_->item(i)->data(kSlotRole).toInt());
    return result;
}

void NavigatorPanel::selectTopic(int slot)
{
    QListWidget* list = slot > kBuiltinTopicCount ? user_ : topics_;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(kSlotRole).toInt() == slot) {
            list->setCurrentRow(i);
            return;
        }
    }
}

int NavigatorPanel::selectedSlot(Page page) const
{
    const QListWidget* list = page == Page::User ? user_ : topics_;
    const QListWidgetItem* item = list->currentItem();
    return item ? item->data(kSlotRole).toInt() : 0;
}

void NavigatorPanel::showPage(Page page) { setCurrentIndex(int(page)); }

bool NavigatorPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return) {
        auto* list = qobject_cast<QListWidget*>(watched);
        // The Enter that ends a rename is not an order to open the topic.
        if (list && renameJustEnded_) {
            renameJustEnded_ = false;
            return true;
        }
        if (list) {
            if (list == units_) {
                if (QListWidgetItem* item = list->currentItem()) emit unitActivated(item->data(kTagRole).toString());
            } else {
                QListWidgetItem* item = list->currentItem();
                emit topicActivated(item ? item->data(kSlotRole).toInt() : 0);
            }
            return true;
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

}  // namespace tolvarin
