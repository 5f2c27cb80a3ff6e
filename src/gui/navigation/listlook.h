#pragma once

class QAbstractItemView;
class QColor;

namespace tolvarin {

// The navigator's lists keep their selection in the highlight colour when
// another control has the focus, so the chosen entry stays in sight.
void keepSelectionShown(QAbstractItemView* view);

// The contrast ratio of two colours as readability guidelines measure it:
// 1 for equal colours, 21 for black on white.
double contrastRatio(const QColor& a, const QColor& b);

// A softer colour than text for secondary entries that stays readable on the
// background: the lightest blend of text towards the background with a
// contrast of at least 4.5:1 (the text colour itself when it has no more).
QColor mutedTextColour(const QColor& text, const QColor& background);

}  // namespace tolvarin
