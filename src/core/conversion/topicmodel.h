#pragma once

#include "catalogue/unitcatalogue.h"
#include "common/runtimeerror.h"
#include "conversion/conversiontext.h"
#include "conversion/displayformat.h"
#include "conversion/topicrules.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace tolvarin {

// What one commit of a value did. The window turns it into messages, the
// information line and the statistics; the terminal program into its output.
struct ConversionOutcome {
    enum class Status {
        Unchanged,          // nothing to do (no such row)
        Emptied,            // an empty entry: the cell is empty, nothing else changed
        Converted,          // every row shows the value
        BelowAbsoluteZero,  // every temperature row shows absolute zero
        Failed,             // nothing changed; the cell keeps its earlier text
    };
    Status status = Status::Unchanged;
    ErrorCode error = ErrorCode::InvalidArgument;  // when Failed
    QString failedText;                            // when Failed: the cell text the message quotes
    bool otherDecimalSeparator = false;            // when Failed: another locale's separator was typed
    bool signFlipped = false;                      // a negative entry was turned positive
    bool counted = false;                          // counts in the statistics
    std::optional<QString> summary;                // a new text for the information line

    static ConversionOutcome of(Status status)
    {
        ConversionOutcome outcome;
        outcome.status = status;
        return outcome;
    }
    bool converted() const { return status == Status::Converted; }
    bool failed() const { return status == Status::Failed; }
};

// The open topic: its units in grid order and a value for each, as text in
// the display format and as the double it came from. Three columns (name,
// symbol, value); the grid renders it and edits through commit(). Opening,
// converting, reformatting, marking and hiding rows are operations here, as
// are the texts of the summary, preview, magnifier and information panel.
//
// Marks and hidden rows are kept in the catalogue, per topic, so that they
// survive switching topics until the next reload.
class TopicModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn = 0, SymbolColumn = 1, ValueColumn = 2 };
    // The marker a cell carries: a unit with information (name column), a
    // marked unit (value column).
    enum class Marker { None, Info, Marked };
    enum Role {
        MarkerRole = Qt::UserRole + 1,  // Marker as int
        EnteredRole,                    // bool: the row last entered, coloured
    };

    TopicModel(UnitCatalogue& catalogue, const QLocale& locale, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Shows a topic's units with an empty value column (0: none).
    void open(int slot);
    // Opens the topic again after the catalogue changed (reload, hidden rows).
    void reopen() { open(slot_); }
    int slot() const { return slot_; }
    const TopicRules& rules() const { return rules_; }
    std::span<const Unit> units() const { return units_; }
    const Unit& unit(int row) const;
    bool hasRow(int row) const { return row >= 0 && row < int(units_.size()); }
    // " Délka", with " (skryto)" while rows are hidden.
    QString title() const;

    QString valueText(int row) const;
    std::optional<double> value(int row) const;
    QStringList valueColumn() const;

    // Editing of a row began: it becomes the row last entered (EditRow).
    void beginEdit(int row);
    int editRow() const { return editRow_; }
    // The row whose value was last entered and is coloured, if any.
    std::optional<int> enteredRow() const { return enteredRow_; }

    // A value typed (or pasted) into a row: every row is rewritten, or on a
    // failure nothing changes.
    ConversionOutcome commit(int row, const QString& text);
    // From now on a commit writes the text of this row alone: the other rows
    // keep their values without a text, and no summary is made. A commit
    // still fails where writing every row would fail. (The terminal prints
    // one row, and formatting the others was most of a commit's work.)
    void writeTextOfRowOnly(int row) { onlyTextRow_ = row; }

    // Shows plain number texts of the locale in the rows (the prefix view).
    void showValueTexts(const QStringList& texts);

    DisplayFormat format() const { return format_; }
    // Rewrites the value column in another format from the values of the last
    // conversion. Fails only for a value no text of the format can show.
    Result<bool> setFormat(const DisplayFormat& format);

    // Marker pictures and marking with the Insert key.
    bool markingOn() const { return markingOn_; }
    void setMarkingOn(bool on);
    // Colouring of the row last entered ("Barevně odlišit zadání").
    void setColouring(bool on);
    bool isMarked(int row) const;
    // Toggles the mark of a row; false when the topic's rows cannot be marked.
    bool toggleMark(int row);
    // "Skrýt neoznačené" is offered: two or more rows marked.
    bool canHideUnmarked() const;
    // Keeps only the marked rows (Skrýt neoznačené), or only the rows first..last
    // (Skrýt aktivní), and opens the thinned topic. False when nothing was hidden.
    bool hideUnmarked();
    bool hideRowsOutside(int first, int last);

    void setPreviewTarget(PreviewTarget target) { previewTarget_ = target; }
    PreviewTarget previewTarget() const { return previewTarget_; }
    // The information line's text for a cell change to row; none for an empty cell.
    std::optional<QString> previewLine(int row) const;
    QString magnifierText(int currentRow) const;
    QString infoPanelText(int row) const;

private:
    struct Cell {
        QString text;
        std::optional<double> value;
    };

    ConversionOutcome commitByCoefficients(int row, double x, const QString& enteredText);
    ConversionOutcome commitTemperature(int row, double x, const QString& enteredText);
    static ConversionOutcome failure(ErrorCode error, const QString& quotedText);
    Result<std::vector<Cell>> formatted(const std::vector<std::optional<double>>& values) const;
    void setCells(std::vector<Cell> cells);
    void valueColumnChanged();
    void markersChanged();
    std::optional<QString> summary(int row) const;

    UnitCatalogue& catalogue_;
    QLocale locale_;
    int slot_ = 0;
    TopicRules rules_;
    std::vector<Unit> units_;
    std::vector<Cell> cells_;
    DisplayFormat format_;
    PreviewTarget previewTarget_ = PreviewTarget::FirstUnit;
    int editRow_ = 0;
    std::optional<int> enteredRow_;
    std::optional<int> onlyTextRow_;
    bool markingOn_ = true;
    bool colouring_ = true;
};

}  // namespace tolvarin
