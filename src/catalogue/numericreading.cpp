#include "catalogue/numericreading.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>

namespace tolvarin {

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Collects the characters of the leading number of text into an ASCII buffer
// that strtod understands, following the plain reading's grammar.
QByteArray leadingNumber(QStringView text)
{
    QByteArray out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i])) ++i;
    };
    auto digitsInto = [&](QByteArray& target) {
        bool any = false;
        for (;;) {
            skipBlanks();
            if (i < n && text[i].isDigit() && text[i].unicode() < 128) {
                target += char(text[i].unicode());
                ++i;
                any = true;
            } else {
                return any;
            }
        }
    };

    skipBlanks();
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-')) out += '-';
        ++i;
    }
    const bool wholeDigits = digitsInto(out);
    bool fractionDigits = false;
    skipBlanks();
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        QByteArray fraction;
        fractionDigits = digitsInto(fraction);
        out += '.';
        out += fraction;
    }
    if (!wholeDigits && !fractionDigits) return QByteArray("0");

    skipBlanks();
    if (i < n) {
        const QChar e = text[i].toUpper();
        if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
            const qsizetype mark = i;
            ++i;
            skipBlanks();
            QByteArray exponent("e");
            if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
                exponent += char(text[i].unicode());
                ++i;
            }
            if (digitsInto(exponent))
                out += exponent;
            else
                i = mark;
        }
    }
    return out;
}

}  // namespace

double plainReading(QStringView text)
{
    const QByteArray number = leadingNumber(text);
    return std::strtod(number.constData(), nullptr);
}

std::optional<double> regionalReading(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    // Plain whole numbers (topic numbers, most fraction sides) read the same in
    // every locale; skipping the locale parser keeps a file load fast.
    if (trimmed.size() <= 15 && std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        }))
        return double(trimmed.toLongLong());
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
        const double value = plainReading(text);
        if (!std::isfinite(value)) return ErrorCode::Overflow;
        return value;
    }

    auto side = [&](const QString& part) -> std::optional<double> {
        const QString trimmed = part.trimmed();
        if (trimmed == QLatin1String("PI")) return piConstant();
        return regionalReading(trimmed, locale);
    };
    const std::optional<double> numerator = side(text.left(slash));
    const std::optional<double> denominator = side(text.mid(slash + 1));
    if (!numerator || !denominator) return ErrorCode::TypeMismatch;
    if (*denominator == 0.0) return *numerator == 0.0 ? ErrorCode::Overflow : ErrorCode::DivisionByZero;
    const double value = *numerator / *denominator;
    if (!std::isfinite(value)) return ErrorCode::Overflow;
    return value;
}

}  // namespace tolvarin
