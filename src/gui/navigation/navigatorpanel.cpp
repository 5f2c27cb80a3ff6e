#include "navigation/navigatorpanel.h"

#include "catalogue/topictable.h"
#include "navigation/listlook.h"
#include "navigation/searchpanel.h"
#include "navigation/topicicons.h"

#include <QCollator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QStyle>
#include <QTabBar>

#include <algorithm>
#include <functional>
#include <utility>

namespace tolvarin {

namespace {

constexpr int kSlotRole = Qt::UserRole + 1;
constexpr int kTagRole = Qt::UserRole + 2;
constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;

QListWidgetItem* topicItem(int slot, const QString& title, const QString& iconKey)
{
    auto* item = new QListWidgetItem(topicIcon(iconKey), title);
    item->setData(kSlotRole, slot);
    item->setToolTip(title);  // the column is narrow and long titles are cut short
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

bool isEnterKey(const QEvent* event)
{
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Ends a rename in place. A title that is empty (or blanks only) is refused:
// the item keeps its text and nothing is reported.
class RenameDelegate : public QStyledItemDelegate {
public:
    using Renamed = std::function<void(int row, const QString& title)>;

    RenameDelegate(Renamed renamed, QObject* parent) : QStyledItemDelegate(parent), renamed_(std::move(renamed)) {}

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        const auto* line = qobject_cast<const QLineEdit*>(editor);
        if (!line) return;
        const QString title = line->text();
        if (title.trimmed().isEmpty() || title == index.data(Qt::DisplayRole).toString()) return;
        model->setData(index, title, Qt::EditRole);
        renamed_(index.row(), title);
    }

    // The editor shows the whole title, also where the item is narrower than
    // its title (large icons): it then takes the list's whole width.
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override
    {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        const QWidget* viewport = editor->parentWidget();
        const int needed = editor->fontMetrics().horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 16;
        if (!viewport || editor->width() >= needed) return;
        editor->setAutoFillBackground(true);  // over its neighbours' titles
        editor->setGeometry(0, editor->y(), viewport->width(), editor->height());
    }

private:
    Renamed renamed_;
};

}  // namespace

QString NavigatorPanel::panelText(Page page)
{
    switch (page) {
        case Page::Topics: return QStringLiteral("Veličiny");
        case Page::User: return QStringLiteral("Uživatelské veličiny");
        case Page::Units: return QStringLiteral("Jednotky");
    }
    return QString();
}

QString NavigatorPanel::selectionTitle(Page page)
{
    return page == Page::Units ? QStringLiteral(" Výběr jednotky") : QStringLiteral(" Výběr veličiny");
}

NavigatorPanel::NavigatorPanel(QWidget* parent)
    : QTabWidget(parent),
      topics_(makeList(QStringLiteral("topicList"))),
      units_(makeList(QStringLiteral("unitList"))),
      user_(makeList(QStringLiteral("userTopicList"))),
      search_(new SearchPanel(this))
{
    setObjectName(QStringLiteral("navigator"));
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
    units_->setUniformItemSizes(true);
    search_->hide();
    search_->setTopicTitles([this](int slot) { return topicTitle(slot); });
    connect(search_, &SearchPanel::unitActivated, this, &NavigatorPanel::unitActivated);

    for (QListWidget* list : {topics_, user_}) {
        list->setItemDelegate(
            new RenameDelegate([this, list](int row, const QString& title) { onRenamed(list, row, title); }, list));
        list->viewport()->installEventFilter(this);
        connect(list->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
                [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                    // The Enter that ends a rename is not an order to open the topic.
                    renameJustEnded_ = hint == QAbstractItemDelegate::SubmitModelCache;
                });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this](QListWidgetItem* item) { emit topicActivated(item->data(kSlotRole).toInt()); });
    }
    setLargeIcons(false);
    connect(units_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit unitActivated(item->data(kTagRole).toString()); });

    // A tab chosen by a click, or by its access key (which changes the page
    // without a click): both are the user's choice.
    connect(tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
        if (index < 0) return;
        changingPage_ = true;
        setCurrentIndex(index);
        changingPage_ = false;
        emit pageChosen(Page(index));
    });
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == int(Page::Units)) fillUnits();
        if (!changingPage_ && index >= 0) emit pageChosen(Page(index));
    });
}

