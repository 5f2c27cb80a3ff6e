#pragma once

#include "cliarguments.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tolvarin::cli {

enum class Align { Left, Right };

// A table as text, one line per row, each line ended by LF:
// - Aligned: columns padded to their widest cell and set off by two blanks,
//   Right columns padded on the left; no blanks at the end of a line.
// - Csv: cells separated by ",", a cell holding ",", a quote or a line
//   break quoted with its quotes doubled (so a decimal comma stays inside
//   its cell).
// - Tsv: cells separated by a tab; tabs and line breaks inside a cell become
//   blanks.
// Columns beyond `aligns` are left-aligned.
QString formatTable(const QList<QStringList>& rows, TableStyle style, const QList<Align>& aligns = {});

// The number of character cells a text takes in a terminal, counting
// combining marks as nothing.
qsizetype displayWidth(const QString& text);

}  // namespace tolvarin::cli
