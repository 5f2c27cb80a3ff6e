#pragma once

#include <QLocale>
#include <QString>

namespace tolvarin {

// degreesMinutesSeconds: a value in degrees as " 30° 15' 7,5\"": one blank, whole degrees,
// whole minutes and the seconds as the shortest text of a single (at most
// seven significant digits). Degrees and minutes are floors. Empty for an
// infinite or NaN value.
QString degreesMinutesSeconds(double degrees, const QLocale& locale);

// The kind of an angle of n whole degrees (0..360), with the leading dash:
// " — ostrý úhel" for 1..89; empty from 181 on, where no kind is named.
QString angleKind(int wholeDegrees);

// The summary line of the plane-angle topic from its degree value: degreesMinutesSeconds,
// then " (" + the rounded whole degrees modulo 360 + "°", the kind and ")".
// 30 gives " 30° 0' 0\" (30° — ostrý úhel)"; 359.5 rounds to 360°. Whole
// degrees beyond the 32-bit range are named without their kind.
QString angleSummary(double degrees, const QLocale& locale);

}  // namespace tolvarin