QListWidget* NavigatorPanel::makeList(const QString& objectName)
{
    auto* list = new QListWidget;
    list->setObjectName(objectName);
    list->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideRight);
    list->setIconSize(QSize(kSmallIcon, kSmallIcon));
    keepSelectionShown(list);
    list->installEventFilter(this);
    return list;
}

void NavigatorPanel::setTopics(const QStringList& titles)
{
    topics_->clear();
    for (int i = 0; i < titles.size(); ++i) topics_->addItem(topicItem(i + 1, titles[i], topicKey(i + 1)));
    search_->refreshToolTips();
}

void NavigatorPanel::setUserTopics(const QList<std::pair<int, QString>>& topics)
{
    user_->clear();
    for (const auto& [slot, title] : topics) user_->addItem(topicItem(slot, title, QStringLiteral("User")));
}

void NavigatorPanel::setUnits(std::function<QList<UnitListEntry>()> entries)
{
    pendingUnits_ = std::move(entries);
    if (currentIndex() == int(Page::Units)) fillUnits();
}

QListWidget* NavigatorPanel::unitList()
{
    fillUnits();
    return units_;
}

void NavigatorPanel::fillUnits()
{
    if (!pendingUnits_) return;
    const QList<UnitListEntry> entries = std::exchange(pendingUnits_, nullptr)();
    // Czech order ("ch" after "h"); one sort key per name is much cheaper than
    // asking the collator at every comparison of a thousand names.
    static const QCollator collator(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(size_t(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) keys.emplace_back(collator.sortKey(entries[i].text), i);
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    units_->setUpdatesEnabled(false);
    units_->clear();
    for (const auto& [key, index] : keys) {
        const UnitListEntry& entry = entries[index];
        auto* item = new QListWidgetItem(topicIcon(entry.iconKey), entry.text);
        item->setData(kTagRole, entry.tag);
        item->setToolTip(entry.text);
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

QString NavigatorPanel::topicTitle(int slot) const
{
    const QListWidget* list = slot > kBuiltinTopicCount ? user_ : topics_;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(kSlotRole).toInt() == slot) return list->item(i)->text();
    return QString();
}

void NavigatorPanel::selectTopic(int slot, bool reveal)
{
    QListWidget* list = slot > kBuiltinTopicCount ? user_ : topics_;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(kSlotRole).toInt() != slot) continue;
        list->setCurrentRow(i);
        list->scrollToItem(list->item(i));
        if (reveal && currentWidget() != list) {
            changingPage_ = true;
            setCurrentWidget(list);
            changingPage_ = false;
        }
        return;
    }
}

int NavigatorPanel::selectedSlot(Page page) const
{
    const QListWidget* list = page == Page::User ? user_ : topics_;
    const QListWidgetItem* item = list->currentItem();
    return item ? item->data(kSlotRole).toInt() : 0;
}

void NavigatorPanel::showPage(Page page, bool interactive)
{
    search_->hide();
    if (currentIndex() != int(page)) {
        changingPage_ = true;
        setCurrentIndex(int(page));
        changingPage_ = false;
    }
    if (!interactive) return;
    auto* list = static_cast<QListWidget*>(widget(int(page)));
    list->setFocus();
    if (page != Page::Topics && list->count() > 0) {
        list->scrollToItem(list->item(0));
        list->setCurrentRow(0);
    }
}

void NavigatorPanel::showSearch()
{
    placeSearchPanel();
    search_->open();
}

bool NavigatorPanel::searchShown() const
{
    return search_->isVisible();
}

void NavigatorPanel::placeSearchPanel()
{
    // Over the page area of the tab widget: the lists' place.
    if (QWidget* pages = currentWidget() ? currentWidget()->parentWidget() : nullptr)
        search_->setGeometry(pages->geometry());
}

void NavigatorPanel::setLargeIcons(bool large)
{
    for (QListWidget* list : {topics_, user_}) {
        list->setViewMode(large ? QListView::IconMode : QListView::ListMode);
        list->setIconSize(large ? QSize(kLargeIcon, kLargeIcon) : QSize(kSmallIcon, kSmallIcon));
        list->setMovement(QListView::Static);
        list->setResizeMode(QListView::Adjust);
        list->setWrapping(large);
        list->setWordWrap(large);
        list->setUniformItemSizes(!large);
        if (large)
            fitIconGrid(list);
        else
            list->setGridSize(QSize());
    }
}

void NavigatorPanel::fitIconGrid(QListWidget* list)
{
    // As many columns as fit, sharing the list's width, each with room for
    // the icon and two lines of the title.
    const int minimum = std::max(kLargeIcon * 2, list->fontMetrics().averageCharWidth() * 10);
    const int width = std::max(1, list->viewport()->width());
    const int columns = std::max(1, width / minimum);
    const QSize grid(std::max(kLargeIcon + 8, width / columns - 1),
                     kLargeIcon + list->fontMetrics().lineSpacing() * 2 + 10);
    if (list->gridSize() != grid) list->setGridSize(grid);
}

bool NavigatorPanel::largeIcons() const
{
    return topics_->viewMode() == QListView::IconMode;
}

int NavigatorPanel::widthForWholeTitles() const
{
    // The widest item as the list lays it out (icon, title and margins), and
    // at least each title measured in the list's font beside its icon.
    const QFontMetrics metrics(topics_->font());
    int widest = topics_->sizeHintForColumn(0);
    for (int i = 0; i < topics_->count(); ++i)
        widest = std::max(widest, kSmallIcon + 16 + metrics.horizontalAdvance(topics_->item(i)->text()));
    // Beside it: the tabs with the pane's frame, the list's frame and a vertical scroll bar.
    const int page = currentWidget()->width();
    const int besidePage = page > 0 && page < width() ? width() - page : tabBar()->sizeHint().width() + 4;
    const int scrollBar = topics_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, topics_);
    return besidePage + 2 * topics_->frameWidth() + scrollBar + widest + 4;
}

