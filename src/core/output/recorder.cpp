#include "output/recorder.h"

#include <QDir>
#include <QStandardPaths>

namespace tolvarin {

namespace {

QString separator(RecordingLayout layout)
{
    switch (layout) {
    case RecordingLayout::Semicolon: return QStringLiteral(";");
    case RecordingLayout::Tab: return QStringLiteral("\t");
    case RecordingLayout::Space: return QStringLiteral(" ");
    }
    return QString();
}

QString quotedIfNeeded(const QString& field)
{
    const bool needsQuotes = field.contains(u';') || field.contains(u'"') || field.contains(u'\r') ||
                             field.contains(u'\n');
    if (!needsQuotes) return field;
    QString quoted = field;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

}  // namespace

QString recordingFilter(RecordingLayout layout)
{
    switch (layout) {
    case RecordingLayout::Semicolon: return QStringLiteral("CSV text oddělený středníky (*.csv)");
    case RecordingLayout::Tab: return QStringLiteral("text (oddělený tabulátory) (*.txt)");
    case RecordingLayout::Space: return QStringLiteral("formátovaný text (oddělený mezerami) (*.txt)");
    }
    return QString();
}

QString recordingSuffix(RecordingLayout layout)
{
    return layout == RecordingLayout::Semicolon ? QStringLiteral("csv") : QStringLiteral("txt");
}

QString recordingLine(const QStringList& fields, RecordingLayout layout)
{
    QStringList written = fields;
    if (layout == RecordingLayout::Semicolon)
        for (QString& field : written) field = quotedIfNeeded(field);
    return written.join(separator(layout)) + QStringLiteral("\r\n");
}

QString defaultRecordingPath(const QString& topicKey)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(topicKey + QStringLiteral(".csv"));
}

Recorder::Recorder() = default;
Recorder::~Recorder() = default;

QString Recorder::fileName() const { return file_ ? file_->fileName() : QString(); }

std::optional<QString> Recorder::start(const QString& path, RecordingLayout layout, const QStringList& header)
{
    stop();
    auto file = std::make_unique<QFile>(path);
    // Unbuffered: every line reaches the system at once, and a full disk is
    // reported by the write that meets it.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) return file->errorString();
    file_ = std::move(file);
    layout_ = layout;
    state_ = State::Recording;
    return writeLine(header);
}

void Recorder::pause()
{
    if (state_ == State::Recording || state_ == State::Resumed) state_ = State::Paused;
}

void Recorder::resume()
{
    if (state_ == State::Paused) state_ = State::Resumed;
}

void Recorder::stop()
{
    state_ = State::Stopped;
    if (file_) file_->close();
    file_.reset();
}

std::optional<QString> Recorder::record(const QStringList& values)
{
    if (state_ != State::Recording && state_ != State::Resumed) return std::nullopt;
    return writeLine(values);
}

std::optional<QString> Recorder::writeLine(const QStringList& fields)
{
    const QByteArray line = recordingLine(fields, layout_).toUtf8();
    if (file_->write(line) == line.size() && file_->flush()) return std::nullopt;
    const QString reason = file_->errorString();
    stop();
    return reason;
}

}  // namespace tolvarin
