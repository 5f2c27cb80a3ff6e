#pragma once

#include <QList>
#include <QString>

#include <utility>

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
    // The report of a file that could not be read at all.
    static DataFileReport fatal(const QString& fileName, const QString& text)
    {
        DataFileReport report;
        report.add(ReportSeverity::Fatal, fileName, 0, text);
        return report;
    }
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

// Adds the messages of one file to a report. The messages of its first few
// bad lines are listed; later bad lines are only counted, and one message sums
// them up before the reading ends, so that a file of garbage gives a handful
// of messages rather than one per line.
class FileReportWriter {
public:
    static constexpr int kListedBadLines = 5;

    FileReportWriter(DataFileReport& report, QString fileName) : report_(report), fileName_(std::move(fileName)) {}
    const QString& fileName() const { return fileName_; }

    // A message about one bad line (line > 0), which may be only counted:
    // makeText() gives its words, and is called only when they are listed.
    template <typename MakeText>
    void addLineMessage(ReportSeverity severity, int line, const MakeText& makeText)
    {
        if (!counted(severity, line)) report_.add(severity, fileName_, line, makeText());
    }
    // A message about the whole file, always listed; a fatal one ends the
    // reading, and the bad lines before it are summed up first.
    void addFileMessage(ReportSeverity severity, int line, const QString& text);
    // The reading has ended: sums up the bad lines that were not listed.
    void finish();

private:
    // Notes a message about a bad line; true when it is only counted.
    bool counted(ReportSeverity severity, int line);

    DataFileReport& report_;
    QString fileName_;
    int listedLines_ = 0;
    int lastListedLine_ = 0;
    int unlistedLines_ = 0;
    int lastUnlistedLine_ = 0;
    int firstUnlistedLine_ = 0;
    ReportSeverity unlistedSeverity_ = ReportSeverity::Warning;
};

// The title of a message box that shows a report's message: the program's
// title, or "Tolvarin [Sub Texty]" for the messages that end a reading.
QString reportMessageTitle(ReportSeverity severity);

}  // namespace tolvarin
