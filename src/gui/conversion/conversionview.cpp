#include "conversion/conversionview.h"

#include "catalogue/rowhiding.h"
#include "conversion/conversiongrid.h"
#include "common/apptitle.h"
#include "navigation/typeahead.h"

#include <QApplication>
#include <QPalette>

namespace tolvarin {

namespace {

QColor toColour(InfoColour colour) { return colour == InfoColour::Red ? QColor(Qt::red) : QColor(Qt::black); }

}  // namespace

ConversionView::ConversionView(UnitCatalogue& catalogue, ConversionGrid* grid, MessageSink& messages,
                               const QLocale& locale, QObject* parent)
    : QObject(parent),
      catalogue_(catalogue),
      grid_(grid),
      messages_(messages),
      locale_(locale),
      markColour_(QApplication::palette().color(QPalette::Highlight))
{
    grid_->setTypeAhead([this](QChar typed) { return typeAhead(typed); });
    connect(grid_, &ConversionGrid::editCommitted, this, &ConversionView::onEditCommitted);
    connect(grid_, &ConversionGrid::currentRowChanged, this, &ConversionView::onCurrentRowChanged);
    connect(grid_, &ConversionGrid::insertPressed, this, &ConversionView::toggleMarkOnCurrentRow);
}

std::span<const Unit> ConversionView::units() const { return topicUnits(catalogue_, slot_); }

void ConversionView::FillGrid(int slot)
{
    filling_ = true;
    slot_ = slot;
    QString title = QLatin1Char(' ') + catalogue_.title(slot);
    if (catalogue_.isHidden(slot)) title += QStringLiteral(" (skryto)");
    emit titleChanged(title);
    const int count = catalogue_.count(slot);
    emit showInfoLine(QStringLiteral(" Jednotek k převodu: ") + QString::number(count) + QLatin1Char(' '), false,
                      Qt::black);
    emit topicUnitsChanged(QStringLiteral("V tématu: 1/") + QString::number(count));

    QStringList names;
    QStringList symbols;
    for (const Unit& unit : units()) {
        names << unit.name;
        symbols << unit.symbol;
    }
    grid_->setUnits(names, symbols);
    markerPictures();
    refreshHideAvailability();
    editRow_ = 0;
    if (count > 0) {
        grid_->setCurrentCell(0, ConversionGrid::kValueColumn);
        grid_->setTopRow(0);
    }
    grid_->setFocus();
    filling_ = false;
    emit magnifierChanged();
    emit filled();
}

void ConversionView::ApplyFormat()
{
    const Result<QStringList> column = tolvarin::ApplyFormat(grid_->valueColumn(), format_, locale_);
    if (column.ok()) {
        grid_->setValueColumn(column.value());
        return;
    }
    // A cell the user left as no number cannot be shown in another mode.
    messages_.show(MessageIcon::Exclamation, appTitle(), ConversionEngine::failureText(column.error(), grid_->valueText(grid_->currentRow())));
}

void ConversionView::setMarkingOn(bool on)
{
    markingOn_ = on;
    const int row = grid_->currentRow();
    grid_->setUpdatesEnabled(false);
    for (int r = 0; r < grid_->rowCount(); ++r) {
        if (on) {
            if (!units()[size_t(r)].info.isEmpty()) grid_->setPicture(r, ConversionGrid::kNameColumn, ConversionGrid::Picture::Info);
        } else {
            grid_->setPicture(r, ConversionGrid::kNameColumn, ConversionGrid::Picture::None);
            grid_->setPicture(r, ConversionGrid::kValueColumn, ConversionGrid::Picture::None);
        }
    }
    grid_->setUpdatesEnabled(true);
    if (row >= 0) grid_->setCurrentCell(row, ConversionGrid::kValueColumn);
}

void ConversionView::setColouring(bool on, const QColor& colour)
{
    colouring_ = on;
    if (colour.isValid()) markColour_ = colour;
}

void ConversionView::markerPictures()
{
    if (!markingOn_) return;
    const std::span<const Unit> topic = units();
    for (int row = 0; row < int(topic.size()); ++row) {
        if (!topic[size_t(row)].info.isEmpty())
            grid_->setPicture(row, ConversionGrid::kNameColumn, ConversionGrid::Picture::Info);
        if (catalogue_.isMarked(slot_, row + 1))
            grid_->setPicture(row, ConversionGrid::kValueColumn, ConversionGrid::Picture::Marked);
    }
}

void ConversionView::toggleMarkOnCurrentRow()
{
    const int row = grid_->currentRow();
    if (slot_ == kTemperatureSlot || !markingOn_ || row < 0 || row >= catalogue_.count(slot_)) return;
    const bool marked = toggleMark(catalogue_, slot_, row + 1);
    grid_->setPicture(row, ConversionGrid::kValueColumn,
                      marked ? ConversionGrid::Picture::Marked : ConversionGrid::Picture::None);
    refreshHideAvailability();
}

bool ConversionView::canHideUnmarked() const { return canHideRows(slot_) && catalogue_.markedCount(slot_) >= 2; }

void ConversionView::refreshHideAvailability() { emit hideAvailabilityChanged(canHideUnmarked()); }

void ConversionView::hideUnmarked()
{
    if (!keepMarkedUnits(catalogue_, slot_)) return;
    emit unitsHidden();
    FillGrid(slot_);
}

void ConversionView::hideActive()
{
    if (!canHideRows(slot_) || grid_->rowCount() == 0) return;
    const auto [first, last] = grid_->selectedRowRange();
    markOutsideRows(catalogue_, slot_, first, last);
    hideUnmarked();
}

void ConversionView::commitText(const QString& text)
{
    const int row = grid_->currentRow();
    if (row < 0) return;
    const QString before = grid_->valueText(row);
    grid_->setValueText(row, text);
    onEditCommitted(row, text, before);
}

bool ConversionView::typeAhead(QChar typed)
{
    QStringList names;
    for (int row = 0; row < grid_->rowCount(); ++row) names << grid_->nameText(row);
    const std::optional<int> row = typeAheadRow(typed, names, grid_->currentRow());
    if (!row) return false;
    grid_->setCurrentCell(*row, ConversionGrid::kValueColumn);
    grid_->setTopRow(*row);
    return true;
}

void ConversionView::onEditCommitted(int row, const QString& text, const QString& before)
{
    if (row > 0) editRow_ = row;
    CommitRequest request;
    request.slot = slot_;
    request.units = units();
    request.sourceRow = row;
    request.enteredText = text;
    request.column = grid_->valueColumn();
    request.textBeforeEdit = before;
    request.format = format_;
    const CommitResult result = engine_.commit(request, locale_, messages_);
    if (result.columnChanged) grid_->setValueColumn(result.column);
    if (result.infoLine) emit showInfoLine(result.infoLine->text, result.infoLine->important, toColour(result.infoLine->colour));
    if (result.rebuildMagnifier) emit magnifierChanged();
    if (result.markRow) colourMark(*result.markRow);
    if (result.failed) {
        emit commitFailed();
        return;
    }
    if (result.counts || result.columnChanged) emit converted(result.counts);
}

void ConversionView::colourMark(int row)
{
    if (colourMarkedRow_ < grid_->rowCount())
        grid_->setValueColour(colourMarkedRow_, QApplication::palette().color(QPalette::WindowText));
    if (!colouring_) return;
    grid_->setValueColour(row, markColour_);
    colourMarkedRow_ = row;
}

void ConversionView::onCurrentRowChanged(int row)
{
    if (filling_) return;
    emit currentRowChanged();
    if (const std::optional<QString> line =
            previewLine(units(), grid_->valueColumn(), row, editRow_, previewTarget_, locale_))
        emit showInfoLine(*line, false, Qt::black);
}

QString ConversionView::magnifierText() const
{
    return tolvarin::magnifierText(units(), grid_->valueColumn(), editRow_, std::max(0, grid_->currentRow()), locale_);
}

QString ConversionView::infoPanelText() const
{
    const int row = grid_->currentRow();
    if (row < 0 || row >= int(units().size())) return QString();
    return unitInfoText(slot_, units(), row, locale_);
}

}  // namespace tolvarin
