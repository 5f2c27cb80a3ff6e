#pragma once

#include "catalogue/unitcatalogue.h"

#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tolvarin {

// picFind: finds units of the built-in topics by name and lists them in
// lvwFind, exact matches first, then the similar ones in grey. Opening a
// result reports its unit tag; the window opens the unit (ShowJednotka).
class SearchPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTagRole = Qt::UserRole + 1;
    static constexpr int kSlotRole = Qt::UserRole + 2;

    explicit SearchPanel(QWidget* parent = nullptr);

    // The catalogue searched; it belongs to the window and outlives the panel.
    void setCatalogue(const UnitCatalogue* catalogue) { catalogue_ = catalogue; }
    // The current title of a built-in topic, shown as a result's tooltip.
    void setTopicTitles(std::function<QString(int slot)> titleOf);
    // A topic was renamed: the tooltips of the results take the new titles.
    void refreshToolTips();

    QLineEdit* findBox() const { return txtFind_; }
    QPushButton* findButton() const { return cmdFind_; }
    QTreeWidget* results() const { return lvwFind_; }
    QPushButton* cancelButton() const { return cmdStorno_; }

    // mnuNajit: shows the panel with the focus in the search box.
    void open();
    // cmdFind_Click: searches for the text of the search box.
    void cmdFind_Click();

signals:
    void unitActivated(const QString& tag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openResult(QTreeWidgetItem* item);

    QLineEdit* txtFind_;
    QPushButton* cmdFind_;
    QTreeWidget* lvwFind_;
    QPushButton* cmdStorno_;
    const UnitCatalogue* catalogue_ = nullptr;
    std::function<QString(int)> titleOf_;
};

}  // namespace tolvarin
