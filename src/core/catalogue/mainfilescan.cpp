#include "catalogue/mainfilescan.h"

#include "catalogue/datafiletext.h"
#include "catalogue/mainfilereader.h"
#include "catalogue/numericreading.h"

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tolvarin {

namespace {

constexpr int kMaxFields = 6;
constexpr int kMaxLines = 32767;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// A unit line as the whole reader stores it.
struct PlainUnitLine {
    int topic = 0;
    int row = 0;
    UnitLevel level = UnitLevel::Level1;
    std::string_view name;  // without its level marker
    std::string_view symbol;
    std::string_view coefficient;
};

// The length of the character that begins at i when the whole reader takes
// it without a word, 0 otherwise: printable ASCII, a tab, a line feed, a CR
// that ends a line (before a line feed or at the end; a lone CR would end a
// line there) and valid UTF-8 from U+00A0 on (no C0 or C1 control, no DEL).
int plainCharacterLength(std::string_view text, size_t i)
{
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte >= 0x20 && byte < 0x7F) || byte == '\t' || byte == '\n') return 1;
    if (byte == '\r') return i + 1 == text.size() || text[i + 1] == '\n' ? 1 : 0;
    if (byte < 0x80) return 0;
    const int length = utf8SequenceLength(text, i);
    const bool c1Control = length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
    return c1Control ? 0 : length;
}

constexpr size_t kBlock = 64;

// What the bytes of a block are, one bit per byte from the lowest: plain on
// their own, the first of a two-byte character from U+00A0 on (judged with
// the byte after it), a line feed, a field separator.
struct BlockBits {
    std::uint64_t single = 0;
    std::uint64_t lead = 0;
    std::uint64_t lineFeeds = 0;
    std::uint64_t bars = 0;
};

#ifdef __SSE2__
std::uint64_t bitsOf(__m128i bytes)
{
    return std::uint64_t(unsigned(_mm_movemask_epi8(bytes)));
}

__m128i bytesOf(char c)
{
    return _mm_set1_epi8(c);
}

// Reads kBlock + 1 bytes. The comparisons are signed: 0x80..0xBF are -128..-65.
BlockBits blockBits(const char* at)
{
    BlockBits bits;
    for (unsigned part = 0; part < kBlock / 16; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + part * 16));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + part * 16 + 1));
        const __m128i lineFeed = _mm_cmpeq_epi8(bytes, bytesOf('\n'));
        const __m128i printable =
            _mm_andnot_si128(_mm_cmpeq_epi8(bytes, bytesOf(0x7F)), _mm_cmpgt_epi8(bytes, bytesOf(0x1F)));
        const __m128i crlf = _mm_and_si128(_mm_cmpeq_epi8(bytes, bytesOf('\r')), _mm_cmpeq_epi8(next, bytesOf('\n')));
        const __m128i single =
            _mm_or_si128(_mm_or_si128(printable, _mm_cmpeq_epi8(bytes, bytesOf('\t'))), _mm_or_si128(lineFeed, crlf));
        const __m128i nextContinues = _mm_cmpgt_epi8(bytesOf(-64), next);
        const __m128i c3ToDf = _mm_and_si128(_mm_cmpgt_epi8(bytes, bytesOf(-62)), _mm_cmpgt_epi8(bytesOf(-32), bytes));
        const __m128i c2AboveC1 =
            _mm_and_si128(_mm_cmpeq_epi8(bytes, bytesOf(char(0xC2))), _mm_cmpgt_epi8(next, bytesOf(-97)));
        const __m128i lead = _mm_and_si128(nextContinues, _mm_or_si128(c3ToDf, c2AboveC1));
        const unsigned shift = part * 16;
        bits.single |= bitsOf(single) << shift;
        bits.lead |= bitsOf(lead) << shift;
        bits.lineFeeds |= bitsOf(lineFeed) << shift;
        bits.bars |= bitsOf(_mm_cmpeq_epi8(bytes, bytesOf('|'))) << shift;
    }
    return bits;
}
#else
BlockBits blockBits(const char* at)
{
    BlockBits bits;
    for (unsigned k = 0; k < kBlock; ++k) {
        const auto byte = static_cast<unsigned char>(at[k]);
        const auto next = static_cast<unsigned char>(at[k + 1]);
        const bool single =
            (byte >= 0x20 && byte < 0x7F) || byte == '\t' || byte == '\n' || (byte == '\r' && next == '\n');
        const bool lead = (byte >= 0xC3 && byte <= 0xDF && next >= 0x80 && next <= 0xBF) ||
                          (byte == 0xC2 && next >= 0xA0 && next <= 0xBF);
        bits.single |= std::uint64_t(single) << k;
        bits.lead |= std::uint64_t(lead) << k;
        bits.lineFeeds |= std::uint64_t(byte == '\n') << k;
        bits.bars |= std::uint64_t(byte == '|') << k;
    }
    return bits;
}
#endif

