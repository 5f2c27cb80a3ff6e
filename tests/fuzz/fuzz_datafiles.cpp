// The main and the user data file readers on any bytes, and the data file
// editor's splitting and writing back of the same bytes.
//
// Input: two option bytes, then the file. Options: which file the bytes are
// (main, user, or both halves), the locale, the unit level, and how a second
// copy of the file is written: its line ends, its encoding, a final line end.
//
// Properties:
// - every count lies in 0..150; the rows of a built-in topic have names;
//   every coefficient is finite, and 0 or normal (user units: never 0);
// - no name, symbol, text or message holds a control character (but the
//   messages' own line ends), and a report lists a handful of messages;
// - the line splitter agrees with a plain reference, and so does the editor's;
// - decoding and encoding again gives the same bytes, and the editor saves an
//   unedited file to the same bytes;
// - the second copy, the same text in other line ends and another encoding,
//   reads into the same catalogue with the same report.
#include "catalogue/datafileconfig.h"
#include "catalogue/datafileedit.h"
#include "catalogue/datafiletext.h"
#include "catalogue/mainfilereader.h"
#include "catalogue/mainfilescan.h"
#include "catalogue/userfilereader.h"
#include "fuzzinput.h"

#include <algorithm>
#include <memory>

using namespace tolvarin;
using namespace tolvarin::fuzz;

namespace {

// A line end, as the reference splitter remembers it.
struct ReferenceLines {
    QStringList lines;  // the editor's lines: the text after the last line end is always the last
    QList<LineEnd> ends;
};

ReferenceLines referenceLines(const QString& text)
{
    ReferenceLines out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') continue;
        const bool crLf = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
        out.lines << text.mid(start, i - start);
        out.ends << (crLf ? LineEnd::CrLf : text[i] == u'\r' ? LineEnd::Cr : LineEnd::Lf);
        start = i + 1 + crLf;
        i += crLf;
    }
    out.lines << text.mid(start);
    out.ends << LineEnd::None;
    return out;
}

