#include "catalogue/datafiletext.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace tolvarin {

namespace {

// Bytes 0x80..0xFF of Windows-1250; the five unassigned bytes map to the C1
// control of the same number, as Windows does.
constexpr std::array<char16_t, 128> kWindows1250 = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

QString decodeWindows1250(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text += QChar(b < 0x80 ? char16_t(b) : kWindows1250[b - 0x80]);
    }
    return text;
}

std::optional<QByteArray> encodeWindows1250(QStringView text)
{
    static const QHash<char16_t, char> bytesOf = [] {
        QHash<char16_t, char> table;
        for (size_t i = 0; i < kWindows1250.size(); ++i) table.insert(kWindows1250[i], char(0x80 + i));
        return table;
    }();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            bytes += char(u);
            continue;
        }
        const auto found = bytesOf.constFind(u);
        if (found == bytesOf.constEnd()) return std::nullopt;
        bytes += *found;
    }
    return bytes;
}

struct Utf8Scan {
    bool anyMultiByte = false;
    qsizetype firstInvalid = -1;
};

Utf8Scan scanUtf8(const QByteArray& bytes)
{
    const std::string_view text(bytes.constData(), size_t(bytes.size()));
    Utf8Scan scan;
    for (size_t i = 0; i < text.size();) {
        // Eight ASCII bytes at a time: most of a data file is ASCII.
        if (std::uint64_t word = 0; i + 8 <= text.size()) {
            std::memcpy(&word, text.data() + i, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const int length = utf8SequenceLength(text, i);
        if (length > 0) {
            scan.anyMultiByte = true;
            i += length;
        } else {
            if (scan.firstInvalid < 0) scan.firstInvalid = qsizetype(i);
            ++i;
        }
    }
    return scan;
}

// The line (from 1) of a byte: lines end at CR LF, CR or LF.
int lineOfByte(const QByteArray& bytes, qsizetype position)
{
    int line = 1;
    for (qsizetype i = 0; i < position; ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) ++line;
    }
    return line;
}

bool isRegularFile(const struct stat& status) { return S_ISREG(status.st_mode); }

}  // namespace

int utf8SequenceLength(std::string_view bytes, size_t i)
{
    const auto at = [&](size_t k) { return k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0u; };
    const unsigned lead = at(i);
    int length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at(i + 1) < low || at(i + 1) > high) return 0;
    for (int k = 2; k < length; ++k)
        if (at(i + size_t(k)) < 0x80 || at(i + size_t(k)) > 0xBF) return 0;
    return length;
}

DataFileBytes readDataFileBytes(const QString& path)
{
    DataFileBytes read;
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    // A device is never opened: opening some of them has effects of its own.
    if (path.isEmpty() || ::stat(name.constData(), &status) != 0 || !isRegularFile(status)) return read;
    // Without O_NONBLOCK a FIFO put there since would block the open until
    // some writer came; the descriptor's own type is checked again.
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return read;
        read.status = DataFileBytes::Status::Failed;
        read.reason = qt_error_string(errno);
        return read;
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        read.status = DataFileBytes::Status::Failed;
        read.reason = file.errorString();
        return read;
    }
    if (::fstat(descriptor, &status) != 0 || !isRegularFile(status)) return read;
    if (status.st_size > kMaxDataFileBytes) {
        read.status = DataFileBytes::Status::TooLarge;
        return read;
    }
    // What the size promises, then the rest of a file that grew meanwhile
    // (or that tells no size), never more than one byte above the limit.
    read.bytes = file.read(status.st_size + 1);
    if (read.bytes.size() > status.st_size) read.bytes += file.read(kMaxDataFileBytes + 1 - read.bytes.size());
    if (file.error() != QFileDevice::NoError) {
        read.status = DataFileBytes::Status::Failed;
        read.reason = file.errorString();
        read.bytes.clear();
    } else if (read.bytes.size() > kMaxDataFileBytes) {
        read.status = DataFileBytes::Status::TooLarge;
        read.bytes.clear();
    } else {
        read.status = DataFileBytes::Status::Read;
    }
    return read;
}

QString unreadableEncoding(const QByteArray& bytes)
{
    // UTF-32 LE first: its mark begins with that of UTF-16 LE.
    if (bytes.startsWith(QByteArrayLiteral("\xFF\xFE\x00\x00")) ||
        bytes.startsWith(QByteArrayLiteral("\x00\x00\xFE\xFF")))
        return QStringLiteral("UTF-32");
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) return QStringLiteral("UTF-16");
    return QString();
}

DecodedText decodeDataFile(const QByteArray& bytes)
{
    if (QString wide = unreadableEncoding(bytes); !wide.isEmpty()) {
        DecodedText unread;
        unread.unreadableEncoding = std::move(wide);
        return unread;
    }
    const Utf8Scan scan = scanUtf8(bytes);
    DecodedText decoded;
    if (scan.firstInvalid >= 0 && !scan.anyMultiByte) {
        decoded.text = decodeWindows1250(bytes);
        decoded.encoding = TextEncoding::Windows1250;
        return decoded;
    }
    // Only the file's own mark is dropped: a second one is a character of the
    // text (U+FEFF), kept so that a save writes the file back as it was.
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    decoded.text = utf8(QByteArrayView(bytes).sliced(marked ? 3 : 0));
    decoded.encoding = marked ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
    if (scan.firstInvalid >= 0) decoded.invalidUtf8Line = lineOfByte(bytes, scan.firstInvalid);
    return decoded;
}

std::optional<QByteArray> encodeText(QStringView text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1250) return encodeWindows1250(text);
    QStringEncoder utf8(QStringEncoder::Utf8);
    QByteArray bytes = utf8(text);
    if (utf8.hasError()) return std::nullopt;
    return bytes;
}

QList<QStringView> lineViews(const QString& text)
{
    // The line ends are found with indexOf, which scans many characters at
    // once; a data file of a thousand lines is read at every start.
    const QStringView all(text);
    QList<QStringView> lines;
    qsizetype start = 0;
    qsizetype cr = all.indexOf(QLatin1Char('\r'));
    qsizetype lf = all.indexOf(QLatin1Char('\n'));
    while (start < all.size()) {
        if (cr >= 0 && cr < start) cr = all.indexOf(QLatin1Char('\r'), start);
        if (lf >= 0 && lf < start) lf = all.indexOf(QLatin1Char('\n'), start);
        const qsizetype end = cr < 0 ? lf : lf < 0 ? cr : std::min(cr, lf);
        if (end < 0) {
            lines.append(all.sliced(start));
            break;
        }
        lines.append(all.sliced(start, end - start));
        start = end == cr && lf == end + 1 ? end + 2 : end + 1;
    }
    return lines;
}

bool isControlCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t') || (u >= 0x7F && u <= 0x9F);
}

bool hasControlCharacters(QStringView text)
{
    // Every line of a data file passes here: one comparison for the usual
    // character, the exact test only below U+00A0.
    for (const QChar c : text)
        if (c.unicode() < 0xA0 && (c.unicode() < 0x20 || c.unicode() >= 0x7F) && isControlCharacter(c)) return true;
    return false;
}

QString withoutControlCharacters(QStringView text)
{
    QString clean = text.toString();
    for (QChar& c : clean)
        if (isControlCharacter(c)) c = QChar::ReplacementCharacter;
    return clean;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    for (QStringView line : lineViews(text)) lines.append(line.toString());
    return lines;
}

}  // namespace tolvarin