// A line split at its field separators '|' into at most kMaxFields fields.
struct LineFields {
    std::array<std::string_view, kMaxFields> fields;
    int count = 0;
    bool tooMany = false;  // a separator after the last field
};

// Calls onLine(begin, end, fields) for each line of the text as long as it
// returns true: end is at the line feed or the end of the text, and the last
// field leaves out a CR before it. False when a character is not plain (see
// plainCharacterLength) or onLine returned false. The text is judged 64 bytes
// at a time, and separators and line ends come from the same blocks; a
// character of three or four bytes (rare in a Czech file) is judged alone.
template <typename OnLine>
bool forEachPlainLine(std::string_view text, OnLine onLine)
{
    size_t lineBegin = 0;
    size_t fieldBegin = 0;
    LineFields line;
    const auto endLine = [&](size_t end) {
        const size_t fieldEnd = end > fieldBegin && text[end - 1] == '\r' ? end - 1 : end;
        line.fields[size_t(line.count++)] = std::string_view(text.data() + fieldBegin, fieldEnd - fieldBegin);
        const bool goOn = onLine(lineBegin, end, line);
        lineBegin = fieldBegin = end + 1;
        line.count = 0;
        line.tooMany = false;
        return goOn;
    };
    const auto splitBlock = [&](size_t first, std::uint64_t lineFeeds, std::uint64_t bars) {
        for (std::uint64_t events = lineFeeds | bars; events != 0; events &= events - 1) {
            const auto bit = unsigned(std::countr_zero(events));
            const size_t at = first + bit;
            if ((lineFeeds >> bit & 1u) != 0) {
                if (!endLine(at)) return false;
            } else if (line.count == kMaxFields - 1) {
                line.tooMany = true;
            } else {
                line.fields[size_t(line.count++)] = std::string_view(text.data() + fieldBegin, at - fieldBegin);
                fieldBegin = at + 1;
            }
        }
        return true;
    };

    // Each byte is judged with the one after it, so a block reads one byte
    // more; the last block is judged in a copy followed by line feeds.
    std::array<char, kBlock + 1> lastBlock{};
    std::uint64_t leadBefore = 0;  // the block's first byte ends a two-byte character
    for (size_t begin = 0; begin < text.size();) {
        const size_t size = std::min(kBlock, text.size() - begin);
        const bool last = size == text.size() - begin;
        if (last) {
            lastBlock.fill('\n');
            std::memcpy(lastBlock.data(), text.data() + begin, size);
        }
        const BlockBits bits = blockBits(last ? lastBlock.data() : text.data() + begin);
        const std::uint64_t inText = size == kBlock ? ~std::uint64_t(0) : (std::uint64_t(1) << size) - 1;
        // The first byte that is not plain, does not begin a two-byte
        // character and does not end one: all before it are plain.
        const std::uint64_t other = ~(bits.single | bits.lead | bits.lead << 1 | leadBefore) & inText;
        const auto plain = size_t(other == 0 ? kBlock : std::countr_zero(other));
        const std::uint64_t before = other == 0 ? inText : (std::uint64_t(1) << plain) - 1;
        if (!splitBlock(begin, bits.lineFeeds & before, bits.bars & before)) return false;
        if (other == 0) {
            leadBefore = bits.lead >> (kBlock - 1);
            begin += kBlock;
            continue;
        }
        // A longer character, or one that is not plain; the next block
        // begins after it. None of its bytes is a separator or a line end.
        const int length = plainCharacterLength(text, begin + plain);
        if (length == 0) return false;
        begin += plain + size_t(length);
        leadBefore = 0;
    }
    return lineBegin >= text.size() || endLine(text.size());
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool equalsIgnoringAsciiCase(std::string_view text, std::string_view lowerWord)
{
    if (text.size() != lowerWord.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? char(text[i] - 'A' + 'a') : text[i];
        if (c != lowerWord[i]) return false;
    }
    return true;
}

// True only when readAsciiCoefficient surely reads the text to a value,
// judged from its form alone; parsing every coefficient of the file would
// cost more than the rest of the scan. The forms it vouches for: a text of
// at most 40 characters whose exponent, if any, has at most two digits (the
// value lies between 1E-140 and 1E+140, or is 0), and a fraction of two whole
// numbers of at most 15 digits or "PI" with a denominator that is not 0.
bool readsSurely(std::string_view text)
{
    constexpr size_t kMaxShortText = 40;
    constexpr size_t kMaxFractionDigits = 15;
    if (text.size() > kMaxShortText) return false;
    // Most are plain decimals.
    if (std::all_of(text.begin(), text.end(), [](char c) { return unsigned(c - '0') < 10 || c == '.'; })) return true;
    int exponentDigits = -1;  // none before an exponent letter
    size_t slash = std::string_view::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (unsigned(c - '0') < 10) {
            if (exponentDigits >= 0) ++exponentDigits;
        } else if ((c & 0x80) != 0 || c == ',') {
            return false;
        } else if (c == '/') {
            slash = i;
        } else if ((c | 0x20) == 'e' || (c | 0x20) == 'd') {
            if (exponentDigits < 0) exponentDigits = 0;
        }
    }
    if (slash == std::string_view::npos) return exponentDigits <= 2;
    const auto side = [&](std::string_view part, bool denominator) {
        part = trimmed(part);
        if (part == "PI") return true;
        if (part.starts_with('-')) part.remove_prefix(1);
        return !part.empty() && part.size() <= kMaxFractionDigits &&
               std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
               (!denominator || part.find_first_not_of('0') != std::string_view::npos);
    };
    return side(text.substr(0, slash), false) && side(text.substr(slash + 1), true);
}

