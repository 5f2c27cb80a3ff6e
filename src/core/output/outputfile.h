#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tolvarin {

// What the output file is like when the print dialog opens.
struct OutputFileStatus {
    bool exists = false;
    qint64 size = 0;  // bytes, when it exists and can be read
    QString error;    // the system's reason when it exists but cannot be read
    bool readable() const { return exists && error.isEmpty(); }
};

// The lines of the output file, or the system's reason why it cannot be read.
struct OutputFileLines {
    QStringList lines;
    QString error;
};

// The output file TOLVAR.ASC in a folder, UTF-8 with CR LF. A block written
// to it either replaces the whole file or is appended in one write; a write
// that fails leaves the file as it was and gives the system's reason.
class OutputFile {
public:
    enum class Write { Append, Replace };

    explicit OutputFile(const QString& folder);
    // The user's data folder.
    static QString defaultFolder();

    QString path() const;
    OutputFileStatus status() const;
    OutputFileLines readLines() const;
    // Writes the lines, after a separator line when asked; the folder is
    // made when it is missing. The system's reason when it failed.
    std::optional<QString> write(const QStringList& lines, Write mode, bool separator) const;

private:
    QString folder_;
};

// "TOLVAR.ASC 120 B", "TOLVAR.ASC neexistuje", or the name alone when the
// file cannot be read.
QString outputFileLabel(const OutputFileStatus& status);
// "Soubor: " and the file's full path, in the system's form.
QString outputFilePathLabel(const QString& path);
// "Tiskárna: " and the printer's name.
QString printerLabel(const QString& printerName);

}  // namespace tolvarin