int NavigatorPanel::leastUsableWidth() const
{
    const int scrollBar = topics_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, topics_);
    return tabBar()->sizeHint().width() + 8 + scrollBar + kSmallIcon + topics_->fontMetrics().averageCharWidth() * 6;
}

void NavigatorPanel::onRenamed(QListWidget* list, int row, const QString& title)
{
    QListWidgetItem* item = list->item(row);
    if (!item) return;
    item->setToolTip(title);
    if (list == topics_) search_->refreshToolTips();
    emit topicRenamed(item->data(kSlotRole).toInt(), title);
}

void NavigatorPanel::resizeEvent(QResizeEvent* event)
{
    QTabWidget::resizeEvent(event);
    placeSearchPanel();
}

bool NavigatorPanel::eventFilter(QObject* watched, QEvent* event)
{
    const bool quantityList = watched == topics_ || watched == user_;
    const bool quantityViewport = watched == topics_->viewport() || watched == user_->viewport();
    switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // F2 renames the selected quantity here, rather than switching the magnifier.
            auto* key = static_cast<QKeyEvent*>(event);
            if (quantityList && key->key() == Qt::Key_F2 && key->modifiers() == Qt::NoModifier &&
                static_cast<QListWidget*>(watched)->currentItem()) {
                event->accept();
                return true;
            }
            break;
        }
        case QEvent::KeyPress:
            if (isEnterKey(event)) renameJustEnded_ = false;
            break;
        case QEvent::KeyRelease: {
            auto* list = qobject_cast<QListWidget*>(watched);
            if (!list || !isEnterKey(event)) break;
            if (renameJustEnded_) {
                renameJustEnded_ = false;
                return true;
            }
            QListWidgetItem* item = list->currentItem();
            if (list == units_) {
                if (item) emit unitActivated(item->data(kTagRole).toString());
            } else {
                emit topicActivated(item ? item->data(kSlotRole).toInt() : 0);
            }
            return true;
        }
        case QEvent::Resize:
            if (quantityViewport && largeIcons()) fitIconGrid(static_cast<QListWidget*>(watched->parent()));
            break;
        case QEvent::MouseButtonRelease:
            if (quantityViewport && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
                emit viewMenuRequested(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
                return true;
            }
            break;
        default: break;
    }
    return QTabWidget::eventFilter(watched, event);
}

}  // namespace tolvarin
