#pragma once

#include "numbers/representation.h"

namespace tolvarin {

// The number systems of represent(), Binary to OwnBaseWithPlaces. shownText
// is the value as the user sees it; the text of OwnBaseWithPlaces starts with it.
RepresentationOutcome writeInNumberSystem(Representation system, double value, const QString& shownText,
                                          const RepresentationSettings& settings, const QLocale& locale);

}  // namespace tolvarin
