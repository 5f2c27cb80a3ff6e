#pragma once

#include <QColor>
#include <QLineEdit>
#include <QTableWidget>

#include <functional>

namespace tolvarin {

// msgTab: one row per unit (name, symbol, value). Only the value column takes
// the cursor. Values are typed into txtEdit, an editor laid over the value
// cell; the grid takes the focus back to commit it. The grid knows nothing of
// units or arithmetic: it reports commits, cell changes and keys, and shows
// the texts it is given.
class ConversionGrid : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int kNameColumn = 0;
    static constexpr int kSymbolColumn = 1;
    static constexpr int kValueColumn = 2;

    // The marker pictures at the right edge of a cell.
    enum class Picture { None = 3, Info = 1, Marked = 2 };

    explicit ConversionGrid(QWidget* parent = nullptr);

    // Fills the name and symbol columns; the value column stays empty.
    void setUnits(const QStringList& names, const QStringList& symbols);

    QString nameText(int row) const;
    QString symbolText(int row) const;
    QString valueText(int row) const;
    void setValueText(int row, const QString& text);
    QStringList valueColumn() const;
    void setValueColumn(const QStringList& texts);

    void setPicture(int row, int column, Picture picture);
    Picture picture(int row, int column) const;
    void setValueColour(int row, const QColor& colour);
    QColor valueColour(int row) const;
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
    // MSFlexGridEdit: opens the editor over the current value cell, with the
    // cell's text (typed empty) or with the typed character alone.
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
    // The edit of row was committed with text; before is the cell's text from
    // before the edit, for restoring it when the value is refused.
    void editCommitted(int row, const QString& text, const QString& before);
    void currentRowChanged(int row);  // msgTab_EnterCell
    void insertPressed();
    void rightPressed(int row, int column, const QPoint& globalPos);
    void editorTextChanged(const QString& text);
    void editorRightPressed(const QPoint& globalPos);
    void scrolled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeEditor();
    void moveToRow(int row);

    QLineEdit* editor_;
    QString textBeforeEdit_;
    int editRow_ = 0;
    std::function<bool(QChar)> typeAhead_;
};

}  // namespace tolvarin
