#include "output/recordingcommands.h"

#include "catalogue/topictable.h"
#include "common/apptitle.h"
#include "common/textutil.h"
#include "conversion/topicmodel.h"
#include "mainwindow/commandsurfaces.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>

namespace tolvarin {

namespace {

constexpr RecordingLayout kLayouts[] = {RecordingLayout::Semicolon, RecordingLayout::Tab, RecordingLayout::Space};

}  // namespace

std::optional<RecordingTarget> chooseRecordingFile(QWidget* parent, const QString& suggestedPath)
{
    QFileDialog dialog(parent, QStringLiteral("Název výstupního souboru"), suggestedPath);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (RecordingLayout layout : kLayouts) filters << recordingFilter(layout);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(recordingSuffix(RecordingLayout::Semicolon));
    // The suffix follows the chosen layout, so that the dialog can ask before
    // it overwrites the file that will really be written.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
        const qsizetype index = filters.indexOf(filter);
        if (index >= 0) dialog.setDefaultSuffix(recordingSuffix(kLayouts[index]));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const qsizetype index = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
    return RecordingTarget{dialog.selectedFiles().first(), kLayouts[index]};
}

RecordingCommands::RecordingCommands(CommandSurfaces& commands, const TopicModel& model, MessageSink& messages,
                                     RecordingFileChooser chooseFile, QObject* parent)
    : QObject(parent), commands_(commands), model_(model), messages_(messages), chooseFile_(std::move(chooseFile))
{
    showState();
}

void RecordingCommands::record()
{
    if (model_.slot() < 1 || model_.rowCount() < 1) return;
    const std::optional<RecordingTarget> target = chooseFile_(defaultRecordingPath(topicKey(model_.slot())));
    if (!target) return;  // cancelled: nothing is written
    QStringList header;
    for (const Unit& unit : model_.units()) header << unit.name;
    if (const std::optional<QString> error = recorder_.start(target->path, target->layout, header)) {
        messages_.show(MessageIcon::Exclamation, appTitle(),
                       joinLines({QStringLiteral("Soubor ") + QDir::toNativeSeparators(target->path) +
                                      QStringLiteral(" nelze vytvořit."),
                                  *error}));
    }
    showState();
}

void RecordingCommands::pause()
{
    recorder_.pause();
    showState();
}

void RecordingCommands::resume()
{
    recorder_.resume();
    showState();
}

void RecordingCommands::stop()
{
    recorder_.stop();
    showState();
}

void RecordingCommands::recordValues()
{
    const QString file = recorder_.fileName();
    const std::optional<QString> error = recorder_.record(model_.valueColumn());
    if (!error) return;
    showState();
    messages_.show(MessageIcon::Exclamation, appTitle(),
                   joinLines({QStringLiteral("Do souboru ") + QDir::toNativeSeparators(file) +
                                  QStringLiteral(" nelze zapisovat."),
                              *error, QString(), QStringLiteral("Nahrávání bylo ukončeno.")}));
}

void RecordingCommands::topicFilled() { stop(); }

void RecordingCommands::showState()
{
    using State = Recorder::State;
    const State state = recorder_.state();
    commands_.action(Command::Record)->setVisible(state == State::Stopped);
    commands_.action(Command::Record)->setEnabled(model_.slot() >= 1 && model_.rowCount() >= 1);
    commands_.action(Command::RecordPause)->setVisible(state == State::Recording || state == State::Resumed);
    commands_.action(Command::RecordStart)->setVisible(state == State::Paused);
    commands_.action(Command::RecordStop)->setVisible(state != State::Stopped);
}

}  // namespace tolvarin
