#include "tableoutput.h"

#include <algorithm>

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
    QList<qsizetype> widths;
    for (const QStringList& row : rows)
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (widths.size() <= column) widths.append(0);
            widths[column] = std::max(widths[column], displayWidth(row[column]));
        }

    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (column > 0) line += QStringLiteral("  ");
            const QString padding(widths[column] - displayWidth(row[column]), QLatin1Char(' '));
            const bool right = column < aligns.size() && aligns[column] == Align::Right;
            line += right ? padding + row[column] : row[column] + padding;
        }
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);
        text += line + QLatin1Char('\n');
    }
    return text;
}

}  // namespace

qsizetype displayWidth(const QString& text)
{
    qsizetype width = 0;
    for (const char32_t c : text.toUcs4()) {
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