// A topic number of one to three digits and nothing else, 1..26.
int builtinTopicOf(std::string_view field)
{
    if (field.empty() || field.size() > 3) return 0;
    int topic = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return 0;
        topic = topic * 10 + (c - '0');
    }
    return topic <= kBuiltinTopicCount ? topic : 0;
}

// The unit lines that the whole reader would keep, in the file's order, with
// the same rows. The fields 2..4 carry over to a line that lacks them, as in
// the reader. Its state is a few views and counters: a copy taken before a
// line lets a second pass walk the lines from there.
class PlainUnitLines {
public:
    PlainUnitLines(std::string_view text, UnitLevel shown) : text_(text), shown_(shown) {}

    size_t position() const { return position_; }

    // Whether the reader keeps the unit of the line from begin to end, its
    // fields split by the caller; none when the line is not plain (a line the
    // reader would warn about or refuse, a coefficient it might not read).
    std::optional<bool> check(size_t begin, size_t end, const LineFields& line, PlainUnitLine& unit)
    {
        position_ = end + 1;
        if (++lineNumber_ > kMaxLines) return std::nullopt;
        if (text_[begin] == '\'') return false;
        if (line.tooMany) return std::nullopt;
        return readLine(line, unit, Coefficient::Check);
    }

    // The unit of the next line that the reader keeps, from lines checked
    // before; false at the end of the text.
    bool walk(PlainUnitLine& unit)
    {
        while (position_ < text_.size()) {
            const size_t lineFeed = text_.find('\n', position_);
            const size_t end = lineFeed == std::string_view::npos ? text_.size() : lineFeed;
            std::string_view text = text_.substr(position_, end - position_);
            position_ = end + 1;
            if (text.starts_with('\'')) continue;
            if (text.ends_with('\r')) text.remove_suffix(1);
            LineFields line;
            for (size_t from = 0; line.count < kMaxFields;) {
                const size_t bar = text.find('|', from);
                line.fields[size_t(line.count++)] = text.substr(from, bar - from);
                if (bar == std::string_view::npos) break;
                from = bar + 1;
            }
            if (readLine(line, unit, Coefficient::Trust).value_or(false)) return true;
        }
        return false;
    }

private:
    enum class Coefficient { Check, Trust };

    std::optional<bool> readLine(const LineFields& line, PlainUnitLine& unit, Coefficient coefficient)
    {
        const auto& fields = line.fields;
        const int count = line.count;
        const int topic = builtinTopicOf(fields[0]);
        if (topic == 0) return std::nullopt;
        if (count > 1) name_ = fields[1];
        if (count > 2) symbol_ = fields[2];
        if (count > 3) coefficient_ = fields[3];
        if (coefficient == Coefficient::Check && !readsSurely(coefficient_) && !readAsciiCoefficient(coefficient_))
            return std::nullopt;

        unit = PlainUnitLine{topic, 0, UnitLevel::Level1, name_, symbol_, coefficient_};
        if (name_.starts_with('+')) unit.level = UnitLevel::Level2;
        if (name_.starts_with('*')) unit.level = UnitLevel::Level3;
        if (!levelShows(shown_, unit.level)) return false;
        if (unit.level != UnitLevel::Level1) unit.name.remove_prefix(1);

        const std::string_view flag = count > 5 ? trimmed(fields[5]) : std::string_view("false");
        const bool startsSection = equalsIgnoringAsciiCase(flag, "true");
        if (!startsSection && !equalsIgnoringAsciiCase(flag, "false")) return std::nullopt;
        if (startsSection) row_ = 0;
        if (++row_ > kMaxRows) return std::nullopt;
        unit.row = row_;
        return true;
    }

