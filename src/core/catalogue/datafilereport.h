#pragma once

#include <QList>
#include <QString>

namespace tolvarin {

// How serious a message of the data file readers is.
enum class ReportSeverity {
    Warning,  // a bad line was skipped or read in part; reading went on
    Error,    // records were dropped; reading went on
    Fatal,    // reading ended here
};

// One message of a data file reader, its text as the message box shows it.
struct ReportMessage {
    ReportSeverity severity = ReportSeverity::Warning;
    QString fileName;  // the file's name as the settings give it
    int line = 0;      // 0 when the message names no line
    QString text;
    bool operator==(const ReportMessage&) const = default;
};

// What reading one or both data files found. The readers show nothing; the
// window shows each message in a message box, the terminal program prints it.
struct DataFileReport {
    QList<ReportMessage> messages;
    bool readToEnd = true;  // false when a fatal error ended the reading

    bool isClean() const { return readToEnd && messages.isEmpty(); }
    void add(ReportSeverity severity, const QString& fileName, int line, const QString& text)
    {
        messages.append({severity, fileName, line, text});
        if (severity == ReportSeverity::Fatal) readToEnd = false;
    }
    void append(const DataFileReport& other)
    {
        messages += other.messages;
        readToEnd = readToEnd && other.readToEnd;
    }
};

// The title of a message box that shows a report's message: the program's
// title, or "Tolvarin [Sub Texty]" for the messages that end a reading.
QString reportMessageTitle(ReportSeverity severity);

}  // namespace tolvarin
