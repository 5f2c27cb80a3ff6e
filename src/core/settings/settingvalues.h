#pragma once

#include "common/runtimeerror.h"

#include <QLocale>
#include <QString>
#include <QtGlobal>

namespace tolvarin {

// Conversions between the texts of the settings store and the types of the
// settings record. A text that is not of the type gives TypeMismatch; a number
// outside the type's range gives Overflow. Blanks around a value are allowed.

// Whole numbers: plain digits with an optional sign ("-12"), or a whole number
// in the locale's own form (group separators allowed). Fractions are refused.
Result<qint16> toInt16(const QString& text, const QLocale& locale);
Result<qint32> toInt32(const QString& text, const QLocale& locale);

// "True" / "False" in any letter case, or a number: 0 is false, anything else true.
Result<bool> toBoolean(const QString& text, const QLocale& locale);
QString booleanText(bool value);  // "True" / "False"

// Single-precision numbers (window placement, font size): the locale's decimal
// form, or the plain "." form of a store written under another locale.
Result<float> toSingle(const QString& text, const QLocale& locale);
// The total running time in days ("Doba"). Written in the plain "." form so
// that any locale reads it back as the same number; the reader also takes the
// decimal comma of stores written under a Czech locale.
Result<double> toDays(const QString& text, const QLocale& locale);
QString daysText(double days);

}  // namespace tolvarin
