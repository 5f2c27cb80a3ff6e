#include "catalogue/numericreading.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tolvarin {

namespace {

// The characters of a text as UTF-16 code units, from a QString or from bytes
// known to be ASCII.
char16_t codeOf(QChar c) { return c.unicode(); }
char16_t codeOf(char c) { return char16_t(static_cast<unsigned char>(c)); }

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool isDigitCode(char16_t c) { return c >= u'0' && c <= u'9'; }

// Collects the characters of the leading number of text into an ASCII buffer
// that strtod understands, following the plain reading's grammar. The buffer
// lives on the stack for every number of ordinary length: the readers call
// this twice for every line of a data file.
using NumberBuffer = QVarLengthArray<char, 64>;

template <typename Text>
void leadingNumber(const Text& text, NumberBuffer& out)
{
    qsizetype i = 0;
    const auto n = qsizetype(text.size());
    const auto at = [&](qsizetype k) { return codeOf(text[k]); };
    auto skipBlanks = [&] {
        while (i < n && isBlank(at(i))) ++i;
    };
    auto digits = [&] {
        bool any = false;
        for (;;) {
            skipBlanks();
            if (i < n && isDigitCode(at(i))) {
                out.append(char(at(i)));
                ++i;
                any = true;
            } else {
                return any;
            }
        }
    };

    skipBlanks();
    if (i < n && (at(i) == u'+' || at(i) == u'-')) {
        if (at(i) == u'-') out.append('-');
        ++i;
    }
    const bool wholeDigits = digits();
    bool fractionDigits = false;
    skipBlanks();
    if (i < n && at(i) == u'.') {
        ++i;
        out.append('.');
        fractionDigits = digits();
    }
    if (!wholeDigits && !fractionDigits) {
        out.clear();
        out.append('0');
        return;
    }

    skipBlanks();
    if (i < n && (at(i) == u'E' || at(i) == u'e' || at(i) == u'D' || at(i) == u'd')) {
        const qsizetype mark = i;
        const qsizetype written = out.size();
        ++i;
        skipBlanks();
        out.append('e');
        if (i < n && (at(i) == u'+' || at(i) == u'-')) {
            out.append(char(at(i)));
            ++i;
        }
        if (!digits()) {
            out.resize(written);
            i = mark;
        }
    }
}

bool isAsciiDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// The forms that the program writes into the grid itself - an optional "-",
// ASCII digits, the locale's decimal separator with digits, an exponent -
// read without QLocale, which reads them to the same double but takes some
// microseconds per text. Anything else (and any text out of the normal
// double range) is left to QLocale: none comes back.
std::optional<double> readWrittenForm(QStringView text, QChar point)
{
    constexpr qsizetype kMaxLength = 64;
    if (text.size() >= kMaxLength || isAsciiDigit(point) || point == u'-' || point == u'e' || point == u'E')
        return std::nullopt;
    char ascii[kMaxLength];
    int length = 0;
    qsizetype i = 0;
    auto digits = [&] {
        const qsizetype start = i;
        while (i < text.size() && isAsciiDigit(text[i])) ascii[length++] = char(text[i++].unicode());
        return i > start;
    };
    if (i < text.size() && text[i] == u'-') ascii[length++] = char(text[i++].unicode());
    if (!digits()) return std::nullopt;
    if (i < text.size() && text[i] == point) {
        ascii[length++] = '.';
        ++i;
        if (!digits()) return std::nullopt;
    }
    if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
        ascii[length++] = 'e';
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii[length++] = char(text[i++].unicode());
        if (!digits()) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii, ascii + length, value);
    if (error != std::errc() || end != ascii + length) return std::nullopt;
    if (value != 0.0 && !std::isnormal(value)) return std::nullopt;
    return value;
}

struct PlainNumber {
    double value = 0.0;
    bool outOfRange = false;  // beyond the double range, or so small that it became 0 or lost digits
};

