#include "conversion/topicmodel.h"

#include "catalogue/numericreading.h"
#include "catalogue/rowhiding.h"
#include "conversion/conversionengine.h"
#include "conversion/decimaltext.h"
#include "conversion/entryreading.h"
#include "conversion/planeangle.h"

namespace tolvarin {

namespace {

const Unit kNoUnit;

}  // namespace

TopicModel::TopicModel(UnitCatalogue& catalogue, const QLocale& locale, QObject* parent)
    : QAbstractTableModel(parent), catalogue_(catalogue), locale_(locale)
{
}

int TopicModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(units_.size()); }

int TopicModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant TopicModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !hasRow(index.row())) return {};
    const int row = index.row();
    const Unit& u = units_[size_t(row)];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case NameColumn: return u.name;
        case SymbolColumn: return u.symbol;
        case ValueColumn: return cells_[size_t(row)].text;
        }
        return {};
    case MarkerRole:
        if (!markingOn_) return int(Marker::None);
        if (index.column() == NameColumn) return int(u.info.isEmpty() ? Marker::None : Marker::Info);
        if (index.column() == ValueColumn) return int(isMarked(row) ? Marker::Marked : Marker::None);
        return int(Marker::None);
    case EnteredRole: return index.column() == ValueColumn && colouring_ && enteredRow_ == row;
    case Qt::ToolTipRole:  // the information the name's marker stands for
        if (index.column() == NameColumn && !u.info.isEmpty()) return u.info;
        return {};
    default: return {};
    }
}

Qt::ItemFlags TopicModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    // Only the value column takes the cursor.
    return index.column() == ValueColumn ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

void TopicModel::open(int slot)
{
    beginResetModel();
    slot_ = slot;
    rules_ = topicRules(slot);
    const std::span<const Unit> topic = topicUnits(catalogue_, slot);
    units_.assign(topic.begin(), topic.end());
    cells_.assign(units_.size(), Cell{});
    editRow_ = 0;
    enteredRow_.reset();
    endResetModel();
}

const Unit& TopicModel::unit(int row) const { return hasRow(row) ? units_[size_t(row)] : kNoUnit; }

QString TopicModel::title() const
{
    QString text = QLatin1Char(' ') + catalogue_.title(slot_);
    if (catalogue_.isHidden(slot_)) text += QStringLiteral(" (skryto)");
    return text;
}

QString TopicModel::valueText(int row) const { return hasRow(row) ? cells_[size_t(row)].text : QString(); }

std::optional<double> TopicModel::value(int row) const
{
    return hasRow(row) ? cells_[size_t(row)].value : std::nullopt;
}

QStringList TopicModel::valueColumn() const
{
    QStringList texts;
    texts.reserve(qsizetype(cells_.size()));
    for (const Cell& cell : cells_) texts.append(cell.text);
    return texts;
}

void TopicModel::beginEdit(int row)
{
    if (hasRow(row)) editRow_ = row;
}

ConversionOutcome TopicModel::commit(int row, const QString& text)
{
    if (!hasRow(row)) return {};
    // A paste opens no edit: it makes its row the entered one here.
    if (row > 0) editRow_ = row;
    if (rules_.arithmetic != TopicRules::Arithmetic::TemperatureScales && text.isEmpty()) {
        cells_[size_t(row)] = Cell{};
        valueColumnChanged();
        return ConversionOutcome::of(ConversionOutcome::Status::Emptied);
    }
    const TypedNumber typed = readTypedNumber(text, locale_);
    if (!typed.value) {
        ConversionOutcome outcome = failure(typed.error, text);
        outcome.otherDecimalSeparator = typed.otherDecimalSeparator;
        return outcome;
    }
    const std::optional<double> entered = typed.value;
    if (rules_.arithmetic == TopicRules::Arithmetic::TemperatureScales) return commitTemperature(row, *entered, text);
    if (*entered < 0.0 && !rules_.negativeValues) {
        // The positive value is taken as the cell would show it.
        const std::optional<double> positive = doubleTextValue(-*entered);
        if (!positive) return failure(ErrorCode::Overflow, text);
        ConversionOutcome outcome = commitByCoefficients(row, *positive, plainDoubleText(*positive, locale_));
        outcome.signFlipped = true;
        return outcome;
    }
    return commitByCoefficients(row, *entered, text);
}

ConversionOutcome TopicModel::commitByCoefficients(int row, double x, const QString& enteredText)
{
    const Result<std::vector<double>> values = convertByCoefficients(units_, row, x);
    if (!values.ok()) return failure(values.error(), enteredText);
    std::vector<std::optional<double>> rows(values.value().begin(), values.value().end());
    Result<std::vector<Cell>> cells = formatted(rows);
    // A value the format cannot show is quoted as the source row came out.
    if (!cells.ok()) return failure(cells.error(), plainDoubleText(values.value()[size_t(row)], locale_));
    setCells(cells.value());
    enteredRow_ = row;
    ConversionOutcome outcome = ConversionOutcome::of(ConversionOutcome::Status::Converted);
    outcome.counted = rules_.counted;
    if (!onlyTextRow_) outcome.summary = summary(row);
    return outcome;
}

