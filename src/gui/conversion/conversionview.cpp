#include "conversion/conversionview.h"

#include "common/apptitle.h"
#include "conversion/conversionengine.h"
#include "conversion/conversiongrid.h"
#include "conversion/entryreading.h"
#include "navigation/typeahead.h"

#include <QApplication>
#include <QPalette>

namespace tolvarin {

ConversionView::ConversionView(UnitCatalogue& catalogue, ConversionGrid* grid, MessageSink& messages,
                               const QLocale& locale, QObject* parent)
    : QObject(parent), model_(new TopicModel(catalogue, locale, this)), grid_(grid), messages_(messages), locale_(locale)
{
    grid_->setTopicModel(model_);
    grid_->setEnteredColour(QApplication::palette().color(QPalette::Highlight));
    grid_->setTypeAhead([this](QChar typed) { return typeAhead(typed); });
    connect(grid_, &ConversionGrid::editCommitted, this, &ConversionView::commit);
    connect(grid_, &ConversionGrid::currentRowChanged, this, &ConversionView::onCurrentRowChanged);
    connect(grid_, &ConversionGrid::insertPressed, this, &ConversionView::toggleMarkOnCurrentRow);
}

void ConversionView::fillGrid(int slot)
{
    filling_ = true;
    model_->open(slot);
    emit titleChanged(model_->title());
    const int count = model_->rowCount();
    emit showInfoLine(QStringLiteral(" Jednotek k převodu: ") + QString::number(count) + QLatin1Char(' '), false,
                      Qt::black);
    emit topicUnitsChanged(QStringLiteral("V tématu: 1/") + QString::number(count));
    refreshHideAvailability();
    if (count > 0) {
        grid_->setCurrentCell(0, ConversionGrid::kValueColumn);
        grid_->setTopRow(0);
    }
    grid_->setFocus();
    filling_ = false;
    emit magnifierChanged();
    emit filled();
}

void ConversionView::setFormat(const DisplayFormat& format)
{
    const Result<bool> done = model_->setFormat(format);
    if (done.ok()) return;
    // A value that no text of the new format can show keeps the old format.
    messages_.show(MessageIcon::Exclamation, appTitle(),
                   conversionFailureText(done.error(), model_->valueText(grid_->currentRow())));
}

void ConversionView::setMarkingOn(bool on)
{
    const int row = grid_->currentRow();
    model_->setMarkingOn(on);
    if (row >= 0) grid_->setCurrentCell(row, ConversionGrid::kValueColumn);
}

void ConversionView::setColouring(bool on, const QColor& colour)
{
    model_->setColouring(on);
    if (colour.isValid()) grid_->setEnteredColour(colour);
}

void ConversionView::toggleMarkOnCurrentRow()
{
    if (model_->toggleMark(grid_->currentRow())) refreshHideAvailability();
}

void ConversionView::refreshHideAvailability() { emit hideAvailabilityChanged(model_->canHideUnmarked()); }

void ConversionView::hideUnmarked()
{
    if (!model_->hideUnmarked()) return;
    emit unitsHidden();
    fillGrid(model_->slot());
}

void ConversionView::hideActive()
{
    const auto [first, last] = grid_->selectedRowRange();
    if (!model_->hideRowsOutside(first, last)) return;
    emit unitsHidden();
    fillGrid(model_->slot());
}

void ConversionView::commitText(const QString& text)
{
    const int row = grid_->currentRow();
    if (row >= 0) commit(row, text);
}

bool ConversionView::typeAhead(QChar typed)
{
    QStringList names;
    for (const Unit& unit : model_->units()) names << unit.name;
    const std::optional<int> row = typeAheadRow(typed, names, grid_->currentRow());
    if (!row) return false;
    grid_->setCurrentCell(*row, ConversionGrid::kValueColumn);
    grid_->setTopRow(*row);
    return true;
}

void ConversionView::commit(int row, const QString& text)
{
    const ConversionOutcome outcome = model_->commit(row, text);
    using Status = ConversionOutcome::Status;
    if (outcome.signFlipped && !negativeNoticeShown_) {
        messages_.show(MessageIcon::Information, appTitle(), negativeValueNoticeText());
        negativeNoticeShown_ = true;
    }
    switch (outcome.status) {
    case Status::Unchanged: return;
    case Status::Emptied: emit converted(false); return;
    case Status::Failed: {
        QString text = conversionFailureText(outcome.error, outcome.failedText);
        if (outcome.otherDecimalSeparator) text += decimalSeparatorHint(locale_) + QStringLiteral("\r\n");
        messages_.show(MessageIcon::Exclamation, appTitle(), text);
        emit commitFailed();
        return;
    }
    case Status::BelowAbsoluteZero:
        emit showInfoLine(*outcome.summary, true, QColor(Qt::red));
        emit converted(false);
        return;
    case Status::Converted:
        if (outcome.summary) emit showInfoLine(*outcome.summary, false, QColor(Qt::black));
        emit magnifierChanged();  // the typing view gives way to the converted rows
        emit converted(outcome.counted);
        emit valuesConverted();
        return;
    }
}

void ConversionView::onCurrentRowChanged(int row)
{
    if (filling_) return;
    emit currentRowChanged();
    if (const std::optional<QString> line = model_->previewLine(row)) emit showInfoLine(*line, false, Qt::black);
}

QString ConversionView::magnifierText() const { return model_->magnifierText(grid_->currentRow()); }

QString ConversionView::infoPanelText() const { return model_->infoPanelText(grid_->currentRow()); }

}  // namespace tolvarin