// The readers' lines: the end of the text ends the last line, a final line
// end starts no empty one.
QStringList readerLines(const ReferenceLines& reference)
{
    QStringList lines = reference.lines;
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

bool hasControls(const QString& text, bool lineEndsAllowed = false)
{
    return std::any_of(text.begin(), text.end(), [&](QChar c) {
        return isControlCharacter(c) && !(lineEndsAllowed && (c == u'\r' || c == u'\n'));
    });
}

bool sameUnit(const Unit& x, const Unit& y)
{
    return x.name == y.name && x.symbol == y.symbol && x.info == y.info && x.level == y.level &&
           sameBits(x.coefficient, y.coefficient);
}

struct Reading {
    std::unique_ptr<UnitCatalogue> catalogue = std::make_unique<UnitCatalogue>();
    DataFileReport report;
};

Reading readFiles(const DataFileConfig& config, const QByteArray& main, const QByteArray& user)
{
    Reading r;
    r.report = readMainDataBytes(*r.catalogue, config, main);
    r.report.append(readUserDataBytes(*r.catalogue, config, user));
    return r;
}

void checkCatalogue(const Reading& r, int mainLines, int userLines)
{
    const UnitCatalogue& c = *r.catalogue;
    for (int slot = 0; slot <= kLastSlot; ++slot) {
        FUZZ_CHECK(c.count(slot) >= 0 && c.count(slot) <= kMaxRows, "slot " + std::to_string(slot));
        for (int row = 1; row <= c.count(slot); ++row) {
            const Unit& unit = c.unit(slot, row);
            const std::string where = std::to_string(slot) + "-" + std::to_string(row);
            const bool builtin = slot <= kBuiltinTopicCount;
            FUZZ_CHECK((std::isnormal(unit.coefficient) || (builtin && unit.coefficient == 0.0)) &&
                           (!builtin || !unit.name.isEmpty()),
                       where + " " + shown(unit.coefficient));
            FUZZ_CHECK(!hasControls(unit.name) && !hasControls(unit.symbol) && !hasControls(unit.info),
                       where + " " + shown(unit.name + u'|' + unit.symbol + u'|' + unit.info));
        }
    }
    for (int n = 1; n <= kMaxUserTopics; ++n)
        FUZZ_CHECK(!hasControls(c.userTitleFromFile(n)), shown(c.userTitleFromFile(n)));

    // Per file: the UTF-8 note, five bad lines of up to three messages, the
    // sum of the others and the message that ends the reading.
    constexpr int kMostPerFile = 1 + FileReportWriter::kListedBadLines * 3 + 1 + 1;
    FUZZ_CHECK(r.report.messages.size() <= 2 * kMostPerFile, std::to_string(r.report.messages.size()));
    bool fatal = false;
    for (const ReportMessage& m : r.report.messages) {
        const int lines = m.fileName == u"Tolvar.tvd" ? mainLines : userLines;
        FUZZ_CHECK(m.line >= 0 && m.line <= std::max(lines, 1), shown(m.text));
        FUZZ_CHECK(!m.text.isEmpty() && !hasControls(m.text, true), shown(m.text));
        fatal = fatal || m.severity == ReportSeverity::Fatal;
    }
    FUZZ_CHECK(r.report.readToEnd == !fatal, "readToEnd");
}

bool sameCatalogue(const UnitCatalogue& a, const UnitCatalogue& b)
{
    for (int slot = 0; slot <= kLastSlot; ++slot) {
        if (a.count(slot) != b.count(slot)) return false;
        for (int row = 0; row <= a.count(slot); ++row)
            if (!sameUnit(a.unit(slot, row), b.unit(slot, row))) return false;
    }
    for (int n = 0; n <= kMaxUserTopics; ++n)
        if (a.userTopicUsed(n) != b.userTopicUsed(n) || a.userTitleFromFile(n) != b.userTitleFromFile(n)) return false;
    return true;
}

// The quick read of a conversion's topics: only for a file that the whole
// reader reads without a word, and then every topic holding a unit of one of
// the words exactly as the whole reader has it (without the information
// texts), every other topic empty.
void checkQuickRead(const DataFileConfig& config, const QByteArray& main, uint8_t more)
{
    auto whole = std::make_unique<UnitCatalogue>();
    const DataFileReport wholeReport = readMainDataBytes(*whole, config, main);
    const int picked = more % kBuiltinTopicCount + 1;
    QStringList words{QStringLiteral("m")};
    // An empty word names no unit.
    if (whole->count(picked) > 0 && !whole->unit(picked, whole->count(picked)).symbol.isEmpty())
        words << whole->unit(picked, whole->count(picked)).symbol;
    auto quick = std::make_unique<UnitCatalogue>();
    const std::optional<DataFileReport> report = readMainDataTopicsNaming(*quick, config, main, words);
    if (!report) return;
    FUZZ_CHECK(report->isClean() && wholeReport.isClean(), "a quick read of a file the reader reports on");
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) {
        bool named = false;
        for (int row = 1; row <= whole->count(slot); ++row)
            named =
                named || words.contains(whole->unit(slot, row).symbol) || words.contains(whole->unit(slot, row).name);
        const std::string where = "topic " + std::to_string(slot);
        const int count = quick->count(slot);
        FUZZ_CHECK(named ? count == whole->count(slot) : count == 0 || count == whole->count(slot),
                   where + " has " + std::to_string(count) + " units");
        for (int row = 1; row <= quick->count(slot); ++row) {
            // The quick read leaves the information texts out.
            Unit expected = whole->unit(slot, row);
            expected.info.clear();
            FUZZ_CHECK(sameUnit(quick->unit(slot, row), expected), where + " row " + std::to_string(row));
        }
    }
}

