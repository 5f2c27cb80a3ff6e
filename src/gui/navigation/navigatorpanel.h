#pragma once

#include "catalogue/catalogueloader.h"

#include <QListWidget>
#include <QTabWidget>

#include <functional>

namespace tolvarin {

class SearchPanel;

// The navigator column: the built-in quantities, the alphabetical list of
// all units and the user quantities, switched by a tab strip. Items of the
// quantity lists carry their topic slot, items of the unit list their unit
// tag. The search panel takes the place of the lists while it is shown; the
// tabs stay usable.
class NavigatorPanel : public QTabWidget {
    Q_OBJECT

public:
    // The tabs; Group::NavigatorList's values are these numbers.
    enum class Page { Topics = 0, Units = 1, User = 2 };

    // What the window shows for a list: the text of the navigator's status
    // panel and the title line while no topic is open.
    static QString panelText(Page page);
    static QString selectionTitle(Page page);

    explicit NavigatorPanel(QWidget* parent = nullptr);

    QListWidget* topicList() const { return topics_; }
    // The unit list, filled with the latest entries.
    QListWidget* unitList();
    QListWidget* userList() const { return user_; }
    SearchPanel* searchPanel() const { return search_; }

    // Fills the quantity lists: titles of slots 1..26, and (slot, title) of the
    // user topics in use.
    void setTopics(const QStringList& titles);
    void setUserTopics(const QList<std::pair<int, QString>>& topics);
    // The entries of the unit list come from the given source when the list
    // is filled: at once while it is the shown page, otherwise when it is
    // shown or asked for. Sorting a thousand names in Czech order would
    // otherwise hold up the start, and most runs never show the list.
    void setUnits(std::function<QList<UnitListEntry>()> entries);

    // The slots of the user list, in list order.
    std::vector<int> userSlots() const;
    int userTopicCount() const { return user_->count(); }
    // The text of a quantity's item (its current title), "" for unknown slots.
    QString topicTitle(int slot) const;

    // Selects the item of a slot in its quantity list (the list's selection
    // follows the topic that is opened). With reveal the tab of that list is
    // shown too; an open search stays in front.
    void selectTopic(int slot, bool reveal = false);
    // The slot of the selected item of a quantity list, or 0.
    int selectedSlot(Page page) const;
    // The panel's part of showing a list: hides the search panel and selects
    // the tab. Interactive (the window is on screen) also gives the list the
    // focus; the unit and user lists then select their first item.
    void showPage(Page page, bool interactive = false);
    Page shownPage() const { return Page(currentIndex()); }
    void showSearch();
    bool searchShown() const;

    // Large icons in rows (true) or a list with small icons, for both
    // quantity lists.
    void setLargeIcons(bool large);
    bool largeIcons() const;

    // The width in pixels at which every built-in quantity's title shows
    // whole with its icon beside the tabs (a scroll bar counted); measured
    // with the list's font once the panel is laid out.
    int widthForWholeTitles() const;
    // The least width at which a list still shows beside the tabs.
    int leastUsableWidth() const;

signals:
    void topicActivated(int slot);           // double click or Enter: open it (Enter with nothing selected: 0)
    void unitActivated(const QString& tag);  // from the unit list or the search results
    void pageChosen(Page page);              // the user picked a tab
    void topicRenamed(int slot, const QString& title);  // a rename in place was accepted
    void viewMenuRequested(const QPoint& globalPos);    // right button released in a quantity list

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QListWidget* makeList(const QString& objectName);
    void placeSearchPanel();
    void fillUnits();
    void fitIconGrid(QListWidget* list);
    void onRenamed(QListWidget* list, int row, const QString& title);

    QListWidget* topics_;
    QListWidget* units_;
    QListWidget* user_;
    SearchPanel* search_;
    std::function<QList<UnitListEntry>()> pendingUnits_;  // entries not yet in the unit list
    bool renameJustEnded_ = false;
    bool changingPage_ = false;  // a page chosen by code, not by the user
};

}  // namespace tolvarin