ConversionOutcome TopicModel::commitTemperature(int row, double x, const QString& enteredText)
{
    const Result<TemperatureValues> values = convertTemperature(rowCount(), row, x);
    if (!values.ok()) return failure(values.error(), enteredText);
    std::vector<std::optional<double>> rows = values.value().rows;
    // Rows beyond the scales keep what they showed.
    for (size_t r = 0; r < rows.size(); ++r)
        if (!rows[r]) rows[r] = cells_[r].value;

    if (values.value().belowAbsoluteZero) {
        // Absolute zero is shown as plain numbers, whatever the format.
        std::vector<Cell> cells = cells_;
        for (size_t r = 0; r < rows.size(); ++r)
            if (rows[r]) cells[r] = Cell{plainDoubleText(*rows[r], locale_), rows[r]};
        setCells(std::move(cells));
        ConversionOutcome outcome = ConversionOutcome::of(ConversionOutcome::Status::BelowAbsoluteZero);
        outcome.summary = absoluteZeroText();
        return outcome;
    }
    Result<std::vector<Cell>> cells = formatted(rows);
    if (!cells.ok()) return failure(cells.error(), enteredText);
    setCells(cells.value());
    ConversionOutcome outcome = ConversionOutcome::of(ConversionOutcome::Status::Converted);
    outcome.counted = rules_.counted;
    if (!onlyTextRow_) outcome.summary = summary(row);
    return outcome;
}

ConversionOutcome TopicModel::failure(ErrorCode error, const QString& text)
{
    ConversionOutcome outcome = ConversionOutcome::of(ConversionOutcome::Status::Failed);
    outcome.error = error;
    outcome.failedText = text;
    return outcome;
}

Result<std::vector<TopicModel::Cell>> TopicModel::formatted(const std::vector<std::optional<double>>& values) const
{
    std::vector<Cell> cells;
    cells.reserve(values.size());
    for (const std::optional<double>& value : values) {
        if (!value) {
            cells.push_back(Cell{});
            continue;
        }
        if (onlyTextRow_ && cells.size() != size_t(*onlyTextRow_) && writableInEveryFormat(*value)) {
            cells.push_back(Cell{QString(), value});
            continue;
        }
        const Result<QString> text = formatValue(*value, format_, locale_);
        if (!text.ok()) return text.error();
        cells.push_back(Cell{text.value(), value});
    }
    return cells;
}

void TopicModel::setCells(std::vector<Cell> cells)
{
    cells_ = std::move(cells);
    valueColumnChanged();
}

void TopicModel::valueColumnChanged()
{
    if (units_.empty()) return;
    emit dataChanged(index(0, ValueColumn), index(rowCount() - 1, ValueColumn));
}

void TopicModel::markersChanged()
{
    if (units_.empty()) return;
    emit dataChanged(index(0, NameColumn), index(rowCount() - 1, ValueColumn), {MarkerRole});
}

std::optional<QString> TopicModel::summary(int row) const
{
    switch (rules_.summary) {
    case TopicRules::Summary::UnitValues: return summaryLine(units_, valueColumn(), row, 0, locale_);
    case TopicRules::Summary::AngleInDegrees: {
        // The degree row is the topic's second unit.
        constexpr int kDegreeRow = 1;
        if (!hasRow(kDegreeRow)) return std::nullopt;
        return angleSummary(cells_[kDegreeRow].value.value_or(0.0), locale_);
    }
    }
    return std::nullopt;
}

void TopicModel::showValueTexts(const QStringList& texts)
{
    std::vector<Cell> cells(units_.size());
    for (size_t r = 0; r < cells.size() && qsizetype(r) < texts.size(); ++r) {
        const std::optional<double> value = regionalReading(texts[qsizetype(r)], locale_);
        if (value) cells[r] = Cell{texts[qsizetype(r)], value};
    }
    setCells(std::move(cells));
}

Result<bool> TopicModel::setFormat(const DisplayFormat& format)
{
    const DisplayFormat previous = format_;
    format_ = format;
    // An empty first row means nothing was converted since the topic opened.
    if (cells_.empty() || !cells_.front().value) return true;
    std::vector<std::optional<double>> values;
    values.reserve(cells_.size());
    for (const Cell& cell : cells_) values.push_back(cell.value);
    Result<std::vector<Cell>> cells = formatted(values);
    if (!cells.ok()) {
        format_ = previous;
        return cells.error();
    }
    setCells(cells.value());
    return true;
}

void TopicModel::setMarkingOn(bool on)
{
    markingOn_ = on;
    markersChanged();
}

void TopicModel::setColouring(bool on)
{
    colouring_ = on;
    valueColumnChanged();
}

bool TopicModel::isMarked(int row) const { return hasRow(row) && catalogue_.isMarked(slot_, row + 1); }

bool TopicModel::toggleMark(int row)
{
    if (rules_.fixedRows || !markingOn_ || !hasRow(row)) return false;
    toggleUnitMark(catalogue_, slot_, row + 1);
    emit dataChanged(index(row, ValueColumn), index(row, ValueColumn), {MarkerRole});
    return true;
}

bool TopicModel::canHideUnmarked() const { return !rules_.fixedRows && catalogue_.markedCount(slot_) >= 2; }

bool TopicModel::hideUnmarked()
{
    if (rules_.fixedRows || !keepMarkedUnits(catalogue_, slot_)) return false;
    reopen();
    return true;
}

bool TopicModel::hideRowsOutside(int first, int last)
{
    if (rules_.fixedRows || units_.empty()) return false;
    markOutsideRows(catalogue_, slot_, first, last);
    return hideUnmarked();
}

std::optional<QString> TopicModel::previewLine(int row) const
{
    return makePreviewLine(units_, valueColumn(), row, editRow_, previewTarget_, locale_);
}

QString TopicModel::magnifierText(int currentRow) const
{
    return makeMagnifierText(units_, valueColumn(), editRow_, std::max(0, currentRow), locale_);
}

QString TopicModel::infoPanelText(int row) const
{
    if (!hasRow(row)) return QString();
    return unitInfoText(rules_, units_, row, locale_);
}

}  // namespace tolvarin
