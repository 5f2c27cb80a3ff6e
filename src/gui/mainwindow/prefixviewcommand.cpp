#include "mainwindow/prefixviewcommand.h"

#include "catalogue/topictable.h"
#include "common/apptitle.h"
#include "common/messagesink.h"
#include "conversion/clipboardaccess.h"
#include "conversion/conversionengine.h"
#include "conversion/conversiongrid.h"
#include "numbers/prefixview.h"

#include <QLabel>

#include <utility>

namespace tolvarin {

PrefixViewCommand::PrefixViewCommand(Target target, QObject* parent) : QObject(parent), target_(std::move(target)) {}

void PrefixViewCommand::showPrefixes()
{
    ConversionGrid* grid = target_.grid;
    if (grid->isEditing()) grid->commitEdit();
    const int row = grid->currentRow();
    if (row < 0) return;
    const QString value = grid->valueText(row);
    if (value.isEmpty()) return;
    const QString unitName = grid->nameText(row);

    // Filling the grid leaves row 0 current, and the prefix topic's first row is the
    // factor 1: the value is read there.
    constexpr int kValueRow = 0;
    const Result<PrefixViewValues> values =
        computePrefixView(value, kValueRow, prefixCoefficients(*target_.catalogue), target_.locale);
    if (!values.ok()) {
        target_.messages->show(MessageIcon::Exclamation, appTitle(), conversionFailureText(values.error(), value));
        return;
    }

    target_.clipboard->setText(value);
    target_.openTopic(kPrefixSlot);
    target_.title->setText(QLatin1Char(' ') + unitName);
    grid->topicModel()->showValueTexts(values.value().texts);
    grid->setFocus();
    if (const std::optional<int> top = values.value().topRow) {
        grid->setCurrentCell(*top, ConversionGrid::kValueColumn);
        grid->setTopRow(*top);
    }
    emit shown();
}

}  // namespace tolvarin
