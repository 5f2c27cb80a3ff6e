#pragma once

#include "common/messagesink.h"

#include <QFrame>
#include <QLocale>

#include <array>

class QBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tolvarin {

class TopicModel;
class UnitChooser;

// "Tolvarin Lite": two entry boxes laid over the conversion area for a quick
// conversion between two units of the open topic. Enter in one box writes
// the value into the other; each box's unit is chosen from the topic's units.
// The view covers its parent widget and follows its size. It belongs to the
// topic that was open when it opened and closes when the topic is opened
// anew (another topic, a reload of the data files, rows hidden).
class CompactView : public QFrame {
    Q_OBJECT

public:
    static constexpr int kBoxCount = 2;

    CompactView(TopicModel& topic, MessageSink& messages, const QLocale& locale, QWidget* coveredArea);

    // Shows the view with the topic's units 1 and 2 and empty boxes; without
    // an open topic it only says so. False when the view did not open.
    bool open();
    // Hides the view; the boxes keep their texts until the next open().
    void closeView();

    // The row of the topic's units that a box converts from and into; -1 for
    // a box left unbound in a topic with a single unit.
    int unitRow(int box) const { return sides_[size_t(box)].row; }
    // Binds a box to a unit of the topic and converts its value into the other box.
    void chooseUnit(int box, int row);

    // The parts a user sees, for tests.
    QLineEdit* box(int box) const { return sides_[size_t(box)].entry; }
    QLabel* unitName(int box) const { return sides_[size_t(box)].name; }
    QLabel* unitSymbol(int box) const { return sides_[size_t(box)].symbol; }
    QToolButton* chooserButton(int box) const { return sides_[size_t(box)].chooser; }
    QComboBox* unitChooser() const;
    QPushButton* closeButton() const { return closeButton_; }

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Tab and Backtab go round the view's own controls while it is open.
    bool focusNextPrevChild(bool next) override;

private:
    struct Side {
        QLabel* name = nullptr;
        QLabel* symbol = nullptr;
        QLineEdit* entry = nullptr;
        QToolButton* chooser = nullptr;
        int row = -1;
    };

    QWidget* buildSide(int box);
    void bind(int box, int row);
    void convertFrom(int box);
    void showChooser(int box);

    TopicModel& topic_;
    MessageSink& messages_;
    QLocale locale_;
    std::array<Side, kBoxCount> sides_;
    QBoxLayout* sidesLayout_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    UnitChooser* chooser_ = nullptr;
    int choosingFor_ = 0;  // the box whose unit the chooser sets
};

}  // namespace tolvarin
