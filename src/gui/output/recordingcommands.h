#pragma once

#include "common/messagesink.h"
#include "output/recorder.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace tolvarin {

class CommandSurfaces;
class TopicModel;

// Where a recording goes: the file and its layout, or none when the user
// cancelled. The window asks with a save dialog; tests answer directly.
struct RecordingTarget {
    QString path;
    RecordingLayout layout = RecordingLayout::Semicolon;
};
using RecordingFileChooser = std::function<std::optional<RecordingTarget>(const QString& suggestedPath)>;

// The save dialog "Název výstupního souboru" with the three layouts,
// confirming the overwriting of an existing file.
std::optional<RecordingTarget> chooseRecordingFile(QWidget* parent, const QString& suggestedPath);

// The recording commands "Nahrávání", "Pauza", "Start" (resume) and "Stop":
// shows the commands that fit the recorder's state, writes the header of the
// open topic's unit names and a line of its shown values after every
// conversion, and stops when the table is filled anew.
class RecordingCommands : public QObject {
    Q_OBJECT

public:
    RecordingCommands(CommandSurfaces& commands, const TopicModel& model, MessageSink& messages,
                      RecordingFileChooser chooseFile, QObject* parent = nullptr);

    const Recorder& recorder() const { return recorder_; }

    void record();  // starts a recording into a file the user chooses
    void pause();
    void resume();
    void stop();

    // A conversion rewrote the values: one line while recording.
    void recordValues();
    // The table was filled for a topic (opened, level, hidden rows, reload):
    // values would no longer stand under their header.
    void topicFilled();

private:
    void showState();

    CommandSurfaces& commands_;
    const TopicModel& model_;
    MessageSink& messages_;
    RecordingFileChooser chooseFile_;
    Recorder recorder_;
};

}  // namespace tolvarin
