#include "catalogue/datafiletext.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>

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

}  // namespace

DecodedText decodeDataFile(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        const bool bom = bytes.startsWith("\xEF\xBB\xBF");
        return {text, bom ? TextEncoding::Utf8WithBom : TextEncoding::Utf8};
    }
    return {decodeWindows1250(bytes), TextEncoding::Windows1250};
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

QStringList splitLines(const QString& text)
{
    QStringList lines;
    for (QStringView line : lineViews(text)) lines.append(line.toString());
    return lines;
}

}  // namespace tolvarin