template <typename Text>
PlainNumber readPlainNumber(const Text& text)
{
    NumberBuffer number;
    leadingNumber(text, number);
    PlainNumber read;
    const auto [end, error] = std::from_chars(number.begin(), number.end(), read.value);
    if (error == std::errc() && end == number.end()) {
        read.outOfRange = read.value != 0.0 && !std::isnormal(read.value);
        return read;
    }
    // Beyond the double range: strtod gives the infinity or the zero.
    number.append('\0');
    read.value = std::strtod(number.constData(), nullptr);
    read.outOfRange = true;
    return read;
}

Result<double> fractionValue(double numerator, double denominator)
{
    if (denominator == 0.0) return numerator == 0.0 ? ErrorCode::Overflow : ErrorCode::DivisionByZero;
    const double value = numerator / denominator;
    if (!std::isfinite(value) || (numerator != 0.0 && !std::isnormal(value))) return ErrorCode::Overflow;
    return value;
}

}  // namespace

double plainReading(QStringView text) { return readPlainNumber(text).value; }

std::optional<double> regionalReading(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    // A whole number (the topic numbers of the data files) reads the same in
    // every locale; asking the locale for its separator costs more than the
    // reading itself.
    const bool allDigits = std::all_of(trimmed.begin(), trimmed.end(),
                                         [](QChar c) { return isAsciiDigit(c) || c == QLatin1Char('-'); });
    if (allDigits) {
        if (const std::optional<double> value = readWrittenForm(trimmed, QLatin1Char('.'))) return value;
    }
    const QString point = locale.decimalPoint();
    if (point.size() == 1) {
        if (const std::optional<double> value = readWrittenForm(trimmed, point[0])) return value;
    }
    QLocale strict = locale;
    strict.setNumberOptions(strict.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

double piConstant() { return 4.0 * std::atan(1.0); }

Result<double> readCoefficient(const QString& text, const QLocale& locale)
{
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        // A coefficient that underflows to 0 (or to a subnormal that has lost
        // its digits) would fail every conversion of its topic.
        const PlainNumber read = readPlainNumber(text);
        if (read.outOfRange) return ErrorCode::Overflow;
        return read.value;
    }

    auto side = [&](const QString& part) -> std::optional<double> {
        const QString trimmed = part.trimmed();
        if (trimmed == QLatin1String("PI")) return piConstant();
        return regionalReading(trimmed, locale);
    };
    const std::optional<double> numerator = side(text.left(slash));
    const std::optional<double> denominator = side(text.mid(slash + 1));
    if (!numerator || !denominator) return ErrorCode::TypeMismatch;
    return fractionValue(*numerator, *denominator);
}

std::optional<double> readAsciiCoefficient(std::string_view text)
{
    if (std::any_of(text.begin(), text.end(), [](char c) { return c == ',' || (c & 0x80) != 0; }))
        return std::nullopt;
    const size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        // Most coefficients are written as strtod writes them: read at once.
        if (std::all_of(text.begin(), text.end(), [](char c) {
                return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-';
            })) {
            double value = 0.0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
            if (error == std::errc() && end == text.data() + text.size() && !text.empty())
                return value != 0.0 && !std::isnormal(value) ? std::nullopt : std::optional<double>(value);
        }
        const PlainNumber read = readPlainNumber(text);
        if (read.outOfRange) return std::nullopt;
        return read.value;
    }
    // Each side a whole number or "PI", as the regional reading takes them
    // in every locale.
    auto side = [](std::string_view part) -> std::optional<double> {
        const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
        while (!part.empty() && blank(part.front())) part.remove_prefix(1);
        while (!part.empty() && blank(part.back())) part.remove_suffix(1);
        if (part == "PI") return piConstant();
        const std::string_view digits = part.starts_with('-') ? part.substr(1) : part;
        if (digits.empty() || part.size() >= 64 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        double value = 0.0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (error != std::errc() || end != part.data() + part.size()) return std::nullopt;
        return value;
    };
    const std::optional<double> numerator = side(text.substr(0, slash));
    const std::optional<double> denominator = side(text.substr(slash + 1));
    if (!numerator || !denominator) return std::nullopt;
    const Result<double> value = fractionValue(*numerator, *denominator);
    if (!value.ok()) return std::nullopt;
    return value.value();
}

}  // namespace tolvarin
