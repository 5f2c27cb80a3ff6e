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

const QString kJako = QStringLiteral("Jako");

// The drop-down entries' keys and the commands they run: index 0-4 of
// mnuSoustava, or the fraction and the Roman numeral.
enum class Command { Soustava, Zlomek, Latin };
struct EntryCommand {
    const char* key;
    Command command;
    int index;
};
constexpr EntryCommand kEntryCommands[] = {
    {"Binarne", Command::Soustava, kSoustavaBinarne},
    {"Oktalne", Command::Soustava, kSoustavaOktalne},
    {"Hexadecimalne", Command::Soustava, kSoustavaHexadecimalne},
    {"Vlastni", Command::Soustava, kSoustavaVlastni},
    {"VlastniD", Command::Soustava, kSoustavaVlastniDesetinna},
    {"Zlomek", Command::Zlomek, 0},
    {"Rimsky", Command::Latin, 0},
};

const ToolMenuEntry* jakoEntry(const QString& key)
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

void RepresentationCommands::mnuSoustava_Click(int index)
{
    const QString text = currentCellText();
    const RepresentationSettings& s = *target_.settings;
    show(SoustavaResult(index, text, s.numBase, s.numBaseDec, target_.locale));
}

void RepresentationCommands::mnuZlomek_Click()
{
    const QString text = currentCellText();
    show(ZlomekResult(text, target_.settings->zCitlivost, target_.locale));
}

void RepresentationCommands::mnuLatin_Click()
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

bool RepresentationCommands::runEntry(const QString& key)
{
    for (const EntryCommand& entry : kEntryCommands) {
        if (key != QLatin1String(entry.key)) continue;
        switch (entry.command) {
            case Command::Soustava: mnuSoustava_Click(entry.index); break;
            case Command::Zlomek: mnuZlomek_Click(); break;
            case Command::Latin: mnuLatin_Click(); break;
        }
        return true;
    }
    return false;
}

void RepresentationCommands::repeatRemembered()
{
    runEntry(remembered_);
}

bool RepresentationCommands::jakoEntryClicked(const QString& key)
{
    const ToolMenuEntry* entry = jakoEntry(key);
    if (!entry || !runEntry(key)) return false;
    target_.commands->setToolButtonImage(kJako, entry->buttonImage);
    if (entry->remembered) {
        remembered_ = key;
        target_.commands->toolButton(kJako)->setToolTip(entry->text);
    }
    return true;
}

}  // namespace tolvarin
