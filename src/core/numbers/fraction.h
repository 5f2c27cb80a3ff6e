#pragma once

#include "numbers/representation.h"

namespace tolvarin {

// The fraction of represent(). shownText names the value when it is out of range.
RepresentationOutcome writeAsFraction(double value, const QString& shownText, int sensitivity, const QLocale& locale);

}  // namespace tolvarin
