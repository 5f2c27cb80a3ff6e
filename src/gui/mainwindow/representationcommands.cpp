#include "mainwindow/representationcommands.h"

#include "conversion/conversiongrid.h"
#include "mainwindow/commandsurfaces.h"

#include <QAction>

#include <utility>

namespace tolvarin {

namespace {

// The commands of "Aktuální jako" and what each shows.
struct AsCommand {
    Command command;
    Representation representation;
};
constexpr AsCommand kAsCommands[] = {
    {Command::AsBinary, Representation::Binary},
    {Command::AsOctal, Representation::Octal},
    {Command::AsHex, Representation::Hexadecimal},
    {Command::AsOwnBase, Representation::OwnBase},
    {Command::AsOwnBaseWithPlaces, Representation::OwnBaseWithPlaces},
    {Command::AsFraction, Representation::Fraction},
    {Command::AsRoman, Representation::Roman},
};

}  // namespace

RepresentationCommands::RepresentationCommands(Target target, QObject* parent)
    : QObject(parent), target_(std::move(target))
{
    connect(target_.commands, &CommandSurfaces::chosenFromDropDown, this, [this](Command button, Command entry) {
        if (button == Command::AsRemembered) chooseForButton(entry);
    });
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

void RepresentationCommands::show(Representation representation)
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

bool RepresentationCommands::showAs(Command command)
{
    for (const AsCommand& as : kAsCommands) {
        if (as.command != command) continue;
        show(as.representation);
        return true;
    }
    return false;
}

void RepresentationCommands::repeatRemembered()
{
    showAs(remembered_);
}

void RepresentationCommands::chooseForButton(Command command)
{
    const CommandInfo& info = commandInfo(command);
    target_.commands->setPicture(Command::AsRemembered, info.picture);
    if (!info.remembered) return;
    remembered_ = command;
    target_.commands->action(Command::AsRemembered)->setToolTip(info.buttonToolTip());
}

}  // namespace tolvarin
