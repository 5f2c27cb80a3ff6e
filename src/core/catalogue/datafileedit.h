#pragma once

#include "catalogue/unitcatalogue.h"
#include "common/runtimeerror.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tolvarin {

// The two data files the built-in editor opens.
enum class DataFileKind { Main, User };

enum class LineEnd : quint8 { None, CrLf, Cr, Lf };

// A data file as the editor shows it: one entry per line, each with the line
// end that followed it in the file, and how the bytes were decoded. There is
// always at least one line; the last is the text after the last line end
// (empty when the file ends with one) and has no line end of its own.
struct EditedDataFile {
    QStringList lines;
    QList<LineEnd> lineEnds;
    TextEncoding encoding = TextEncoding::Utf8;
    // The first line with bytes that are not UTF-8 in a file read as UTF-8;
    // saving writes them as U+FFFD. 0 when there is none.
    int invalidUtf8Line = 0;
};

// Decodes the bytes as the readers do and cuts them at CR LF, a lone CR or a
// lone LF, remembering which.
EditedDataFile splitDataFile(const QByteArray& bytes);

// Reading a data file for editing. A path without a regular file (nothing
// there, a folder, a FIFO, a device) is missing; a file above 16 MB, or one
// saved as UTF-16 or UTF-32, fails with the reason.
struct DataFileRead {
    enum class Status { Read, Missing, Failed };
    Status status = Status::Missing;
    EditedDataFile file;
    ErrorCode error = ErrorCode::PathAccess;  // Failed: what went wrong
    QString reason;                           // Failed: the system's own words
};
DataFileRead readDataFileForEditing(const QString& path);

// The bytes of the edited lines. A line that the user left as it was keeps
// the line end it had, so that a file saved without an edit is the same to
// the byte; new and changed lines end with CR LF. When a character cannot be
// written in the encoding, nothing is made and the line (from 1) and the
// character are given instead.
struct EncodedDataFile {
    QByteArray bytes;
    QList<LineEnd> lineEnds;  // what the lines end with in bytes
    int badLine = 0;
    QChar badCharacter;
    bool ok() const { return badLine == 0; }
};
EncodedDataFile encodeEditedFile(const EditedDataFile& original, const QStringList& lines, TextEncoding encoding);

// Replacing a data file's contents as a whole: a crash or a full disk leaves
// the old file. A file without write permission (for anyone, or for this user)
// or in a folder this user cannot write is refused before anything is tried.
struct DataFileWrite {
    enum class Status { Written, ReadOnly, Failed };
    Status status = Status::Written;
    ErrorCode error = ErrorCode::PathAccess;  // Failed: what went wrong
    QString reason;                           // Failed: the system's own words
};
DataFileWrite writeDataFile(const QString& path, const QByteArray& bytes);

// The number a topic's lines begin with in its file: the slot for built-in
// topics in the main file, the slot - 26 for user topics in the user file;
// 0 when the topic has no lines in that file.
int topicNumberInFile(DataFileKind file, int slot);
// The first line (from 0) that begins with the number and "|", or -1.
int topicLine(const QStringList& lines, int numberInFile);

}  // namespace tolvarin
