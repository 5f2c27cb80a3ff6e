#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace tolvarin {

// The three layouts of a recording file, in the order the save dialog offers them.
enum class RecordingLayout { Semicolon, Tab, Space };

// The save dialog's filter of a layout, its pattern in a trailing "(…)":
// "CSV text oddělený středníky (*.csv)".
QString recordingFilter(RecordingLayout layout);
QString recordingSuffix(RecordingLayout layout);  // "csv" or "txt"

// One line of a recording file: the fields joined by the layout's separator,
// ended by CR LF. In the semicolon layout a field holding ";", a double quote,
// CR or LF is quoted as spreadsheets expect (quotes doubled inside); every
// other field stands as it is. The space layout cannot tell a blank inside a
// name from a separator.
QString recordingLine(const QStringList& fields, RecordingLayout layout);

// Where the save dialog starts: the user's documents folder (the home folder
// when there is none) and the topic's key with the first layout's suffix
// ("Delka.csv").
QString defaultRecordingPath(const QString& topicKey);

// The recording of conversions: a file that gets a header of unit names and
// then one line of shown values per conversion. Lines are written while
// recording or after resuming, not while paused or stopped. Each line is
// written with one call and flushed, so the file only ever holds whole lines;
// a failed write stops the recording and reports the system's reason.
class Recorder {
public:
    enum class State { Stopped, Recording, Paused, Resumed };

    Recorder();
    ~Recorder();

    State state() const { return state_; }
    bool isActive() const { return state_ != State::Stopped; }
    QString fileName() const;

    // Creates (or overwrites) the file and writes the header. A file still
    // open is closed first. The error text when the file cannot be created
    // or written; the recorder then stays stopped.
    std::optional<QString> start(const QString& path, RecordingLayout layout, const QStringList& header);
    void pause();
    void resume();
    void stop();

    // One line of values while recording or resumed; nothing otherwise. The
    // error text when the write failed: the recording has then stopped.
    std::optional<QString> record(const QStringList& values);

private:
    std::optional<QString> writeLine(const QStringList& fields);

    std::unique_ptr<QFile> file_;
    RecordingLayout layout_ = RecordingLayout::Semicolon;
    State state_ = State::Stopped;
};

}  // namespace tolvarin
