#include "tableoutput.h"

#include <algorithm>
#include <vector>

namespace tolvarin::cli {

namespace {

QString csvCell(const QString& cell)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(cell.begin(), cell.end(), [&](QChar c) { return special.contains(c); })) return cell;
    QString quoted = cell;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString tsvCell(QString cell)
{
    for (QChar& c : cell)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) c = QLatin1Char(' ');
    return cell;
}

QString joined(const QList<QStringList>& rows, QChar separator, QString (*cellText)(QString))
{
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (column > 0) text += separator;
            text += cellText(row[column]);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

QString aligned(const QList<QStringList>& rows, const QList<Align>& aligns)
{
    // Each cell's width is measured once, row after row.
    std::vector<qsizetype> cellWidths;
    QList<qsizetype> widths;
    for (const QStringList& row : rows) {
        if (widths.size() < row.size()) widths.resize(row.size());
        for (qsizetype column = 0; column < row.size(); ++column) {
            cellWidths.push_back(displayWidth(row[column]));
            widths[column] = std::max(widths[column], cellWidths.back());
        }
    }
    qsizetype lineSize = 1;
    for (qsizetype width : widths) lineSize += width + 2;

    QString text;
    text.reserve(lineSize * rows.size());
    const auto pad = [&text](qsizetype blanks) { text.resize(text.size() + blanks, QLatin1Char(' ')); };
    auto cellWidth = cellWidths.cbegin();
    for (const QStringList& row : rows) {
        const qsizetype lineStart = text.size();
        for (qsizetype column = 0; column < row.size(); ++column, ++cellWidth) {
            if (column > 0) pad(2);
            const qsizetype padding = widths[column] - *cellWidth;
            const bool right = column < aligns.size() && aligns[column] == Align::Right;
            if (right) pad(padding);
            text += row[column];
            if (!right) pad(padding);
        }
        while (text.size() > lineStart && text.endsWith(QLatin1Char(' '))) text.chop(1);
        text += QLatin1Char('\n');
    }
    return text;
}

}  // namespace

qsizetype displayWidth(const QString& text)
{
    qsizetype width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        // Combining marks begin at U+0300: most characters are counted at once.
        if (unit < 0x300) {
            ++width;
            continue;
        }
        char32_t c = unit;
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(unit, text[++i].unicode());
        const QChar::Category category = QChar::category(c);
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_Enclosing) ++width;
    }
    return width;
}

QString formatTable(const QList<QStringList>& rows, TableStyle style, const QList<Align>& aligns)
{
    switch (style) {
        case TableStyle::Csv: return joined(rows, QLatin1Char(','), [](QString cell) { return csvCell(cell); });
        case TableStyle::Tsv: return joined(rows, QLatin1Char('\t'), tsvCell);
        case TableStyle::Aligned: break;
    }
    return aligned(rows, aligns);
}

}  // namespace tolvarin::cli
