#pragma once

#include "catalogue/unitcatalogue.h"

#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tolvarin {

// The unit search: finds units of the built-in topics by name and lists
// them, exact matches first, then the similar ones in a softer colour, or
// "Nic nenalezeno". A result keeps its unit by what it is (topic, name and
// symbol), not by its row; opening it reports the unit's tag as the topic
// shows it now, and the window opens the unit.
class SearchPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSlotRole = Qt::UserRole + 1;    // 0 for "Nic nenalezeno"
    static constexpr int kSymbolRole = Qt::UserRole + 2;

    explicit SearchPanel(QWidget* parent = nullptr);

    // The catalogue searched; it belongs to the window and outlives the panel.
    void setCatalogue(const UnitCatalogue* catalogue) { catalogue_ = catalogue; }
    // The current title of a built-in topic, shown as a result's tooltip.
    void setTopicTitles(std::function<QString(int slot)> titleOf);
    // A topic was renamed: the tooltips of the results take the new titles.
    void refreshToolTips();

    QLineEdit* findBox() const { return findBox_; }
    QPushButton* findButton() const { return findButton_; }
    QTreeWidget* results() const { return results_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    // Shows the panel with the focus in the search box.
    void open();
    // Searches for the text of the search box.
    void findUnits();
    // The topics' rows changed (hidden rows, a level, a reload): the last
    // search is run again, so that every result is a unit that is shown.
    void refreshResults();

signals:
    void unitActivated(const QString& tag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search(const QString& key);
    void openResult(QTreeWidgetItem* item);

    QLineEdit* findBox_;
    QPushButton* findButton_;
    QTreeWidget* results_;
    QPushButton* cancelButton_;
    const UnitCatalogue* catalogue_ = nullptr;
    std::function<QString(int)> titleOf_;
    QString lastKey_;
    bool searched_ = false;
};

}  // namespace tolvarin
