#pragma once

#include "catalogue/unitcatalogue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tolvarin {

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    // The first line holding bytes that are not UTF-8 in a file read as UTF-8
    // (they became U+FFFD); 0 when there is none.
    int invalidUtf8Line = 0;
};

// A file with at least one multi-byte UTF-8 sequence is read as UTF-8, even
// when a few bytes are not UTF-8 (a stray byte typed in another encoding
// becomes U+FFFD, and its line is named); a file without any is read as
// Windows-1250, the Czech code page of older files. The whole file is decoded
// in one step, so an incomplete sequence at its very end counts as invalid.
DecodedText decodeDataFile(const QByteArray& bytes);
// The bytes of a text in an encoding, without a byte order mark; nothing when
// a character cannot be written in it (Windows-1250 holds 251 characters
// besides the controls, UTF-8 refuses a lone surrogate).
std::optional<QByteArray> encodeText(QStringView text, TextEncoding encoding);

// Lines end at CR LF, a lone CR or a lone LF; the end of the text ends the last
// line, and a final line end does not start an empty line.
QStringList splitLines(const QString& text);
// The same lines as views into text, which must outlive them.
QList<QStringView> lineViews(const QString& text);

}  // namespace tolvarin
