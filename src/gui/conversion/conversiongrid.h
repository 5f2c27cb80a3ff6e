#pragma once

#include "conversion/topicmodel.h"

#include <QColor>
#include <QLineEdit>
#include <QTableView>

#include <functional>

namespace tolvarin {

// The conversion table: one row per unit of the open topic (name, symbol,
// value), rendered from a TopicModel. Only the value column takes the
// cursor. Values are typed into an editor laid over the value cell; the grid
// takes the focus back to commit it and reports the commit, cell changes and
// keys. It knows nothing of units or arithmetic.
class ConversionGrid : public QTableView {
    Q_OBJECT

public:
    static constexpr int kNameColumn = TopicModel::NameColumn;
    static constexpr int kSymbolColumn = TopicModel::SymbolColumn;
    static constexpr int kValueColumn = TopicModel::ValueColumn;

    explicit ConversionGrid(QWidget* parent = nullptr);

    void setTopicModel(TopicModel* model);
    TopicModel* topicModel() const { return model_; }

    int rowCount() const;
    int currentRow() const;
    void setCurrentCell(int row, int column = kValueColumn);
    QString nameText(int row) const;
    QString valueText(int row) const;
    QStringList valueColumn() const;

    // The colour of the value last entered.
    void setEnteredColour(const QColor& colour);
    void setGridLines(bool on);

    // The rows from the top row down that are fully visible.
    int visibleRowCount() const;
    int topRow() const;
    void setTopRow(int row);
    // The current row and the selection's other end in the value column.
    std::pair<int, int> selectedRowRange() const;

    // The in-place editor.
    QLineEdit* editor() const { return editor_; }
    bool isEditing() const { return editor_->isVisible(); }
    int editRow() const { return editRow_; }
    // Opens the editor over the current value cell, with the cell's text
    // (typed empty) or with the typed character alone.
    void startEdit(const QString& typed = QString());
    // Hides the editor without committing (Escape, scrolling).
    void discardEdit();
    // Writes the editor's text into its cell, hides the editor, takes the
    // focus and reports the commit.
    void commitEdit();

    // The character a key typed on the grid is first offered to; when it
    // returns true (a unit was found) no edit starts.
    void setTypeAhead(std::function<bool(QChar)> typeAhead) { typeAhead_ = std::move(typeAhead); }

signals:
    // The edit of row was committed with text.
    void editCommitted(int row, const QString& text);
    void currentRowChanged(int row);
    void insertPressed();
    void rightPressed(int row, int column, const QPoint& globalPos);
    void editorTextChanged(const QString& text);  // the edit's text, from its start on
    void editorRightPressed(const QPoint& globalPos);
    void scrolled();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeEditor();
    void moveToRow(int row);

    TopicModel* model_ = nullptr;
    QLineEdit* editor_;
    int editRow_ = 0;
    int reportedRow_ = -1;  // the current row last reported
    std::function<bool(QChar)> typeAhead_;
};

}  // namespace tolvarin
