#include "mainwindow/representationcommands.h"

#include "conversion/conversiongrid.h"
#include "mainwindow/commandsurfaces.h"
#include "mainwindow/commandtable.h"
#include "numbers/fraction.h"
#include "numbers/positionalsystems.h"
#include "numbers/romannumerals.h"

#include <QAction>

#include <utility>

namespace tolvarin {

namespace {

// The representations and what they show: a number system, or the
// fraction and the Roman numeral.
enum class Shown { InBase, Fraction, Roman };
struct Representation {
    Command command;
    Shown shown;
    int system;
};
constexpr Representation kRepresentations[] = {
    {Command::AsBinary, Shown::InBase, kSoustavaBinarne},
    {Command::AsOctal, Shown::InBase, kSoustavaOktalne},
    {Command::AsHex, Shown::InBase, kSoustavaHexadecimalne},
    {Command::AsOwnBase, Shown::InBase, kSoustavaVlastni},
    {Command::AsOwnBaseWithPlaces, Shown::InBase, kSoustavaVlastniDesetinna},
    {Command::AsFraction, Shown::Fraction, 0},
    {Command::AsRoman, Shown::Roman, 0},
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

void RepresentationCommands::showInBase(int index)
{
    const QString text = currentCellText();
    const RepresentationSettings& s = *target_.settings;
    show(SoustavaResult(index, text, s.numBase, s.numBaseDec, target_.locale));
}

void RepresentationCommands::showFraction()
{
    const QString text = currentCellText();
    show(ZlomekResult(text, target_.settings->zCitlivost, target_.locale));
}

void RepresentationCommands::showRoman()
{
    show(RimskyResult(currentCellText(), target_.locale));
}

void RepresentationCommands::show(const RepresentationResult& result)
{
    if (!result.hasResult) {
        target_.grid->setFocus();
        return;
    }
    if (result.isRangeError) {
        // The range message stands alone: the magnifier keeps its caption and
        // the focus stays where it is.
        target_.showInfoLine(result.text, result.important, QColor(255, 0, 0));
        return;
    }
    target_.showInfoLine(result.text, result.important, QColor(Qt::black));
    if (target_.magnify) target_.magnify(result.text);
    target_.grid->setFocus();
}

bool RepresentationCommands::showAs(Command command)
{
    for (const Representation& r : kRepresentations) {
        if (r.command != command) continue;
        switch (r.shown) {
            case Shown::InBase: showInBase(r.system); break;
            case Shown::Fraction: showFraction(); break;
            case Shown::Roman: showRoman(); break;
        }
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
