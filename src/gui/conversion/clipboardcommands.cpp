#include "conversion/clipboardcommands.h"

#include "conversion/entryreading.h"
#include "conversion/clipboardaccess.h"
#include "conversion/conversiongrid.h"
#include "conversion/conversionview.h"

#include <QAction>

namespace tolvarin {

ClipboardCommands::ClipboardCommands(ConversionGrid* grid, ConversionView* view, ClipboardAccess& clipboard,
                                     const QLocale& locale, const Surfaces& surfaces, QObject* parent)
    : QObject(parent), grid_(grid), view_(view), clipboard_(clipboard), locale_(locale), surfaces_(surfaces)
{
    // Another program may put a number on the clipboard at any time; Paste
    // should not wait for the next cell change to notice it.
    clipboard_.setChangeHandler([this] { updateEnabled(); });
    updateEnabled();
}

ClipboardCommands::~ClipboardCommands()
{
    clipboard_.setChangeHandler({});
}

void ClipboardCommands::copy()
{
    if (dataEditorShown_ || !canCopy()) return;
    clipboard_.setText(grid_->valueText(grid_->currentRow()));
}

void ClipboardCommands::paste()
{
    if (dataEditorShown_ || grid_->currentRow() < 0 || !canPaste()) return;
    const QString text = clipboard_.text().trimmed();
    if (grid_->isEditing()) {
        grid_->editor()->setText(text);
        return;
    }
    view_->commitText(text);
    grid_->setFocus();
}

bool ClipboardCommands::canCopy() const
{
    const int row = grid_->currentRow();
    return row >= 0 && !grid_->valueText(row).isEmpty();
}

bool ClipboardCommands::canPaste() const
{
    return clipboard_.hasText() && readTypedNumber(clipboard_.text(), locale_).value.has_value();
}

void ClipboardCommands::updateEnabled()
{
    const bool copy = canCopy();
    const bool paste = canPaste();
    surfaces_.copy->setEnabled(copy);
    surfaces_.paste->setEnabled(paste);
}

}  // namespace tolvarin