    std::string_view text_;
    UnitLevel shown_;
    size_t position_ = 0;
    int lineNumber_ = 0;
    int row_ = 0;
    std::string_view name_;
    std::string_view symbol_;
    std::string_view coefficient_;
};

// The text of bytes that the scan has checked (valid UTF-8), decoded without
// the checks and the set-up of a general decoder; a byte order mark is a
// character here. No character takes more UTF-16 units than it has bytes.
QString textOf(std::string_view bytes)
{
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    const auto at = [&](size_t i) { return char32_t(static_cast<unsigned char>(bytes[i])); };
    for (size_t i = 0; i < bytes.size();) {
        const char32_t lead = at(i);
        char32_t c = lead;
        if (lead < 0x80) {
            i += 1;
        } else if (lead < 0xE0) {
            c = (lead & 0x1F) << 6 | (at(i + 1) & 0x3F);
            i += 2;
        } else if (lead < 0xF0) {
            c = (lead & 0x0F) << 12 | (at(i + 1) & 0x3F) << 6 | (at(i + 2) & 0x3F);
            i += 3;
        } else {
            c = (lead & 0x07) << 18 | (at(i + 1) & 0x3F) << 12 | (at(i + 2) & 0x3F) << 6 | (at(i + 3) & 0x3F);
            i += 4;
        }
        if (QChar::requiresSurrogates(c)) {
            *out++ = QChar(QChar::highSurrogate(c));
            *out++ = QChar(QChar::lowSurrogate(c));
        } else {
            *out++ = QChar(c);
        }
    }
    text.truncate(out - text.constData());
    return text;
}

}  // namespace

std::optional<DataFileReport> readMainDataTopicsNaming(UnitCatalogue& catalogue, const DataFileConfig& config,
                                                       const QByteArray& bytes, const QStringList& words)
{
    std::string_view text(bytes.constData(), size_t(bytes.size()));
    if (!unreadableEncoding(bytes).isEmpty()) return std::nullopt;
    const bool marked = text.starts_with(kUtf8Mark);
    if (marked) text.remove_prefix(kUtf8Mark.size());
    if (text.starts_with(kUtf8Mark)) return std::nullopt;

    std::vector<QByteArray> wordBytes;
    for (const QString& word : words)
        if (!word.isEmpty()) wordBytes.push_back(word.toUtf8());
    // The first pass checks every line, finds the topics and where each
    // begins and ends; the second reads the units of those topics alone.
    std::bitset<kSlotCount> topics;
    std::array<std::optional<PlainUnitLines>, kSlotCount> topicStart;
    std::array<size_t, kSlotCount> topicEnd{};
    PlainUnitLines lines(text, config.level);
    const auto checkLine = [&](size_t begin, size_t end, const LineFields& fields) {
        const PlainUnitLines beforeLine = lines;
        PlainUnitLine unit;
        const std::optional<bool> kept = lines.check(begin, end, fields, unit);
        if (!kept || !*kept) return kept.has_value();
        const auto topic = size_t(unit.topic);
        if (!topicStart[topic]) topicStart[topic] = beforeLine;
        topicEnd[topic] = lines.position();
        for (const QByteArray& word : wordBytes) {
            const std::string_view w(word.constData(), size_t(word.size()));
            if (unit.symbol == w || unit.name == w) topics.set(topic);
        }
        return true;
    };
    if (!forEachPlainLine(text, checkLine)) return std::nullopt;

    catalogue.clearNamesAndCounts();
    catalogue.mainFileEncoding = marked ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
    for (size_t topic = 0; topic < kSlotCount; ++topic) {
        if (!topics.test(topic)) continue;
        PlainUnitLines walk = *topicStart[topic];
        for (PlainUnitLine unit; walk.position() < topicEnd[topic] && walk.walk(unit);) {
            if (size_t(unit.topic) == topic)
                catalogue.unit(unit.topic, unit.row) =
                    Unit{textOf(unit.name), textOf(unit.symbol), readAsciiCoefficient(unit.coefficient).value_or(0.0),
                         QString(), unit.level};
        }
    }
    countBuiltinUnits(catalogue);
    return DataFileReport{};
}

}  // namespace tolvarin
