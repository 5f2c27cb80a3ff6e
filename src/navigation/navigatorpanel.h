#pragma once

#include "catalogue/catalogueloader.h"

#include <QListWidget>
#include <QTabWidget>

namespace tolvarin {

// The navigator column: the built-in quantities (lvwTema), the alphabetical
// list of all units (lvwJednotky) and the user quantities (lvwUser), switched
// by the tab strip tabNavigator. Items of the quantity lists carry their
// topic slot, items of the unit list their unit tag.
class NavigatorPanel : public QTabWidget {
    Q_OBJECT

public:
    enum class Page { Topics = 0, Units = 1, User = 2 };

    explicit NavigatorPanel(QWidget* parent = nullptr);

    QListWidget* topicList() const { return topics_; }
    QListWidget* unitList() const { return units_; }
    QListWidget* userList() const { return user_; }

    // Fills the quantity lists: titles of slots 1..26, and (slot, title) of the
    // user topics in use.
    void setTopics(const QStringList& titles);
    void setUserTopics(const QList<std::pair<int, QString>>& topics);
    void setUnits(const QList<UnitListEntry>& entries);

    // The slots of the user list, in list order.
    std::vector<int> userSlots() const;
    int userTopicCount() const { return user_->count(); }

    // Selects the item of a slot in its quantity list (the list's selection
    // follows the topic that is opened).
    void selectTopic(int slot);
    // The slot of the selected item of a quantity list, or 0.
    int selectedSlot(Page page) const;
    void showPage(Page page);
    Page shownPage() const { return Page(currentIndex()); }

signals:
    void topicClicked(int slot);    // a single click: only back and forward change
    void topicActivated(int slot);  // double click or Enter: open it
    void unitActivated(const QString& tag);
    void pageChosen(Page page);     // the user picked a tab

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* makeList(const QString& objectName);

    QListWidget* topics_;
    QListWidget* units_;
    QListWidget* user_;
    bool renameJustEnded_ = false;
};

}  // namespace tolvarin
