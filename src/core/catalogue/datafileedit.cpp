#include "catalogue/datafileedit.h"

#include "catalogue/datafiletext.h"
#include "catalogue/topictable.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <vector>

namespace tolvarin {

namespace {

// Beyond this many line pairs in the changed middle of a file the lines are
// not matched one by one (a whole file pasted anew): they end with CR LF.
constexpr qsizetype kMaxMatchedPairs = 4'000'000;

QByteArray lineEndBytes(LineEnd end)
{
    switch (end) {
        case LineEnd::CrLf: return QByteArrayLiteral("\r\n");
        case LineEnd::Cr: return QByteArrayLiteral("\r");
        case LineEnd::Lf: return QByteArrayLiteral("\n");
        case LineEnd::None: break;
    }
    return {};
}

// For each line of after, the line of before that it is (a longest common
// subsequence of the two), or -1 for a new or changed line. Unchanged lines
// at both ends are matched first, so the table covers the edited middle only.
std::vector<qsizetype> matchLines(const QStringList& before, const QStringList& after)
{
    std::vector<qsizetype> match(size_t(after.size()), -1);
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head]) {
        match[size_t(head)] = head;
        ++head;
    }
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        match[size_t(after.size() - 1 - tail)] = before.size() - 1 - tail;
        ++tail;
    }
    const qsizetype n = before.size() - head - tail;
    const qsizetype m = after.size() - head - tail;
    if (n == 0 || m == 0 || n * m > kMaxMatchedPairs) return match;

    // common[i][j]: the longest common run of before[head+i..] and after[head+j..].
    std::vector<int> common(size_t((n + 1) * (m + 1)), 0);
    const auto at = [m](qsizetype i, qsizetype j) { return size_t(i * (m + 1) + j); };
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = m - 1; j >= 0; --j) {
            common[at(i, j)] = before[head + i] == after[head + j] ? common[at(i + 1, j + 1)] + 1
                                                                   : std::max(common[at(i + 1, j)], common[at(i, j + 1)]);
        }
    }
    for (qsizetype i = 0, j = 0; i < n && j < m;) {
        if (before[head + i] == after[head + j]) {
            match[size_t(head + j)] = head + i;
            ++i;
            ++j;
        } else if (common[at(i + 1, j)] >= common[at(i, j + 1)]) {
            ++i;
        } else {
            ++j;
        }
    }
    return match;
}

}  // namespace

EditedDataFile splitDataFile(const QByteArray& bytes)
{
    DecodedText decoded = decodeDataFile(bytes);
    EditedDataFile file;
    file.encoding = decoded.encoding;
    file.invalidUtf8Line = decoded.invalidUtf8Line;
    const QString& text = decoded.text;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        file.lines.append(text.sliced(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            file.lineEnds.append(LineEnd::CrLf);
            ++i;
        } else {
            file.lineEnds.append(c == QLatin1Char('\r') ? LineEnd::Cr : LineEnd::Lf);
        }
        start = i + 1;
    }
    file.lines.append(text.sliced(start));
    file.lineEnds.append(LineEnd::None);
    return file;
}

DataFileRead readDataFileForEditing(const QString& path)
{
    DataFileRead read;
    const DataFileBytes bytes = readDataFileBytes(path);
    switch (bytes.status) {
        case DataFileBytes::Status::Missing: return read;
        case DataFileBytes::Status::TooLarge:
            read.status = DataFileRead::Status::Failed;
            read.reason = QStringLiteral("soubor je větší než 16 MB");
            return read;
        case DataFileBytes::Status::Failed:
            read.status = DataFileRead::Status::Failed;
            read.reason = bytes.reason;
            return read;
        case DataFileBytes::Status::Read: break;
    }
    if (const QString wide = unreadableEncoding(bytes.bytes); !wide.isEmpty()) {
        // Shown as single bytes and saved again, the text would be lost.
        read.status = DataFileRead::Status::Failed;
        read.reason = QStringLiteral("soubor je v kódování ") + wide +
                      QStringLiteral("; uložte jej v kódování UTF-8 nebo Windows-1250");
        return read;
    }
    read.status = DataFileRead::Status::Read;
    read.file = splitDataFile(bytes.bytes);
    return read;
}

EncodedDataFile encodeEditedFile(const EditedDataFile& original, const QStringList& lines, TextEncoding encoding)
{
    EncodedDataFile encoded;
    if (encoding == TextEncoding::Utf8WithBom) encoded.bytes = QByteArrayLiteral("\xEF\xBB\xBF");
    const std::vector<qsizetype> match = matchLines(original.lines, lines);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QByteArray> bytes = encodeText(lines[i], encoding);
        if (!bytes) {
            encoded = {};
            encoded.badLine = int(i + 1);
            const auto bad = std::find_if(lines[i].cbegin(), lines[i].cend(),
                                          [encoding](QChar c) { return !encodeText(QStringView(&c, 1), encoding); });
            if (bad != lines[i].cend()) encoded.badCharacter = *bad;
            return encoded;
        }
        LineEnd end = LineEnd::None;
        if (i + 1 < lines.size()) {
            const qsizetype kept = match[size_t(i)];
            end = kept >= 0 && original.lineEnds.value(kept) != LineEnd::None ? original.lineEnds[kept] : LineEnd::CrLf;
        }
        encoded.bytes += *bytes + lineEndBytes(end);
        encoded.lineEnds.append(end);
    }
    return encoded;
}

DataFileWrite writeDataFile(const QString& path, const QByteArray& bytes)
{
    DataFileWrite write;
    const QFileInfo target(path);
    constexpr QFile::Permissions kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    const bool fileReadOnly = target.exists() && (!target.isWritable() || !(target.permissions() & kAnyWrite));
    if (fileReadOnly || !QFileInfo(target.absolutePath()).isWritable()) {
        write.status = DataFileWrite::Status::ReadOnly;
        return write;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        write.status = DataFileWrite::Status::Failed;
        write.reason = file.errorString();
        return write;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        write.status = DataFileWrite::Status::Failed;
        write.error = ErrorCode::DeviceIo;
        write.reason = file.errorString();
    }
    return write;
}

int topicNumberInFile(DataFileKind file, int slot)
{
    if (file == DataFileKind::Main) return slot >= 1 && slot <= kBuiltinTopicCount ? slot : 0;
    const int number = slot - kBuiltinTopicCount;
    return number >= 1 && number <= kMaxUserTopics ? number : 0;
}

int topicLine(const QStringList& lines, int numberInFile)
{
    if (numberInFile < 1) return -1;
    const QString start = QString::number(numberInFile) + QLatin1Char('|');
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(start)) return int(i);
    return -1;
}

}  // namespace tolvarin
