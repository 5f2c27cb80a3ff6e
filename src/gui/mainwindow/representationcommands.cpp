#include "mainwindow/representationcommands.h"

#include "conversion/conversiongrid.h"
#include "mainwindow/commandsurfaces.h"
#include "mainwindow/commandtable.h"

#include <QAction>

#include <utility>

namespace tolvarin {

namespace {

const QString kJako = QStringLiteral("Jako");

// The drop-down entries' keys and what they show, in menu order: the number
// systems come first, as entries 0..4 of the menu.
struct EntryCommand {
    const char* key;
    Representation representation;
};
constexpr EntryCommand kEntryCommands[] = {
    {"Binarne", Representation::Binary},
    {"Oktalne", Representation::Octal},
    {"Hexadecimalne", Representation::Hexadecimal},
    {"Vlastni", Representation::OwnBase},
    {"VlastniD", Representation::OwnBaseWithPlaces},
    {"Zlomek", Representation::Fraction},
    {"Rimsky", Representation::Roman},
};
constexpr int kNumberSystems = 5;
static_assert(kEntryCommands[kNumberSystems - 1].representation == Representation::OwnBaseWithPlaces);

const ToolMenuEntry* asButtonEntry(const QString& key)
{
    const ToolButtonDef* button = findToolButton(kJako);
    if (!button) return nullptr;
    for (const ToolMenuEntry& entry : button->entries)
        if (entry.key == key) return &entry;
    return nullptr;
}

}  // namespace

RepresentationCommands::RepresentationCommands(Target target, QObject* parent)
    : QObject(parent), target_(std::move(target))
{
}

QString RepresentationCommands::currentCellText()
{
    ConversionGrid* grid = target_.grid;
    // A value still being typed is committed first: the command is about the
    // value the user sees, not the one from before the edit.
    if (grid->isEditing()) grid->commitEdit();
    const int row = grid->currentRow();
    return row < 0 ? QString() : grid->valueText(row);
}

void RepresentationCommands::showNumberSystem(int menuIndex)
{
    if (menuIndex >= 0 && menuIndex < kNumberSystems) showAs(kEntryCommands[menuIndex].representation);
}

void RepresentationCommands::showAs(Representation representation)
{
    const RepresentationOutcome outcome =
        represent(representation, currentCellText(), *target_.settings, target_.locale);
    if (outcome.refusedBecause(RefusalReason::NoNumber)) {
        target_.grid->setFocus();
        return;
    }
    if (outcome.refusedBecause(RefusalReason::OutOfRange)) {
        // The range message stands alone, in red: the magnifier keeps its
        // caption and the focus stays where it is.
        target_.showInfoLine(outcome.shownText(), true, QColor(255, 0, 0));
        return;
    }
    // Every other refusal reads as an answer and is shown like a result.
    // Fractions and numerals go to a message box while the information line
    // is hidden; the number systems do not.
    const bool important = representation == Representation::Fraction || representation == Representation::Roman;
    target_.showInfoLine(outcome.shownText(), important, QColor(Qt::black));
    if (target_.magnify) target_.magnify(outcome.shownText());
    target_.grid->setFocus();
}

bool RepresentationCommands::runEntry(const QString& key)
{
    for (const EntryCommand& entry : kEntryCommands) {
        if (key != QLatin1String(entry.key)) continue;
        showAs(entry.representation);
        return true;
    }
    return false;
}

void RepresentationCommands::repeatRemembered()
{
    runEntry(remembered_);
}

bool RepresentationCommands::asEntryClicked(const QString& key)
{
    const ToolMenuEntry* entry = asButtonEntry(key);
    if (!entry || !runEntry(key)) return false;
    target_.commands->setToolButtonImage(kJako, entry->buttonImage);
    if (entry->remembered) {
        remembered_ = key;
        target_.commands->toolButton(kJako)->setToolTip(entry->text);
    }
    return true;
}

}  // namespace tolvarin
