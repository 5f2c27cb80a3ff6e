#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tolvarin {

class TopicModel;

// Character columns, counted from 1, where a row's symbol and value start.
inline constexpr int kSymbolColumn = 30;
inline constexpr int kValueColumn = 40;

// What the print command puts out, in the order the dialog offers it.
enum class OutputKind { CurrentValue, CurrentRow, Preview, Table, FileContent };

// Why an output has nothing to put out.
enum class NothingToOutput { EmptyTable, EmptyValue, EmptyPreview, EmptyFile };

// The lines of an output, or why there are none.
struct OutputBlock {
    QStringList lines;
    std::optional<NothingToOutput> nothing;
};

// One row of the table as text lines, the same for the printer and the file:
// the name, the symbol from column 30 and the value from column 40. When the
// text before a column already reaches past it, the next field starts at that
// column on a new line, so a line holds one, two or three fields.
QStringList rowLines(const QString& name, const QString& symbol, const QString& value);

// The lines of an output read from the open topic: the current row's value,
// the current row, every line of the short preview's whole text, or every
// row. A table without rows, an empty value and an empty preview give
// nothing. The file's content is read from the file, not here.
OutputBlock outputBlock(OutputKind kind, const TopicModel& model, int currentRow, const QString& previewText);

// The line that sets a block apart in the output file: 60 "-".
QString separatorLine();

// Lines on printed pages: a line wider than the page goes on in the next
// line, and every page holds linesPerPage lines (at least one of each).
QList<QStringList> printedPages(const QStringList& lines, int charactersPerLine, int linesPerPage);

// A label's text that fits maxWidth (as widthOf measures it): a wider text
// keeps its first 11 characters, "…" and as much of its end as fits; on a
// very narrow label nothing of the end is left.
QString shortenedLabel(const QString& text, int maxWidth, const std::function<int(const QString&)>& widthOf);

}  // namespace tolvarin
