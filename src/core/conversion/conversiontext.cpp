#include "conversion/conversiontext.h"

#include "common/textutil.h"
#include "conversion/decimaltext.h"
#include "conversion/displayformat.h"

namespace tolvarin {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

bool inTopic(std::span<const Unit> units, int row) { return row >= 0 && size_t(row) < units.size(); }

const Unit& unitOf(std::span<const Unit> units, int row)
{
    static const Unit none;
    return inTopic(units, row) ? units[size_t(row)] : none;
}

QString valueOf(const QStringList& column, int row)
{
    return row >= 0 && row < column.size() ? column[row] : QString();
}

QString magnifierLine(std::span<const Unit> units, const QStringList& column, int row, const QLocale& locale)
{
    const Unit& unit = unitOf(units, row);
    QString line = unit.name;
    if (!unit.symbol.isEmpty()) line += QStringLiteral(" [") + unit.symbol + QLatin1Char(']');
    return line + QLatin1Char(' ') + groupedValueText(valueOf(column, row), locale);
}

}  // namespace

std::span<const Unit> topicUnits(const UnitCatalogue& catalogue, int slot)
{
    if (slot < 0 || slot > kLastSlot) return {};
    const int count = qBound(0, catalogue.count(slot), kMaxRows);
    return std::span<const Unit>(&catalogue.unit(slot, 1), size_t(count));
}

QString summaryLine(std::span<const Unit> units, const QStringList& column, int enteredRow, int comparedRow,
                    const QLocale& locale)
{
    const Unit& entered = unitOf(units, enteredRow);
    const Unit& compared = unitOf(units, comparedRow);
    const QString label = entered.symbol.isEmpty() ? entered.name : entered.symbol;
    return collapseSpaces(QLatin1Char(' ') + label + QStringLiteral(": ") +
                         groupedValueText(valueOf(column, enteredRow), locale) + QLatin1Char(' ') + entered.symbol +
                         QStringLiteral(" = ") + groupedValueText(valueOf(column, comparedRow), locale) +
                         QLatin1Char(' ') + compared.symbol + QLatin1Char(' '));
}

std::optional<QString> makePreviewLine(std::span<const Unit> units, const QStringList& column, int currentRow, int editRow,
                                   PreviewTarget target, const QLocale& locale)
{
    if (valueOf(column, currentRow).isEmpty()) return std::nullopt;
    const int compared = target == PreviewTarget::FirstUnit ? 0 : editRow;
    return summaryLine(units, column, currentRow, compared, locale);
}

QString makeMagnifierText(std::span<const Unit> units, const QStringList& column, int editRow, int currentRow,
                      const QLocale& locale)
{
    return collapseSpaces(magnifierLine(units, column, 0, locale) + kLineBreak +
                         magnifierLine(units, column, editRow, locale) + kLineBreak +
                         magnifierLine(units, column, currentRow, locale));
}

QString unitInfoText(const TopicRules& rules, std::span<const Unit> units, int row, const QLocale& locale)
{
    const Unit& unit = unitOf(units, row);
    QString text = unit.name.toUpper();
    if (rules.coefficientsCompare) {
        text += QStringLiteral(" (") + collapseSpaces(QStringLiteral("1 ") + unit.symbol + QStringLiteral(" = ") +
                                                     groupedText(unit.coefficient, locale) + QLatin1Char(' ') +
                                                     unitOf(units, 0).symbol + QLatin1Char(')'));
    }
    return text + kLineBreak + unit.info;
}

}  // namespace tolvarin
