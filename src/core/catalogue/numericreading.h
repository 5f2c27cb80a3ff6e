#pragma once

#include "common/runtimeerror.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

namespace tolvarin {

// The plain reading of the data files: leading blanks skipped, then an
// optional sign, digits, "." and digits, and an exponent (E or D); blanks
// inside the number are skipped and reading stops at the first character
// that cannot continue the number. No number at all gives 0. Never fails,
// but a number beyond the double range comes back infinite.
double plainReading(QStringView text);

// The regional reading of what the user types: the whole text, trimmed, must
// be a number in the locale's format (no group separators). Fractions and
// "PI" are not numbers here.
std::optional<double> regionalReading(const QString& text, const QLocale& locale);

// A coefficient of the main data file: a plain number, or a fraction of two
// regional numbers either of which may be the word "PI". A value beyond the
// double range, or one that underflows to 0 or to a subnormal, is Overflow.
Result<double> readCoefficient(const QString& text, const QLocale& locale);

// The same value for a coefficient written in ASCII in the forms that read
// alike in every locale: a plain number, or a fraction whose sides are whole
// numbers or "PI". None for any other text and for any text that
// readCoefficient would refuse or that holds a ",".
std::optional<double> readAsciiCoefficient(std::string_view text);

// The constant pi, the double nearest to 4 * atan(1).
double piConstant();

}  // namespace tolvarin
