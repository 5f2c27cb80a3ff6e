#include "output/outputlayout.h"

#include "conversion/topicmodel.h"

#include <QRegularExpression>

#include <algorithm>

namespace tolvarin {

namespace {

// Characters as a fixed-pitch font sets them: a pair of surrogates is one.
int columnsOf(const QString& text)
{
    return int(std::count_if(text.cbegin(), text.cend(), [](QChar c) { return !c.isLowSurrogate(); }));
}

}  // namespace

QStringList rowLines(const QString& name, const QString& symbol, const QString& value)
{
    QStringList lines;
    QString line = name;
    const auto moveTo = [&](int column) {
        int next = columnsOf(line) + 1;  // the column the next character goes to
        if (next > column) {
            lines << line;
            line.clear();
            next = 1;
        }
        line += QString(column - next, QLatin1Char(' '));
    };
    moveTo(kSymbolColumn);
    line += symbol;
    moveTo(kValueColumn);
    line += value;
    lines << line;
    return lines;
}

OutputBlock outputBlock(OutputKind kind, const TopicModel& model, int currentRow, const QString& previewText)
{
    const auto nothing = [](NothingToOutput why) { return OutputBlock{{}, why}; };
    if (kind == OutputKind::FileContent) return {};
    if (model.rowCount() == 0) return nothing(NothingToOutput::EmptyTable);
    const int row = model.hasRow(currentRow) ? currentRow : 0;
    const auto tableRow = [&model](int r) {
        return rowLines(model.unit(r).name, model.unit(r).symbol, model.valueText(r));
    };
    OutputBlock block;
    switch (kind) {
        case OutputKind::CurrentValue:
            if (model.valueText(row).isEmpty()) return nothing(NothingToOutput::EmptyValue);
            block.lines << model.valueText(row);
            break;
        case OutputKind::CurrentRow: block.lines = tableRow(row); break;
        case OutputKind::Preview:
            if (previewText.trimmed().isEmpty()) return nothing(NothingToOutput::EmptyPreview);
            block.lines = previewText.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
            while (block.lines.last().isEmpty()) block.lines.removeLast();
            break;
        case OutputKind::Table:
            for (int r = 0; r < model.rowCount(); ++r) block.lines << tableRow(r);
            break;
        case OutputKind::FileContent: break;
    }
    return block;
}

QString separatorLine()
{
    return QString(60, QLatin1Char('-'));
}

QList<QStringList> printedPages(const QStringList& lines, int charactersPerLine, int linesPerPage)
{
    charactersPerLine = std::max(1, charactersPerLine);
    linesPerPage = std::max(1, linesPerPage);
    QList<QStringList> pages;
    const auto add = [&](const QString& printed) {
        if (pages.isEmpty() || pages.last().size() == linesPerPage) pages.append(QStringList());
        pages.last() << printed;
    };
    for (const QString& line : lines) {
        if (line.isEmpty()) add(line);
        for (qsizetype from = 0; from < line.size(); from += charactersPerLine) add(line.mid(from, charactersPerLine));
    }
    return pages;
}

QString shortenedLabel(const QString& text, int maxWidth, const std::function<int(const QString&)>& widthOf)
{
    if (widthOf(text) <= maxWidth) return text;
    const QString head = text.left(11) + QStringLiteral("…");
    for (qsizetype n = text.size() - 13; n > 0; --n) {
        const QString shown = head + text.right(n);
        if (widthOf(shown) <= maxWidth) return shown;
    }
    return head;
}

}  // namespace tolvarin
