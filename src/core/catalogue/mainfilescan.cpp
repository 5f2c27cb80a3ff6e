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
    std::string_view info;
    std::string_view coefficient;
};

// The high bit of each of eight bytes that may be other than printable
// ASCII: below 0x20, 0x7F or from 0x80 on. The lowest one set marks the
// first such byte exactly; none set means there is none.
std::uint64_t otherThanAsciiFlags(std::uint64_t word)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
    const std::uint64_t below20 = (word - kOnes * 0x20) & ~word;
    const std::uint64_t del = word ^ (kOnes * 0x7F);
    const std::uint64_t isDel = (del - kOnes) & ~del;
    return (below20 | isDel | word) & kHighBits;
}

// Whether a line holds only what the whole reader takes without a word:
// printable ASCII, tabs and valid UTF-8 of characters from U+00A0 on (no
// control character, no lone CR, which would end a line there). Runs of
// ASCII are passed eight bytes at a time, Czech letters (two bytes each)
// without a call.
bool isPlainText(std::string_view line)
{
    const auto* const begin = reinterpret_cast<const unsigned char*>(line.data());
    const auto* const end = begin + line.size();
    const auto* p = begin;
    while (p < end) {
        if (end - p >= 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, p, 8);
            const std::uint64_t flags = otherThanAsciiFlags(word);
            if (flags == 0) {
                p += 8;
                continue;
            }
            p += std::countr_zero(flags) / 8;
        }
        const unsigned byte = *p;
        if ((byte >= 0x20 && byte < 0x7F) || byte == '\t') {
            ++p;
        } else if (byte < 0x80) {
            return false;
        } else if (end - p >= 2 && (p[1] & 0xC0) == 0x80 &&
                   ((byte >= 0xC3 && byte <= 0xDF) || (byte == 0xC2 && p[1] >= 0xA0))) {
            p += 2;
        } else {
            // Three and four bytes; what is left of two is a C1 control or not UTF-8.
            const int length = utf8SequenceLength(line, size_t(p - begin));
            if (length < 3) return false;
            p += length;
        }
    }
    return true;
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
    int exponentDigits = -1;  // none before an exponent letter
    size_t slash = std::string_view::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c & 0x80) != 0 || c == ',') return false;
        if (c == '/') slash = i;
        if (c >= '0' && c <= '9' && exponentDigits >= 0) ++exponentDigits;
        if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && exponentDigits < 0) exponentDigits = 0;
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

// Whether the scan checks every line or walks a text that it has checked
// before, reading nothing that a unit's texts do not need.
enum class Scan { Check, Walk };

// The unit lines that the whole reader would keep, in the file's order, with
// the same rows. The fields 2..4 carry over to a line that lacks them, as in
// the reader. Its state is a few views and counters: a copy taken before a
// line lets a second scan start there.
class PlainUnitLines {
public:
    enum class Step { Unit, End, NotPlain };

    PlainUnitLines(std::string_view text, UnitLevel shown) : text_(text), shown_(shown) {}

    size_t position() const { return position_; }

    Step next(Scan scan, PlainUnitLine& unit)
    {
        while (position_ < text_.size()) {
            const size_t lineFeed = text_.find('\n', position_);
            const size_t end = lineFeed == std::string_view::npos ? text_.size() : lineFeed;
            std::string_view line = text_.substr(position_, end - position_);
            position_ = end + 1;
            if (line.ends_with('\r')) line.remove_suffix(1);
            if (++lineNumber_ > kMaxLines) return Step::NotPlain;
            if (scan == Scan::Check && !isPlainText(line)) return Step::NotPlain;
            if (line.starts_with('\'')) continue;
            const std::optional<bool> kept = readLine(scan, line, unit);
            if (!kept) return Step::NotPlain;
            if (*kept) return Step::Unit;
        }
        return Step::End;
    }

private:
    // Whether the reader keeps the line's unit; none when the line is not plain.
    std::optional<bool> readLine(Scan scan, std::string_view line, PlainUnitLine& unit)
    {
        std::array<std::string_view, kMaxFields> fields;
        int count = 0;
        for (size_t from = 0;;) {
            const size_t bar = line.find('|', from);
            if (bar == std::string_view::npos) {
                fields[size_t(count++)] = line.substr(from);
                break;
            }
            if (count == kMaxFields - 1) return std::nullopt;  // a seventh field follows
            fields[size_t(count++)] = line.substr(from, bar - from);
            from = bar + 1;
        }
        const int topic = builtinTopicOf(fields[0]);
        if (topic == 0) return std::nullopt;
        if (count > 1) name_ = fields[1];
        if (count > 2) symbol_ = fields[2];
        if (count > 3) coefficient_ = fields[3];
        if (scan == Scan::Check && !readsSurely(coefficient_) && !readAsciiCoefficient(coefficient_))
            return std::nullopt;

        unit = PlainUnitLine{topic, 0, UnitLevel::Level1, name_, symbol_, count > 4 ? fields[4] : std::string_view(),
                             coefficient_};
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

QString textOf(std::string_view bytes)
{
    QString text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    // fromUtf8 drops a leading byte order mark; inside a file it is a character.
    if (bytes.starts_with(kUtf8Mark)) text.prepend(QChar(0xFEFF));
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
    for (PlainUnitLine unit;;) {
        const PlainUnitLines beforeLine = lines;
        const PlainUnitLines::Step step = lines.next(Scan::Check, unit);
        if (step == PlainUnitLines::Step::NotPlain) return std::nullopt;
        if (step == PlainUnitLines::Step::End) break;
        const auto topic = size_t(unit.topic);
        if (!topicStart[topic]) topicStart[topic] = beforeLine;
        topicEnd[topic] = lines.position();
        for (const QByteArray& word : wordBytes) {
            const std::string_view w(word.constData(), size_t(word.size()));
            if (unit.symbol == w || unit.name == w) topics.set(topic);
        }
    }

    catalogue.clearNamesAndCounts();
    catalogue.mainFileEncoding = marked ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
    for (size_t topic = 0; topic < kSlotCount; ++topic) {
        if (!topics.test(topic)) continue;
        PlainUnitLines walk = *topicStart[topic];
        for (PlainUnitLine unit; walk.position() < topicEnd[topic] &&
                                 walk.next(Scan::Walk, unit) == PlainUnitLines::Step::Unit;) {
            if (size_t(unit.topic) == topic)
                catalogue.unit(unit.topic, unit.row) = Unit{textOf(unit.name), textOf(unit.symbol),
                                                            readAsciiCoefficient(unit.coefficient).value_or(0.0),
                                                            textOf(unit.info), unit.level};
        }
    }
    countBuiltinUnits(catalogue);
    return DataFileReport{};
}

}  // namespace tolvarin
