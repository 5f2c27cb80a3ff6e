#pragma once

#include "catalogue/unitcatalogue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <string_view>

namespace tolvarin {

// The largest data file that is read. The main file holds at most 32 767
// lines of a few hundred bytes; anything larger is not a data file.
constexpr qint64 kMaxDataFileBytes = 16 * 1024 * 1024;

// The bytes of a data file, read whole.
struct DataFileBytes {
    enum class Status {
        Read,
        Missing,   // nothing there, or no regular file (a folder, a FIFO, a device)
        TooLarge,  // above kMaxDataFileBytes: not read at all
        Failed,    // there, but it could not be opened or read
    };
    Status status = Status::Missing;
    QByteArray bytes;
    QString reason;  // Failed: the system's own words
};
// Only a regular file is opened, and it is opened so that a FIFO put in its
// place meanwhile cannot block; it is read only up to the limit.
DataFileBytes readDataFileBytes(const QString& path);

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    // The first line holding bytes that are not UTF-8 in a file read as UTF-8
    // (they became U+FFFD); 0 when there is none.
    int invalidUtf8Line = 0;
    // A byte order mark of UTF-16 or UTF-32 ("UTF-16", "UTF-32"): the bytes
    // are not decoded and the text is empty. Empty otherwise.
    QString unreadableEncoding;
};

// A file with at least one multi-byte UTF-8 sequence is read as UTF-8, even
// when a few bytes are not UTF-8 (a stray byte typed in another encoding
// becomes U+FFFD, and its line is named); a file without any is read as
// Windows-1250, the Czech code page of older files. The whole file is decoded
// in one step, so an incomplete sequence at its very end counts as invalid.
// A file saved as UTF-16 or UTF-32 with its byte order mark is recognised and
// left undecoded.
DecodedText decodeDataFile(const QByteArray& bytes);
// "UTF-16" or "UTF-32" when the bytes begin with such a byte order mark.
QString unreadableEncoding(const QByteArray& bytes);
// The bytes of a text in an encoding, without a byte order mark; nothing when
// a character cannot be written in it (Windows-1250 holds 251 characters
// besides the controls, UTF-8 refuses a lone surrogate).
std::optional<QByteArray> encodeText(QStringView text, TextEncoding encoding);

// The length of the valid UTF-8 sequence of a character from U+0080 on that
// begins at bytes[i] (2 to 4), or 0 when none begins there.
int utf8SequenceLength(std::string_view bytes, size_t i);

// Lines end at CR LF, a lone CR or a lone LF; the end of the text ends the last
// line, and a final line end does not start an empty line.
QStringList splitLines(const QString& text);
// The same lines as views into text, which must outlive them.
QList<QStringView> lineViews(const QString& text);

// A C0 control character other than the tab, DEL or a C1 control: nothing a
// name or a text may hold, and a terminal would obey it.
bool isControlCharacter(QChar c);
// The text with each such character replaced by U+FFFD; the same text when it
// holds none.
QString withoutControlCharacters(QStringView text);
bool hasControlCharacters(QStringView text);

}  // namespace tolvarin
