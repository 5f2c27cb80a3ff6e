#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>

// Number texts of the representations' messages. A cell's text is the
// engine's own (doubleText of conversion/decimaltext.h).
namespace tolvarin::numbers {

// A value named in a message: the engine's 15-digit text; for a value whose
// 15-digit text would lie beyond the double range, the shortest text that
// reads back as the value ("1,7976931348623157E+308"); Qt's "inf"/"nan" for a
// value that has no number.
QString messageValueText(double value, const QLocale& locale);

// A whole number ⌊v⌋ in decimal: all digits when it fits 64 bits, otherwise
// the message text of the double ⌊v⌋.
QString wholeValueText(std::optional<qint64> whole, double v, const QLocale& locale);

}  // namespace tolvarin::numbers