// The decoded text and the editor's view of the bytes; the number of lines.
int checkText(const QByteArray& bytes)
{
    const DecodedText decoded = decodeDataFile(bytes);
    if (!decoded.unreadableEncoding.isEmpty()) return 0;
    const ReferenceLines reference = referenceLines(decoded.text);
    const int lines = int(reference.lines.size());
    FUZZ_CHECK(splitLines(decoded.text) == readerLines(reference), "splitLines");
    FUZZ_CHECK(decoded.invalidUtf8Line <= reference.lines.size(), std::to_string(decoded.invalidUtf8Line));

    const EditedDataFile edited = splitDataFile(bytes);
    FUZZ_CHECK(edited.lines == reference.lines && edited.lineEnds == reference.ends, "splitDataFile");
    if (decoded.invalidUtf8Line > 0) {
        FUZZ_CHECK(decoded.encoding != TextEncoding::Windows1250 && decoded.text.contains(QChar::ReplacementCharacter),
                   "invalid UTF-8 read as Windows-1250 or without U+FFFD");
        return lines;
    }
    // Decoded without loss: the same bytes again, and an unedited save is the file.
    const std::optional<QByteArray> encoded = encodeText(decoded.text, decoded.encoding);
    const QByteArray bom = decoded.encoding == TextEncoding::Utf8WithBom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    FUZZ_CHECK(encoded && bom + *encoded == bytes, "decode and encode");
    FUZZ_CHECK(encodeEditedFile(edited, edited.lines, edited.encoding).bytes == bytes, "unedited save");
    return lines;
}

// The same text with other line ends, in another encoding, or nothing when the
// bytes would not decode to the same text.
std::optional<QByteArray> otherCopy(const QByteArray& bytes, uint8_t options, uint8_t more)
{
    const DecodedText decoded = decodeDataFile(bytes);
    if (!decoded.unreadableEncoding.isEmpty() || decoded.invalidUtf8Line > 0) return std::nullopt;
    const QStringList lines = readerLines(referenceLines(decoded.text));
    static const char* const kEnds[] = {"\r\n", "\n", "\r", "\r\n"};
    const QString end = QString::fromLatin1(kEnds[(options >> 5) & 3]);
    QString text = lines.join(end);
    if (!lines.isEmpty() && ((more & 1) || lines.last().isEmpty())) text += end;
    std::optional<QByteArray> copy;
    if (options & 0x80) copy = encodeText(text, TextEncoding::Windows1250);
    if (!copy) copy = (more & 2 ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
    if (decodeDataFile(*copy).text != text) return std::nullopt;  // Windows-1250 bytes that look like UTF-8
    return copy;
}

const QByteArray kMainFile = "1|metr|m|1|Základní jednotka|True\r\n1|+stopa|ft|0.3048|\r\n2|ar|a|100||True\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t options = in.byte();
    const uint8_t more = in.byte();
    const QByteArray bytes = in.rest();

    DataFileConfig config;
    config.locale = localeFor(options & 4);
    config.level = UnitLevel((options >> 3) & 3);
    config.userPath = QStringLiteral("User.tvd");
    // The bytes are the main file, the user file, or both halves.
    const int which = options & 3;
    const qsizetype half = which >= 2 ? bytes.size() / 2 : which == 0 ? bytes.size() : 0;
    const QByteArray main = which == 1 ? kMainFile : bytes.left(half);
    const QByteArray user = which == 0 ? QByteArray() : bytes.mid(half);
    const int mainLines = checkText(main);
    const int userLines = checkText(user);
    const Reading reading = readFiles(config, main, user);
    checkCatalogue(reading, mainLines, userLines);
    checkQuickRead(config, main, more);

    const std::optional<QByteArray> mainCopy = otherCopy(main, options, more);
    const std::optional<QByteArray> userCopy = otherCopy(user, options, more);
    if (mainCopy && userCopy) {
        const Reading again = readFiles(config, *mainCopy, *userCopy);
        FUZZ_CHECK(sameCatalogue(*reading.catalogue, *again.catalogue), "another encoding or line ends read otherwise");
        FUZZ_CHECK(reading.report.messages == again.report.messages,
                   "another encoding or line ends reported otherwise");
    }
    return 0;
}
